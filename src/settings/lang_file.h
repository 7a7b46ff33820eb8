#pragma once

#include <optional>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace ostrima {

// An INI text file of screen texts: "lang.ini" (read when a screen is created),
// "sorgu_ayar.ini" (grid texts) and the export "Custom.ini".
//
//   [section]
//   key=value
//
// Section and key names match without regard to letter case; blanks around a name and
// around a value are not part of it. Lines starting with ';' or '#' and lines without '='
// are ignored. Where a section or key occurs twice, the sections merge and the first value
// of a key counts. Values are taken as written, with three exceptions that let any text
// pass through a line of its own: a value enclosed in double quotes loses the quotes (so
// "  x " keeps its blanks), "\n" stands for a line break and "\\" for a backslash; any
// other backslash is kept as it is.
//
// Encoding: UTF-8 (a byte-order mark is allowed). A file whose bytes are not valid UTF-8
// is read as Windows-1254, the Turkish code page older editors save in.
class LangFile {
public:
    static LangFile parse(const QByteArray& content);
    // The file `fileName` in the site directory; empty when it does not exist or cannot be
    // read, so a screen simply keeps its own texts.
    static std::optional<LangFile> open(const QString& siteDir,
                                        const QString& fileName = QStringLiteral("lang.ini"));

    // Empty when the key is missing; an empty text when it is present without a value.
    std::optional<QString> value(const QString& section, const QString& key) const;
    bool isEmpty() const { return m_sections.isEmpty(); }

private:
    QHash<QString, QHash<QString, QString>> m_sections;
};

// Writes a file LangFile reads back to the same values, in UTF-8 with line feeds. Sections
// and keys keep the order of their first setValue; setting a key again replaces its value.
class LangFileWriter {
public:
    void setValue(const QString& section, const QString& key, const QString& value);
    QByteArray toUtf8() const;
    // Replaces the file as a whole (a failed write leaves the old file). Throws UserError
    // naming the file and the reason when it cannot be written.
    void save(const QString& filePath) const;

private:
    struct Entry {
        QString key, value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    QList<Section> m_sections;
};

// The text of an INI file's bytes: UTF-8 when valid, otherwise Windows-1254.
QString decodeIniText(const QByteArray& bytes);

} // namespace ostrima
