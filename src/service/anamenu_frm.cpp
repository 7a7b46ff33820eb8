#include "service/anamenu_frm.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/clock.h"
#include "app/companions.h"
#include "app/session.h"
#include "data/db.h"
#include "data/store_database.h"
#include "service/dashboard.h"
#include "service/main_caption.h"
#include "service/messages.h"
#include "service/monthly_mail.h"
#include "settings/grid_texts.h"
#include "settings/lang_file.h"
#include "settings/main_visibility.h"
#include "settings/terminal_settings.h"
#include "ui/alert_window.h"
#include "ui/captions.h"
#include "ui/dashboard_panel.h"
#include "ui/hall_map_view.h"
#include "ui/style.h"
#include "ui/widget_interaction.h"
#include "service/yenimasa_frm.h"

using namespace ostrima;

namespace {

constexpr int kRefreshMs = 2000;

// Service buttons under the map and management buttons on the management page, by object
// name and caption. A button shows when the terminal's settings allow it and its function
// is part of this build.
const QList<QPair<const char*, const char*>> kServiceButtons = {
    {"btnYeniMasa", "Yeni Masa"},     {"btnEkle", "Ekle"},
    {"btnGonder", "Gönder"},          {"btnMars", "Marş"},
    {"btnAdisyon", "Adisyon"},        {"btnHesap", "Hesap"},
    {"btnHesapBolme", "Hesap Bölme"}, {"btnHizliHesap", "Hızlı Hesap"},
    {"btn1", "Ikram"},                {"btnCariSec", "Cari Seç"},
    {"btnIade", "iade"},              {"btnUrunTransfer", "Ürün Transfer"},
    {"btnMasaTransfer", "Masa Transfer"}, {"btnUrunIkram", "Ürün Ikram"},
    {"btnIndirim", "Indirim"},        {"btnIndirimYuzde", "indirim %"},
    {"btnIndTutar", "Ind. Tutar"},    {"btnIndTutar2", "ind Tutar"},
    {"btnServis", "Servis"},          {"btnServisYuzde", "Servis %"},
    {"btnServisTutari", "Servis Tutarı"}, {"btnSTutar", "S.Tutar"},
    {"btnKisiSayisi", "Kişi Sayısı"}, {"btnKisiFiyati", "Kişi Fiyatı"},
    {"btnFiyatDegistir", "Fiyat Değiştir"}, {"btnResmiAdisyon", "Resmi Adisyon"},
    {"btnMaliAdisyon", "Mali Adisyon"}, {"btnMA", "M / A"},
    {"btnA", "A"},                    {"btnMasraf", "Masraf Girisi"},
    {"btnReserve", "Reserve"},        {"btnSelf", "Self"},
    {"btnDestek", "Korvant UZAKTAN DESTEK"}, {"btnKilit", "Kilit"},
    {"btn5", "Çıkış"},
};
const QList<QPair<const char*, const char*>> kManagementButtons = {
    {"btnGunsonu", "Günsonu Raporları"}, {"btnAyarlar", "Ayarlar"},
    {"btnKullanici", "Kullanıcı Tanımları"}, {"btnLoglar", "Loglar"},
    {"btnGrafikler", "Grafikler"},    {"btnKasaIslemleri", "Kasa Işlemleri"},
    {"btnKasaRaporu", "Kasa Raporu"}, {"btnAdisyonKontrol", "Adisyon Kontrol"},
    {"btnYeniCari", "Yeni Cari "},    {"btnCariIslem", "Cari Işlem"},
    {"btnUrunListesi", "Ürün - Grup Listesi"}, {"btnBarSayim", "Bar Sayım"},
    {"btnSubeSiparis", "Şube Sipariş"}, {"btnHappyHours", "Happy Hours"},
    {"btnCariGuncelle", "Cari Data Güncelle"}, {"btnAdmin", "Admin"},
    {"btnClientSetup", "Client Setup"}, {"btnSubeAyarlari", "Şube Ayarları"},
};

QString money(double v) { return QLocale(QLocale::Turkish).toString(v, 'f', 2); }

} // namespace

