#pragma once

#include <QDialog>
#include <QString>

#include "app/login.h"

class QLineEdit;
class QPushButton;

namespace ostrima {
class AlertWindow;
class Db;
struct Session;
} // namespace ostrima

// The login keypad. Accepted once a cashier's code matched (the Session then holds the
// user, hall and client number); rejected by "Close", after which the program ends.
class login_frm : public QDialog {
    Q_OBJECT
public:
    login_frm(ostrima::Db& db, ostrima::Session& session, QString clientId,
              QWidget* parent = nullptr);

    const ostrima::LoginResult& loginResult() const { return m_result; }
    ostrima::AlertWindow* alert() const { return m_alert; }

public slots:
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QString& key);
    void back();
    void clear();
    void giris();
    QPushButton* key(const QString& caption, const QString& objectName, const QString& role);

    ostrima::Db& m_db;
    ostrima::Session& m_session;
    QString m_clientId;
    ostrima::LoginResult m_result;
    QLineEdit* m_code = nullptr;
    ostrima::AlertWindow* m_alert = nullptr;
};
