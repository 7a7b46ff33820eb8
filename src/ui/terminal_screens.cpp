#include "ui/terminal_screens.h"

#include "app/login_frm.h"
#include "auth/sifresor_frm.h"
#include "service/anamenu_frm.h"
#include "service/yenimasa_frm.h"
#include "settings/lang_file.h"
#include "ui/captions.h"
#include "ui/widget_interaction.h"

namespace ostrima {

TerminalScreens::TerminalScreens(Db& db, Session& session, WidgetInteraction& ui,
                                 const Clock& clock, const QString& siteDir,
                                 const QString& clientId)
{
    m_anamenu = std::make_unique<anamenu_frm>(db, session, ui, clock, siteDir);
    ui.setWindow(m_anamenu.get());
    m_sifresor = std::make_unique<sifresor_frm>(db, session, m_anamenu.get());
    ui.setPromptHandler([this](int mode) {
        m_sifresor->setMode(mode);
        m_sifresor->exec();
        return m_sifresor->promptResult();
    });
    m_yenimasa = std::make_unique<yenimasa_frm>(m_anamenu->tables(), m_anamenu.get());
    if (const auto lang = LangFile::open(siteDir))
        applyLanguage(m_yenimasa.get(), *lang);
    m_anamenu->setNewTableScreen(m_yenimasa.get());
    m_login = std::make_unique<login_frm>(db, session, clientId);
    m_anamenu->setCaptionScreens([this] { return inCreationOrder(); });
}

TerminalScreens::~TerminalScreens()
{
    m_login.reset();
    m_yenimasa.reset();
    m_sifresor.reset();
    m_anamenu.reset();
}

QList<QWidget*> TerminalScreens::inCreationOrder() const
{
    return {m_anamenu.get(), m_sifresor.get(), m_yenimasa.get(), m_login.get()};
}

} // namespace ostrima
