#include "ui/task_dialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace ostrima {
namespace {

TaskDialog exitQuestion()
{
    TaskDialog d;
    d.title = QStringLiteral("DIKKAT");
    d.instruction = QStringLiteral(" Programı Kapatmak İstiyor musunuz ? ");
    d.content = QStringLiteral("Program Kapatılıyor");
    d.expandedText = QStringLiteral("Devam Etmek İçin Onaylayınız");
    d.buttons = QStringList{QStringLiteral("Programdan Çıkış"), QStringLiteral("İşlemi İptal Et"),
                            QStringLiteral("Üçüncü")};
    d.defaultButton = 0;
    return d;
}

// Each button answers 100 + its place, through the modal dialog a person sees.
TEST(TaskDialogBox, ButtonsAnswerInOrder)
{
    for (int i = 0; i < 3; ++i) {
        QTimer::singleShot(0, [i] {
            auto* box = qobject_cast<TaskDialogBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (i == 0)
                test::saveScreenshot(box, QStringLiteral("task_dialog"));
            QTest::mouseClick(box->button(i), Qt::LeftButton);
        });
        EXPECT_EQ(TaskDialogBox::ask(exitQuestion(), 0, nullptr), 100 + i);
    }
}

// At the first 200 ms tick whose count exceeds the time, the default button answers.
TEST(TaskDialogBox, AnswersItselfAfterItsTime)
{
    struct Case {
        int ms;
        int answeringTick; // 0: never
    };
    for (const Case c : {Case{5000, 26}, Case{200, 2}, Case{199, 1}, Case{0, 0}}) {
        TaskDialog d = exitQuestion();
        d.defaultButton = 1;
        TaskDialogBox box(d);
        box.setAutoAnswerMs(c.ms);
        box.open();
        const int ticks = c.answeringTick ? c.answeringTick : 100;
        for (int t = 1; t < ticks; ++t)
            box.tick();
        EXPECT_TRUE(box.isVisible()) << c.ms << " ms";
        box.tick();
        EXPECT_EQ(box.isVisible(), c.answeringTick == 0) << c.ms << " ms";
        EXPECT_EQ(box.result(), c.answeringTick ? 101 : 0) << c.ms << " ms";
        box.close();
    }
    // The timer itself drives the ticks of a dialog left alone.
    EXPECT_EQ(TaskDialogBox::ask(exitQuestion(), 200, nullptr), 100);
}

TEST(TaskDialogBox, DetailOpensOnRequestAndEscapeAnswersNothing)
{
    TaskDialogBox box(exitQuestion());
    box.open();
    EXPECT_FALSE(box.isDetailShown());
    EXPECT_EQ(box.detailToggle()->text(), QStringLiteral("Click to see more"));
    QTest::mouseClick(box.detailToggle(), Qt::LeftButton);
    EXPECT_TRUE(box.isDetailShown());
    EXPECT_EQ(box.detailToggle()->text(), QStringLiteral("Click to hide"));
    test::saveScreenshot(&box, QStringLiteral("task_dialog_detail"));
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.detailToggle(), Qt::LeftButton);
    EXPECT_FALSE(box.isDetailShown());
}

} // namespace
} // namespace ostrima
