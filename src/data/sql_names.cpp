#include "data/sql_names.h"

#include <QSet>

#include "data/db_error.h"
#include "data/schema.h"

namespace ostrima {

namespace {

struct Token {
    enum Kind { Identifier, Other } kind;
    int start;
    int length;
};

bool isIdentStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// Splits the statement into identifier tokens and everything else; string literals, quoted
// identifiers, comments and :parameters are never identifiers.
QList<Token> tokenize(const QString& sql)
{
    QList<Token> tokens;
    const int n = sql.size();
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int start = i++;
            while (i < n) {
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.append({Token::Other, start, i - start});
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            const int start = i;
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
            tokens.append({Token::Other, start, i - start});
        } else if (c == QLatin1Char(':') && i + 1 < n && isIdentStart(sql[i + 1])) {
            const int start = i++;
            while (i < n && isIdentPart(sql[i]))
                ++i;
            tokens.append({Token::Other, start, i - start});
        } else if (isIdentStart(c)) {
            const int start = i;
            while (i < n && isIdentPart(sql[i]))
                ++i;
            tokens.append({Token::Identifier, start, i - start});
        } else if (c.isDigit()) {
            const int start = i;
            while (i < n && (isIdentPart(sql[i]) || sql[i] == QLatin1Char('.')))
                ++i;
            tokens.append({Token::Other, start, i - start});
        } else {
            tokens.append({Token::Other, i, 1});
            ++i;
        }
    }
    return tokens;
}

const QSet<QString>& keywords()
{
    static const QSet<QString> k = [] {
        QSet<QString> s;
        for (const char* w :
             {"select", "from", "where", "and", "or", "not", "null", "is", "in", "as", "on",
              "join", "left", "right", "inner", "outer", "cross", "order", "by", "group",
              "having", "limit", "offset", "insert", "into", "values", "update", "set",
              "delete", "case", "when", "then", "else", "end", "distinct", "between", "like",
              "asc", "desc", "returning", "union", "all", "exists", "create", "view", "table",
              "index", "drop", "if", "collate", "cast", "with", "default", "true", "false"})
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return k;
}

} // namespace

SqlNames::SqlNames(const Schema& schema)
{
    for (const auto& t : schema.tables) {
        QStringList cols;
        for (const auto& c : t.columns)
            cols << c.name;
        addTable(t.name, cols);
    }
    for (const auto& v : schema.views)
        addTable(v.name, v.columns);
}

void SqlNames::addTable(const QString& table, const QStringList& columns)
{
    const QString lowerTable = table.toLower();
    m_tables.insert(lowerTable, table);
    for (const auto& col : columns) {
        auto& spellings = m_columns[col.toLower()];
        bool found = false;
        for (auto& s : spellings) {
            if (s.spelling == col) {
                s.tables << lowerTable;
                found = true;
            }
        }
        if (!found)
            spellings.append({col, {lowerTable}});
    }
}

QString SqlNames::translate(const QString& sql, bool quote) const
{
    const QList<Token> tokens = tokenize(sql);
    auto word = [&](int i) { return sql.mid(tokens[i].start, tokens[i].length); };
    auto nextSignificant = [&](int i) {
        for (int j = i + 1; j < tokens.size(); ++j) {
            if (!sql.mid(tokens[j].start, tokens[j].length).trimmed().isEmpty())
                return j;
        }
        return -1;
    };
    auto prevSignificant = [&](int i) {
        for (int j = i - 1; j >= 0; --j) {
            if (!sql.mid(tokens[j].start, tokens[j].length).trimmed().isEmpty())
                return j;
        }
        return -1;
    };

    // First pass: the tables the statement names, and their aliases.
    QSet<QString> statementTables;
    QHash<QString, QString> aliases; // lower alias -> lower table
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Identifier)
            continue;
        const QString lower = word(i).toLower();
        if (!m_tables.contains(lower))
            continue;
        statementTables.insert(lower);
        int j = nextSignificant(i);
        if (j >= 0 && tokens[j].kind == Token::Identifier && word(j).toLower() == QLatin1String("as"))
            j = nextSignificant(j);
        if (j >= 0 && tokens[j].kind == Token::Identifier) {
            const QString alias = word(j).toLower();
            if (!keywords().contains(alias) && !m_tables.contains(alias) &&
                !m_columns.contains(alias))
                aliases.insert(alias, lower);
        }
    }

    QString out;
    out.reserve(sql.size() + 32);
    for (int i = 0; i < tokens.size(); ++i) {
        const QString w = word(i);
        if (tokens[i].kind != Token::Identifier) {
            out += w;
            continue;
        }
        const QString lower = w.toLower();
        const int next = nextSignificant(i);
        // A name followed by "(" is a function, except a table before its column list.
        const bool isCall = next >= 0 && word(next) == QLatin1String("(") &&
                            !m_tables.contains(lower);
        if (keywords().contains(lower) || isCall) {
            out += w;
            continue;
        }
        QString spelled;
        const int prev = prevSignificant(i);
        const bool qualified = prev >= 0 && word(prev) == QLatin1String(".");
        if (!qualified && m_tables.contains(lower)) {
            spelled = m_tables.value(lower);
        } else if (m_columns.contains(lower)) {
            const auto& spellings = m_columns[lower];
            QSet<QString> scope;
            if (qualified) {
                const int q = prevSignificant(prev);
                const QString qualifier = q >= 0 ? word(q).toLower() : QString();
                if (m_tables.contains(qualifier))
                    scope.insert(qualifier);
                else if (aliases.contains(qualifier))
                    scope.insert(aliases.value(qualifier));
            }
            if (scope.isEmpty())
                scope = statementTables;
            QStringList candidates;
            for (const auto& s : spellings) {
                bool inScope = false;
                for (const auto& t : s.tables)
                    inScope = inScope || scope.contains(t);
                if (inScope)
                    candidates << s.spelling;
            }
            if (candidates.size() == 1)
                spelled = candidates.first();
            else if (candidates.contains(w))
                spelled = w;
            else if (candidates.isEmpty() && spellings.size() == 1)
                spelled = spellings.first().spelling; // an alias named like a column
            else if (candidates.isEmpty())
                spelled = w;
            else
                throw DbError(QStringLiteral("Column %1 is ambiguous in: %2").arg(w, sql), sql);
        } else if (qualified && m_tables.contains(lower)) {
            spelled = m_tables.value(lower);
        } else {
            out += w;
            continue;
        }
        out += quote ? QLatin1Char('"') + spelled + QLatin1Char('"') : spelled;
    }
    return out;
}

} // namespace ostrima
