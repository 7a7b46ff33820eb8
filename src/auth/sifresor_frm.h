#pragma once

#include <memory>

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrima {
class AuthPrompt;
class Db;
struct Session;
} // namespace ostrima

// The authorisation prompt's keypad window ("Kod"). It shows what the AuthPrompt holds and
// passes every key, typed or touched, to it; the prompt decides.
class sifresor_frm : public QDialog {
    Q_OBJECT
public:
    sifresor_frm(ostrima::Db& db, ostrima::Session& session, QWidget* parent = nullptr);
    ~sifresor_frm() override;

    // Shows the prompt modally in `mode` and returns its result ("0": cancelled or refused).
    static QString ask(QWidget* parent, ostrima::Db& db, ostrima::Session& session, int mode);

    // Prepares a showing in `mode`; then open() or exec().
    void setMode(int mode);
    QString promptResult() const;
    ostrima::AuthPrompt& prompt() { return *m_prompt; }

public slots:
    void reject() override;
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Action>
    void run(Action action);
    void refresh();
    QPushButton* key(const QString& caption, const QString& objectName, const QString& role);

    std::unique_ptr<ostrima::AuthPrompt> m_prompt;
    QLabel* m_caption = nullptr;
    QLineEdit* m_entry = nullptr;
};
