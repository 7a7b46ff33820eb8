#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "settings/lang_file.h"
#include "ui/auto_answer_timer.h"
#include "ui/captions.h"

// Readable failures.
void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace ostrima;

namespace {

// A screen with every kind of control the language file reaches. `v` is appended to every
// non-empty design text, so two variants differ in every text and nothing else.
std::unique_ptr<QWidget> makeScreen(const QString& v = {})
{
    auto t = [&](const char* s) -> QString { return QString::fromUtf8(s) + v; };
    auto screen = std::make_unique<QWidget>();
    screen->setObjectName(QStringLiteral("test_frm"));
    screen->setWindowTitle(t("Deneme"));
    auto* lay = new QVBoxLayout(screen.get());
    auto add = [&](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        lay->addWidget(w);
        return w;
    };

    auto* btn = static_cast<QPushButton*>(add(new QPushButton(t("Hesap\nBölme")), "btnHesap"));
    btn->setToolTip(t("Hesabı böl"));
    add(new QPushButton(t("Yeni Cari ")), "btnYeniCari");
    add(new QPushButton(QStringLiteral("-")), "btnAyrac");
    add(new QCheckBox(t("Yuvarla")), "chkYuvarla");
    auto* edt = static_cast<QLineEdit*>(add(new QLineEdit(t("Ali")), "edtAd"));
    static_cast<QLabel*>(add(new QLabel(t("Adı")), "lblAd"))->setBuddy(edt);
    auto* unnamedLabelEdit = static_cast<QLineEdit*>(add(new QLineEdit(), "edtSoyad"));
    auto* unnamedLabel = new QLabel(t("Soyadı"));
    unnamedLabel->setBuddy(unnamedLabelEdit);
    lay->addWidget(unnamedLabel);
    add(new QGroupBox(t("Ödeme")), "grpOdeme");

    auto* cmb = static_cast<QComboBox*>(add(new QComboBox, "cmbTip"));
    cmb->addItems({t("Nakit"), t("Kredi"), QString()});
    cmb->setCurrentIndex(1);
    auto* cmbEdit = static_cast<QComboBox*>(add(new QComboBox, "cmbNot"));
    cmbEdit->setEditable(true);
    cmbEdit->addItems({t("Acele")});
    cmbEdit->setEditText(t("Soğuk"));
    static_cast<QListWidget*>(add(new QListWidget, "lstPos"))->addItems({t("Salon"), t("Bahçe")});

    add(new QPlainTextEdit(t("birinci") + u"\n\n" + t("üçüncü")), "mmo1");
    // A box still holding its name from design time writes nothing from there on.
    add(new QPlainTextEdit(t("ilk") + QStringLiteral("\nmmo2\nson")), "mmo2");
    add(new QTextEdit(t("not")), "txtNot");

    auto* tabs = static_cast<QTabWidget*>(add(new QTabWidget, "pgCheck"));
    auto* detay = new QWidget;
    detay->setObjectName(QStringLiteral("tsDetay"));
    tabs->addTab(detay, t("Detay"));
    auto* inner = new QPushButton(t("Marş"), detay); // nested in a page
    inner->setObjectName(QStringLiteral("btnMars"));
    auto* toplam = new QWidget;
    toplam->setObjectName(QStringLiteral("tsToplam"));
    tabs->addTab(toplam, t("Toplam"));

    auto* bar = static_cast<QTabBar*>(add(new QTabBar, "navBar"));
    bar->addTab(t("POS"));
    bar->addTab(t("HIZLI SATIŞ"));

    auto* grid = static_cast<QTableWidget*>(add(new QTableWidget(0, 3), "grdToplam"));
    grid->setHorizontalHeaderLabels({t("Ürün"), t("Adet"), QString()});
    auto* view = static_cast<QTableView*>(add(new QTableView, "grdView"));
    auto* model = new QStandardItemModel(0, 2, view);
    model->setHorizontalHeaderLabels({t("Saat"), t("Tutar")});
    view->setModel(model);

    add(new QLabel(t("sonuç")), "outSonuc");
    auto* menu = new QMenu(t("Menü"), screen.get());
    menu->setObjectName(QStringLiteral("pmMenu"));
    menu->addAction(t("Client Ayarları"))->setObjectName(QStringLiteral("miClient"));

    // Another screen parented to this one keeps its own section.
    auto* dialog = new QDialog(screen.get());
    dialog->setObjectName(QStringLiteral("ekle_frm"));
    auto* dialogButton = new QPushButton(t("Ekle"), dialog);
    dialogButton->setObjectName(QStringLiteral("btnEkle"));
    return screen;
}

// Everything a person sees of the screen's texts.
QStringList snapshot(QWidget* screen)
{
    QStringList s{QStringLiteral("title=") + screen->windowTitle()};
    for (QObject* o : screen->findChildren<QObject*>()) {
        const QString n = o->objectName() + u'|';
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->toolTip().isEmpty())
            s << n + QStringLiteral("tip=") + w->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            s << n + b->text();
        if (auto* l = qobject_cast<QLabel*>(o))
            s << n + l->text();
        if (auto* g = qobject_cast<QGroupBox*>(o))
            s << n + g->title();
        if (auto* e = qobject_cast<QLineEdit*>(o))
            s << n + e->text();
        if (auto* m = qobject_cast<QMenu*>(o))
            s << n + m->title();
        if (auto* a = qobject_cast<QAction*>(o))
            s << n + a->text();
        if (auto* p = qobject_cast<QPlainTextEdit*>(o))
            s << n + p->toPlainText();
        if (auto* p = qobject_cast<QTextEdit*>(o))
            s << n + p->toPlainText();
        if (auto* c = qobject_cast<QComboBox*>(o)) {
            s << n + QStringLiteral("current=") + c->currentText();
            for (int i = 0; i < c->count(); ++i)
                s << n + c->itemText(i);
        }
        if (auto* l = qobject_cast<QListWidget*>(o))
            for (int i = 0; i < l->count(); ++i)
                s << n + l->item(i)->text();
        if (auto* t = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < t->count(); ++i)
                s << n + t->tabText(i);
        if (auto* t = qobject_cast<QTabBar*>(o))
            for (int i = 0; i < t->count(); ++i)
                s << n + t->tabText(i);
        if (auto* t = qobject_cast<QTableView*>(o))
            for (int i = 0; i < t->model()->columnCount(); ++i)
                s << n + t->model()->headerData(i, Qt::Horizontal).toString();
    }
    return s;
}

