#pragma once

#include <memory>

#include <QList>
#include <QString>

class QWidget;
class anamenu_frm;
class login_frm;
class sifresor_frm;
class yenimasa_frm;

namespace ostrima {

class Clock;
class Db;
class WidgetInteraction;
struct Session;

// The screens of a terminal, created once, in their fixed order, for the whole run: the
// main screen first (the application's main window), then the prompt, the new-table screen
// and the login. The program runs them; the caption export lists them.
class TerminalScreens {
public:
    TerminalScreens(Db& db, Session& session, WidgetInteraction& ui, const Clock& clock,
                    const QString& siteDir, const QString& clientId);
    ~TerminalScreens();

    anamenu_frm& anamenu() { return *m_anamenu; }
    sifresor_frm& sifresor() { return *m_sifresor; }
    yenimasa_frm& yenimasa() { return *m_yenimasa; }
    login_frm& login() { return *m_login; }

    // In creation order, for "Custom.ini".
    QList<QWidget*> inCreationOrder() const;

private:
    std::unique_ptr<anamenu_frm> m_anamenu;
    std::unique_ptr<sifresor_frm> m_sifresor;
    std::unique_ptr<yenimasa_frm> m_yenimasa;
    std::unique_ptr<login_frm> m_login;
};

} // namespace ostrima
