#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QHash>
#include <QString>

#include "service/hall_map.h"
#include "service/table_service.h"
#include "settings/grid_texts.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;
class yenimasa_frm;

namespace ostrima {
class AlertWindow;
class Clock;
class DashboardPanel;
class Db;
class HallMapView;
class WidgetInteraction;
struct Session;
} // namespace ostrima

// The main screen ("®"): the hall list, the live table map, the selected table and the
// function buttons. It shows the Session in controls of the same names (`pos_ed`,
// `masano`, `cash_ed`, `lblpcadi`, ...) and stays up, modal, from the login to "Çıkış".
// Every action calls the core; the screen only shows what comes back.
class anamenu_frm : public QDialog {
    Q_OBJECT
public:
    anamenu_frm(ostrima::Db& db, ostrima::Session& session, ostrima::WidgetInteraction& ui,
                const ostrima::Clock& clock, const QString& siteDir, QWidget* parent = nullptr);
    ~anamenu_frm() override;

    ostrima::TableService& tables() { return m_tables; }
    ostrima::HallMapView* grid() const { return m_grid; }
    QTimer* refreshTimer() const { return m_timer; }
    // The screens whose captions "Custom.ini" exports, in creation order (btn20).
    void setCaptionScreens(std::function<QList<QWidget*>()> screens);
    // The new-table screen, created once with the other screens.
    void setNewTableScreen(yenimasa_frm* screen) { m_newTableScreen = screen; }
    // Whether the master code was typed at the third Enter of this run.
    bool masterCodeGiven() const { return m_masterCodeGiven; }
    // Whether "Çıkış" was confirmed (the main screen then closes for good).
    bool exitConfirmed() const { return m_exit; }

    // Main-screen operations other screens use.
    void sayfa();       // map rebuild
    void masa_yenile(); // selected table and map

    // Handlers, public so that scripted sessions and tests drive what a finger does.
    void FormShow();
    void lstPosClick(const QString& hall);
    void gridClickCell(const QString& cellText);
    void gridDblClickCell();
    void btnYeniMasaClick();
    void btnKilitClick();
    void btn5Click();
    void btn20Click();
    void refreshTick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    void reject() override;

private:
    void buildScreen();
    QWidget* buildSessionBar();
    QWidget* buildCheckPanel();
    QWidget* buildButtonBar();
    QPushButton* addButton(const QString& name, const QString& caption);
    void applyTerminalSettings();
    void showSession();
    void showSelectedTable();
    void showMessages();
    void openOrderScreen();
    void newTable();
    void startTimer();
    template <typename Action>
    void guarded(Action action);

    ostrima::Db& m_db;
    ostrima::Session& m_session;
    ostrima::WidgetInteraction& m_ui;
    const ostrima::Clock& m_clock;
    QString m_siteDir;
    ostrima::TableService m_tables;
    ostrima::HallMap m_map;
    std::optional<int> m_columns;
    QString m_problem;
    ostrima::GridTexts m_gridTexts;
    std::unique_ptr<ostrima::Db> m_store; // back-office connection when `ibmaktar` is on
    ostrima::EnterCounter m_enters;
    std::function<QList<QWidget*>()> m_captionScreens;
    yenimasa_frm* m_newTableScreen = nullptr;
    bool m_masterCodeGiven = false;
    bool m_exit = false;
    qint64 m_shownMessage = 0;

    QTimer* m_timer = nullptr;
    QTabWidget* m_nav = nullptr;
    QListWidget* m_halls = nullptr;
    ostrima::HallMapView* m_grid = nullptr;
    QTabWidget* m_panel = nullptr;
    ostrima::DashboardPanel* m_dashboard = nullptr;
    ostrima::AlertWindow* m_alert = nullptr;
    QLabel* m_banner = nullptr;
    QHash<QString, QLineEdit*> m_fields;
    QHash<QString, QLabel*> m_detail;
    QHash<QString, QPushButton*> m_buttons;
    QLabel* m_clientLabel = nullptr;
};