LangFile exported(QWidget* screen, QByteArray* content = nullptr)
{
    QTemporaryDir dir;
    exportCaptions({screen}, dir.filePath(QStringLiteral("Custom.ini")));
    QFile f(dir.filePath(QStringLiteral("Custom.ini")));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    if (content)
        *content = bytes;
    return LangFile::parse(bytes);
}

TEST(Captions, ExportThenApplyLeavesTheScreenAsItWas)
{
    auto screen = makeScreen();
    const QStringList before = snapshot(screen.get());
    applyLanguage(screen.get(), exported(screen.get()));
    EXPECT_EQ(snapshot(screen.get()), before);
}

// The export carries every text: applied to a screen whose design texts all differ, it
// makes that screen look like the exported one (the control named "out…" and the other
// screen aside).
TEST(Captions, ExportCarriesEveryTextOfTheScreen)
{
    auto original = makeScreen();
    QByteArray content;
    const LangFile file = exported(original.get(), &content);
    auto other = makeScreen(QStringLiteral("-b"));
    applyLanguage(other.get(), file);

    QStringList expected = snapshot(original.get());
    QStringList got = snapshot(other.get());
    auto notExported = [](const QString& s) {
        return s.startsWith(QStringLiteral("outSonuc|")) ||
               s.startsWith(QStringLiteral("btnEkle|"));
    };
    expected.removeIf(notExported);
    got.removeIf(notExported);
    EXPECT_EQ(got, expected);

    const QString text = QString::fromUtf8(content);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[test_frm]\ntest_frm.Caption=Deneme\n")));
    for (const char* key :
         {"test_frm.btnHesap.Caption=Hesap\\nBölme", "test_frm.btnYeniCari.Caption=\"Yeni Cari \"",
          "test_frm.edtSoyad.EditLabel.Caption=Soyadı", "test_frm.edtSoyad.Text=\n",
          "test_frm.cmbTip.Items[2]=\n", "test_frm.mmo1.Lines[1]=\n",
          "test_frm.mmo1.Text=birinci\\n\\nüçüncü", "test_frm.mmo2.Lines[0]=ilk\n",
          "test_frm.tsToplam.Caption=Toplam", "test_frm.miClient.Caption=Client Ayarları"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(key))) << key;
    for (const char* absent : {"outSonuc", "btnAyrac", "mmo2.Lines[1]", "btnEkle", "qt_"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
}

TEST(Captions, ApplyRulesForLinesItemsAndUnknownKeys)
{
    auto screen = makeScreen();
    const QStringList before = snapshot(screen.get());
    const LangFile lang = LangFile::parse("[TEST_FRM]\n"
                                          "test_frm.caption=Yeni Başlık\n"
                                          "test_frm.mmo1.lines[0]=fsdef\n"
                                          "test_frm.mmo1.lines[2]=\n"
                                          "test_frm.mmo1.lines[3]=dördüncü\n"
                                          "test_frm.mmo1.Text=yok sayılır\n"
                                          "test_frm.cmbTip.items[0]=\n"
                                          "test_frm.cmbTip.items[1]=Kart\n"
                                          "test_frm.cmbTip.items[5]=Fazla\n"
                                          "test_frm.btnHesap.Caption=\n"
                                          "test_frm.btnYok.Caption=Yok\n"
                                          "test_frm.edtAd.Caption=Olmayan özellik\n"
                                          "test_frm.lblAd.Hint=İpucu\n"
                                          "test_frm.btnEkle.Caption=Başka ekran\n"
                                          "test_frm.outSonuc.Caption=Sonuç\n");
    applyLanguage(screen.get(), lang);

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Yeni Başlık"));
    EXPECT_EQ(screen->findChild<QPlainTextEdit*>(QStringLiteral("mmo1"))->toPlainText(),
              QStringLiteral("birinci\n\n")); // line 2 emptied, no line added
    auto* cmb = screen->findChild<QComboBox*>(QStringLiteral("cmbTip"));
    EXPECT_EQ(cmb->count(), 3);
    EXPECT_EQ(cmb->itemText(0), QStringLiteral("Nakit"));
    EXPECT_EQ(cmb->itemText(1), QStringLiteral("Kart"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblAd"))->toolTip(),
              QStringLiteral("İpucu"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("outSonuc"))->text(),
              QStringLiteral("Sonuç"));

    // Nothing else moved: not the empty caption, the unknown keys nor the other screen.
    QStringList after = snapshot(screen.get());
    QStringList changed;
    for (const QString& s : after)
        if (!before.contains(s))
            changed << s;
    EXPECT_EQ(changed,
              QStringList({QStringLiteral("title=Yeni Başlık"), QStringLiteral("lblAd|tip=İpucu"),
                           QStringLiteral("cmbTip|current=Kart"), QStringLiteral("cmbTip|Kart"),
                           QStringLiteral("mmo1|birinci\n\n"), QStringLiteral("outSonuc|Sonuç")}));
}

TEST(AutoAnswerTimer, DialogAnswersWithItsDefaultButton)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("D I K K A T"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    armAutoAnswer(&box, 200, box.defaultButton());
    EXPECT_EQ(box.exec(), QMessageBox::No);
}

} // namespace