anamenu_frm::anamenu_frm(Db& db, Session& session, WidgetInteraction& ui, const Clock& clock,
                         const QString& siteDir, QWidget* parent)
    : QDialog(parent),
      m_db(db),
      m_session(session),
      m_ui(ui),
      m_clock(clock),
      m_siteDir(siteDir),
      m_tables(db, session, ui, clock)
{
    setObjectName(QStringLiteral("anamenu_frm"));
    setWindowTitle(QStringLiteral("®"));
    // No close box: "Çıkış" is the only way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinMaxButtonsHint);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &anamenu_frm::refreshTick);
    buildScreen();
    if (const auto lang = LangFile::open(m_siteDir))
        applyLanguage(this, *lang);
}

anamenu_frm::~anamenu_frm() = default;

void anamenu_frm::setCaptionScreens(std::function<QList<QWidget*>()> screens)
{
    m_captionScreens = std::move(screens);
}

// --- layout --------------------------------------------------------------------------------

void anamenu_frm::buildScreen()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(8);

    auto* top = new QHBoxLayout;
    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("lblBaslik"));
    m_banner->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold; padding: 2px;"));
    top->addWidget(m_banner, 1);
    m_clientLabel = new QLabel(this);
    m_clientLabel->setObjectName(QStringLiteral("lblpcadi"));
    m_clientLabel->setStyleSheet(QStringLiteral("color: %1;").arg(touch::mutedText.name()));
    m_clientLabel->setMinimumWidth(160);
    m_clientLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(m_clientLabel);
    outer->addLayout(top);
    outer->addWidget(buildSessionBar());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);

    m_nav = new QTabWidget(this);
    m_nav->setObjectName(QStringLiteral("navBar"));
    m_nav->setFixedWidth(190);
    auto* tsPos = new QWidget;
    tsPos->setObjectName(QStringLiteral("tsPos"));
    auto* posLayout = new QVBoxLayout(tsPos);
    posLayout->setContentsMargins(0, 0, 0, 0);
    m_halls = new QListWidget(tsPos);
    m_halls->setObjectName(QStringLiteral("lstPos"));
    m_halls->setFocusPolicy(Qt::NoFocus);
    m_halls->setStyleSheet(
        QStringLiteral("QListWidget { font-size: 20px; } QListWidget::item { min-height: 64px; "
                       "padding-left: 12px; } QListWidget::item:selected { background: %1; "
                       "color: white; }")
            .arg(touch::accent.name()));
    posLayout->addWidget(m_halls);
    m_nav->addTab(tsPos, QStringLiteral("POS"));
    auto* tsFav = new QWidget;
    tsFav->setObjectName(QStringLiteral("tsHizliSatis"));
    m_nav->addTab(tsFav, QStringLiteral("HIZLI SATIŞ"));
    connect(m_halls, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { lstPosClick(item->text()); });
    middle->addWidget(m_nav);

    m_grid = new HallMapView(this);
    connect(m_grid, &HallMapView::cellClicked, this, &anamenu_frm::gridClickCell);
    connect(m_grid, &HallMapView::cellDoubleClicked, this,
            [this](const QString&) { gridDblClickCell(); });
    middle->addWidget(m_grid, 1);
    middle->addWidget(buildCheckPanel());
    outer->addLayout(middle, 1);
    outer->addWidget(buildButtonBar());

    m_alert = new AlertWindow(this);
    connect(m_alert, &AlertWindow::deleteRequested, this, [this] {
        guarded([this] {
            if (const auto message = firstMessage(m_db); message && message->id == m_shownMessage)
                deleteMessage(m_db, *message);
        });
        m_shownMessage = 0;
    });
}

