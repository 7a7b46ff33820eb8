#pragma once

#include <QByteArray>
#include <QString>

namespace ostrima {

// "ayar.INI" beside the program: line 1 the database server (first 30 characters), line 2
// the database name (first 20). It is read line by line, not as an INI file.
struct AyarIni {
    QString server;   // empty: the embedded database in the site directory
    QString database; // always replaces the built-in name, even when empty

    static AyarIni parse(const QByteArray& content);
    // Throws UserError "File ayar.INI  BULUNAMADI" when the file is missing.
    static AyarIni read(const QString& siteDir);
};

} // namespace ostrima
