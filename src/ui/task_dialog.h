#pragma once

#include <QDialog>
#include <QList>

#include "app/interaction.h"
#include "settings/auto_answer.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ostrima {

// The system's message dialog: instruction, content, a detail shown on request and custom
// buttons answering 100, 101, ... in order. With an auto-answer time it counts 200 ms per
// tick while open and answers with its default button at the first tick whose count exceeds
// the time. It has no close box: a person answers with one of its buttons.
class TaskDialogBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int tickMs = AutoAnswer::tickMs;

    explicit TaskDialogBox(const TaskDialog& dialog, QWidget* parent = nullptr);

    // 0 (or less) never answers by itself. Takes effect when the dialog is shown.
    void setAutoAnswerMs(int ms);

    QPushButton* button(int index) const;
    int buttonCount() const { return static_cast<int>(m_buttons.size()); }
    int defaultAnswer() const { return 100 + m_default; }
    bool isDetailShown() const;
    QPushButton* detailToggle() const { return m_toggle; }

    // One tick of the self-answering count, as the timer gives it; public for tests.
    void tick();

    // Shows the dialog modally and returns its answer (100 + button index).
    static int ask(const TaskDialog& dialog, int autoAnswerMs, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void toggleDetail();

    QList<QPushButton*> m_buttons;
    int m_default = 0;
    QLabel* m_detail = nullptr;
    QPushButton* m_toggle = nullptr;
    QProgressBar* m_countdown = nullptr;
    QTimer* m_timer = nullptr;
    // The count of a self-answering dialog, restarted each time it is shown.
    int m_autoMs = 0;
    AutoAnswer m_count{0};
};

} // namespace ostrima
