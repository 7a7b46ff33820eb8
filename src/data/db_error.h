#pragma once

#include <stdexcept>

#include <QString>

namespace ostrima {

// A failure reported by the database, carrying the database's own text, which the
// screens show as it stands.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text, const QString& statement = {});
    const QString& text() const { return m_text; }
    const QString& statement() const { return m_statement; }

private:
    QString m_text;
    QString m_statement;
};

// A refusal in the system's own words ("File ayar.INI  BULUNAMADI", validation texts).
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& text);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace ostrima