QWidget* anamenu_frm::buildSessionBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlUst"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    struct Field {
        const char* name;
        const char* label;
        int width; // 0: kept hidden
    };
    for (const Field& f : {Field{"pos_ed", "Salon", 150}, Field{"masano", "Masa", 80},
                           Field{"adi_ed", "Adisyon", 90}, Field{"cash_ed", "Kasiyer", 120},
                           Field{"islemyapan", "Onaylayan", 120}, Field{"tarih", "Tarih", 120},
                           Field{"cari_ed", "Cari", 0}, Field{"edtkolon", "Kolon", 0},
                           Field{"edtmasa", "Transfer", 0}, Field{"edtumasa", "Ürün Transfer", 0}}) {
        // Caption above the field, so the bar fits the narrowest terminal screen.
        auto* box = new QWidget(bar);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        auto* caption = new QLabel(QString::fromUtf8(f.label), box);
        caption->setStyleSheet(QStringLiteral("font-size: 12px; color: %1;").arg(touch::mutedText.name()));
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(f.name));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setMinimumHeight(38);
        edit->setFixedWidth(std::max(f.width, 60));
        edit->setStyleSheet(QStringLiteral("font-size: 17px; padding: 2px 6px;"));
        caption->setBuddy(edit);
        column->addWidget(caption);
        column->addWidget(edit);
        box->setVisible(f.width > 0);
        row->addWidget(box);
        m_fields.insert(QString::fromLatin1(f.name), edit);
    }
    row->addStretch(1);
    return bar;
}

QWidget* anamenu_frm::buildCheckPanel()
{
    m_panel = new QTabWidget(this);
    m_panel->setObjectName(QStringLiteral("pcAdisyon"));
    m_panel->setFixedWidth(320);

    auto* detay = new QWidget;
    detay->setObjectName(QStringLiteral("tsDetay"));
    auto* form = new QGridLayout(detay);
    form->setVerticalSpacing(10);
    int row = 0;
    for (const auto& [name, caption] :
         {std::pair{"lblMasa", "Masa"}, std::pair{"lblMasaAdi", "Adı"},
          std::pair{"lblGarson", "Garson"}, std::pair{"lblDurum", "Durum"},
          std::pair{"lblTutar", "Tutar"}}) {
        auto* key = new QLabel(QString::fromUtf8(caption), detay);
        key->setStyleSheet(QStringLiteral("color: %1; font-size: 15px;").arg(touch::mutedText.name()));
        auto* value = new QLabel(detay);
        value->setObjectName(QString::fromLatin1(name));
        value->setStyleSheet(QStringLiteral("font-size: 22px; font-weight: bold;"));
        value->setWordWrap(true);
        form->addWidget(key, row * 2, 0);
        form->addWidget(value, row * 2 + 1, 0);
        m_detail.insert(QString::fromLatin1(name), value);
        ++row;
    }
    form->setRowStretch(row * 2, 1);
    m_panel->addTab(detay, QStringLiteral("Detay"));

    auto* toplam = new QWidget;
    toplam->setObjectName(QStringLiteral("tsToplam"));
    auto* toplamLayout = new QVBoxLayout(toplam);
    auto* grd = new QTableWidget(0, 2, toplam);
    grd->setObjectName(QStringLiteral("grdToplam"));
    toplamLayout->addWidget(grd);
    m_panel->addTab(toplam, QStringLiteral("Toplam"));

    auto* extra = new QWidget;
    extra->setObjectName(QStringLiteral("tsExtra"));
    m_panel->addTab(extra, QStringLiteral("Extra"));

    auto* yonet = new QWidget;
    yonet->setObjectName(QStringLiteral("syonet"));
    auto* yonetLayout = new QVBoxLayout(yonet);
    m_dashboard = new DashboardPanel(yonet);
    yonetLayout->addWidget(m_dashboard, 1);
    auto* mgmt = new QGridLayout;
    int i = 0;
    for (const auto& [name, caption] : kManagementButtons) {
        QPushButton* b = addButton(QString::fromLatin1(name), QString::fromUtf8(caption));
        b->setParent(yonet);
        mgmt->addWidget(b, i / 2, i % 2);
        ++i;
    }
    yonetLayout->addLayout(mgmt);
    m_panel->addTab(yonet, QStringLiteral("Yönetim"));
    return m_panel;
}

