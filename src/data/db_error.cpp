#include "data/db_error.h"

namespace ostrima {

DbError::DbError(const QString& text, const QString& statement)
    : std::runtime_error(text.toStdString()), m_text(text), m_statement(statement)
{
}

UserError::UserError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text)
{
}

} // namespace ostrima
