#pragma once

#include <QString>
#include <QStringList>

#include "auth/prompt_rules.h"

namespace ostrima {

class Db;
struct Session;

// The authorisation prompt: a keypad entry checked by its mode against the users and the
// current hall as they are in the database at the moment of OK. The screen and scripted
// sessions drive the same object; what a successful check grants is written to the Session.
class AuthPrompt {
public:
    static constexpr int kLimit = 15;    // characters the entry holds
    static constexpr int kAutoOk = 14;   // a code of this length (card, scanner) is taken at once

    AuthPrompt(Db& db, Session& session);

    // Opens the prompt in `mode` with a fresh "0"; throws std::invalid_argument for a mode
    // the prompt does not know.
    void show(int mode);
    void press(const QString& key);
    void back();
    void clear();
    void ok();
    // False (and nothing happens) when the mode cannot be cancelled.
    bool cancel();

    bool closed() const { return m_closed; }
    // The entry once closed by OK; "0" when cancelled or still open.
    QString result() const;
    int mode() const { return m_mode; }
    QString caption() const { return m_caption; }
    bool masked() const { return m_masked; }
    QString entry() const { return m_entry; }
    PromptFollowUp followUp() const { return m_followUp; }

    // Shows `mode` and types each entry in turn (clear, the characters, OK) until the prompt
    // closes; the result, or "0" after cancelling when the entries run out.
    QString runScripted(int mode, const QStringList& entries);

private:
    void apply(const PromptOutcome& outcome);

    Db& m_db;
    Session& m_session;
    int m_mode = 0;
    int m_shownMode = 0;
    QString m_entry = QStringLiteral("0");
    QString m_caption;
    bool m_masked = true;
    bool m_open = false;
    bool m_closed = false;
    bool m_cancelled = false;
    PromptFollowUp m_followUp = PromptFollowUp::None;
};

} // namespace ostrima