QWidget* anamenu_frm::buildButtonBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlButonlar"));
    auto* grid = new QHBoxLayout(bar);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);
    for (const auto& [name, caption] : kServiceButtons) {
        QPushButton* b = addButton(QString::fromLatin1(name), QString::fromUtf8(caption));
        b->setParent(bar);
        b->setMinimumHeight(72);
        b->setMinimumWidth(120);
        grid->addWidget(b);
    }
    grid->addStretch(1);
    QPushButton* exportButton = addButton(QStringLiteral("btn20"), QStringLiteral("Custom.ini"));
    exportButton->setParent(bar);
    exportButton->hide();

    setButtonRole(m_buttons.value(QStringLiteral("btnYeniMasa")), ButtonRole::Primary);
    setButtonRole(m_buttons.value(QStringLiteral("btn5")), ButtonRole::Danger);
    connect(m_buttons.value(QStringLiteral("btnYeniMasa")), &QPushButton::clicked, this,
            &anamenu_frm::btnYeniMasaClick);
    connect(m_buttons.value(QStringLiteral("btnKilit")), &QPushButton::clicked, this,
            &anamenu_frm::btnKilitClick);
    connect(m_buttons.value(QStringLiteral("btn5")), &QPushButton::clicked, this,
            &anamenu_frm::btn5Click);
    connect(exportButton, &QPushButton::clicked, this, &anamenu_frm::btn20Click);
    connect(m_buttons.value(QStringLiteral("btnSelf")), &QPushButton::clicked, this,
            [this] { startCompanion(m_siteDir, QStringLiteral("self")); });
    connect(m_buttons.value(QStringLiteral("btnDestek")), &QPushButton::clicked, this,
            [this] { startCompanion(m_siteDir, QStringLiteral("AlpemixCMX")); });
    return bar;
}

QPushButton* anamenu_frm::addButton(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumHeight(touch::targetSize + 8);
    b->hide();
    m_buttons.insert(name, b);
    return b;
}

// --- showing -------------------------------------------------------------------------------

void anamenu_frm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &anamenu_frm::FormShow);
}

void anamenu_frm::FormShow()
{
    guarded([this] {
        m_panel->setCurrentIndex(0);
        m_gridTexts = readGridTexts(m_siteDir);
        QStringList halls = HallSettings::mapHalls(m_db);
        m_halls->clear();
        m_halls->addItems(halls);
        applyTerminalSettings();
        sendMonthlyMail(m_db, m_session, m_clock, m_siteDir);
        if (TerminalSettings::readFirstRow(m_db).ibmaktar && !m_store) {
            try {
                m_store = openStoreDatabase(m_db, m_siteDir);
            } catch (const DbError&) {
                m_ui.tell(QStringLiteral("IBM Sunucu Baglantı Hatası"));
            }
        }
    });
    showSession();
    sayfa();
}

void anamenu_frm::applyTerminalSettings()
{
    const TerminalSettings t = TerminalSettings::read(m_db, m_session.lblpcadi);
    const MainScreenLayout layout = layoutFor(t, m_halls->count(), m_session.lblpcadi);
    setAutoAnswerMs(layout.autoAnswerMs);
    m_buttons.value(QStringLiteral("btn1"))->setText(layout.paymentButtonCaption);
    m_columns = layout.mapColumns;
    m_problem = layout.problem;
    m_fields.value(QStringLiteral("edtkolon"))
        ->setText(m_columns ? QString::number(*m_columns) : QString());

    // Functions of this build; the others join as their screens are added.
    const QSet<QString> available = {
        QStringLiteral("btnYeniMasa"), QStringLiteral("btnKilit"), QStringLiteral("btn5"),
        QStringLiteral("tsPos"), QStringLiteral("syonet"), QStringLiteral("tsDetay")};
    auto shown = [&](const QString& name) {
        bool ok = available.contains(name);
        if (name == QLatin1String("btnSelf"))
            ok = !companionProgram(m_siteDir, QStringLiteral("self")).isEmpty();
        if (name == QLatin1String("btnDestek"))
            ok = !companionProgram(m_siteDir, QStringLiteral("AlpemixCMX")).isEmpty();
        return ok && layout.visible.value(name, true);
    };
    for (auto it = m_buttons.begin(); it != m_buttons.end(); ++it)
        it.value()->setVisible(it.key() != QLatin1String("btn20") && shown(it.key()));
    for (QWidget* page : {m_panel->findChild<QWidget*>(QStringLiteral("tsToplam")),
                          m_panel->findChild<QWidget*>(QStringLiteral("tsExtra")),
                          m_panel->findChild<QWidget*>(QStringLiteral("syonet"))})
        m_panel->setTabVisible(m_panel->indexOf(page), shown(page->objectName()));
    const bool posTab = shown(QStringLiteral("tsPos"));
    const bool favTab = shown(QStringLiteral("tsHizliSatis"));
    m_nav->setTabVisible(0, posTab);
    m_nav->setTabVisible(1, favTab);
    m_nav->setVisible((posTab || favTab) && layout.visible.value(QStringLiteral("navBar"), true));
}

void anamenu_frm::showSession()
{
    m_fields.value(QStringLiteral("pos_ed"))->setText(m_session.pos_ed);
    m_fields.value(QStringLiteral("masano"))->setText(m_session.masano);
    m_fields.value(QStringLiteral("cash_ed"))->setText(m_session.cash_ed);
    m_fields.value(QStringLiteral("islemyapan"))
        ->setText(m_session.islemyapan == QLatin1String("1") ? QString() : m_session.islemyapan);
    m_fields.value(QStringLiteral("tarih"))
        ->setText(QLocale(QLocale::Turkish).toString(m_session.tarih, QLocale::ShortFormat));
    m_fields.value(QStringLiteral("adi_ed"))->setText(m_session.adi_ed);
    m_fields.value(QStringLiteral("cari_ed"))->setText(m_session.cari_ed);
    m_fields.value(QStringLiteral("edtmasa"))->setText(m_session.edtmasa);
    m_fields.value(QStringLiteral("edtumasa"))->setText(m_session.edtumasa);
    m_clientLabel->setText(m_session.lblpcadi);
    for (int i = 0; i < m_halls->count(); ++i) {
        QListWidgetItem* item = m_halls->item(i);
        item->setSelected(item->text() == m_session.pos_ed);
    }
}

void anamenu_frm::showSelectedTable()
{
    const MapCell* cell = nullptr;
    const QString code = m_session.masano.trimmed();
    for (const MapCell& c : m_map.cells) {
        if (!c.newTableCell && !code.isEmpty() && c.code.trimmed() == code)
            cell = &c;
    }
    m_grid->setSelectedCode(cell ? cell->code : QString());
    auto set = [&](const char* name, const QString& text) {
        m_detail.value(QString::fromLatin1(name))->setText(text);
    };
    set("lblMasa", cell ? cell->code : QString());
    set("lblMasaAdi", cell ? cell->masaadi : QString());
    set("lblGarson", cell && cell->occupied ? cell->waiter : QString());
    QString state;
    if (cell) {
        if (cell->blocked)
            state = QStringLiteral("Blokeli");
        else if (!cell->occupied)
            state = QStringLiteral("Boş");
        else if (cell->icon == TableIcon::Unsent)
            state = QStringLiteral("Gönderilmemiş sipariş var");
        else if (cell->icon == TableIcon::Printed)
            state = QStringLiteral("Adisyon yazıldı");
        else
            state = QStringLiteral("Açık");
    }
    set("lblDurum", state);
    set("lblTutar", cell && cell->occupied ? money(cell->subtotal) : QString());
}

// --- map and timer -------------------------------------------------------------------------

void anamenu_frm::sayfa()
{
    m_timer->stop();
    guarded([this] {
        m_map = ostrima::sayfa(m_db, m_session, m_clock, m_columns);
        // What the terminal's settings lack says more than what the map could not do.
        if (!m_problem.isEmpty())
            m_map.problem = m_problem;
        if (m_map.problem.isEmpty() && m_map.cells.empty())
            m_map.problem = m_gridTexts.noData;
        m_grid->setMap(m_map);
        showSelectedTable();
        m_banner->setText(mainCaption(m_db, m_session, m_clock));
        setWindowTitle(m_banner->text());
    });
    showSession();
    startTimer();
}

void anamenu_frm::masa_yenile() { sayfa(); }

void anamenu_frm::startTimer()
{
    if (!m_exit && isVisible())
        m_timer->start();
}

void anamenu_frm::refreshTick()
{
    guarded([this] {
        const TerminalSettings t = TerminalSettings::read(m_db, m_session.lblpcadi);
        if (t.yonetim) {
            Dashboard d = readDashboard(m_db);
            m_dashboard->setDashboard(d);
        }
        showMessages();
    });
    sayfa();
}

void anamenu_frm::showMessages()
{
    const auto message = firstMessage(m_db);
    if (!message) {
        if (m_shownMessage != 0)
            m_alert->hide();
        m_shownMessage = 0;
        return;
    }
    if (message->id == m_shownMessage && m_alert->isVisible())
        return;
    m_shownMessage = message->id;
    m_alert->showAlert(messageHtml(*message), 0, true);
}

// --- actions -------------------------------------------------------------------------------

template <typename Action>
void anamenu_frm::guarded(Action action)
{
    try {
        action();
    } catch (const UserError& e) {
        m_ui.tell(e.text());
    } catch (const DbError& e) {
        m_ui.tell(e.text());
    }
}

void anamenu_frm::lstPosClick(const QString& hall)
{
    m_timer->stop(); // no rebuild under an open prompt; the next map rebuild restarts it
    guarded([&] { m_tables.selectHall(hall); });
    masa_yenile();
}

void anamenu_frm::gridClickCell(const QString& cellText)
{
    m_timer->stop();
    TableClick result = TableClick::Nothing;
    guarded([&] { result = m_tables.gridClickCell(cellText); });
    showSession();
    showSelectedTable();
    switch (result) {
    case TableClick::NewTableRequested:
        newTable();
        return;
    case TableClick::OpenOrderScreen:
        openOrderScreen();
        return;
    case TableClick::ShowCheck:
        m_panel->setCurrentIndex(0);
        startTimer();
        return;
    default:
        masa_yenile();
        return;
    }
}

void anamenu_frm::gridDblClickCell()
{
    m_timer->stop();
    TableClick result = TableClick::Nothing;
    guarded([&] { result = m_tables.gridDblClickCell(); });
    if (result == TableClick::OpenOrderScreen)
        openOrderScreen();
    else
        masa_yenile();
}

void anamenu_frm::openOrderScreen()
{
    // The order screen is opened here once it is part of the program; until then the table
    // stays selected with its cover and guests written.
    masa_yenile();
}

void anamenu_frm::btnYeniMasaClick() { newTable(); }

void anamenu_frm::newTable()
{
    m_timer->stop();
    bool allowed = false;
    guarded([&] { allowed = m_tables.canCreateTables(m_session.pos_ed); });
    if (!allowed || !m_newTableScreen) {
        masa_yenile();
        return;
    }
    if (m_newTableScreen->exec() == QDialog::Accepted) {
        const QString code = m_newTableScreen->createdCode();
        TableClick result = TableClick::Nothing;
        guarded([&] { result = m_tables.openNewTable(code); });
        if (result == TableClick::OpenOrderScreen) {
            openOrderScreen();
            return;
        }
    }
    masa_yenile();
}

void anamenu_frm::btnKilitClick()
{
    m_timer->stop();
    guarded([this] { m_tables.lock(); });
    masa_yenile();
}

void anamenu_frm::btn5Click()
{
    TaskDialog d;
    d.title = QStringLiteral("DIKKAT");
    d.instruction = QStringLiteral(" Programı Kapatmak İstiyor musunuz ? ");
    d.content = QStringLiteral("Program Kapatılıyor");
    d.expandedText = QStringLiteral("Devam Etmek İçin Onaylayınız");
    d.buttons = {QStringLiteral("Programdan Çıkış"), QStringLiteral("İşlemi İptal Et")};
    d.defaultButton = 0;
    m_timer->stop();
    if (m_ui.ask(d) != 100) {
        startTimer();
        return;
    }
    m_exit = true;
    m_alert->hide();
    done(QDialog::Accepted);
}

void anamenu_frm::btn20Click()
{
    guarded([this] {
        const QList<QWidget*> screens =
            m_captionScreens ? m_captionScreens() : QList<QWidget*>{this};
        exportCaptions(screens, QDir(m_siteDir).filePath(QStringLiteral("Custom.ini")));
    });
}

void anamenu_frm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_enters.press()) {
            // The master-code prompt of the third Enter; the terminal settings screen it
            // leads to joins the program with the settings screens.
            m_timer->stop();
            m_masterCodeGiven = isMasterCode(m_ui.prompt(3456));
            startTimer();
        }
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void anamenu_frm::reject()
{
    // Esc and the window manager's close do not end the main screen; "Çıkış" does.
}

void anamenu_frm::closeEvent(QCloseEvent* event)
{
    if (!m_exit)
        event->ignore();
}
