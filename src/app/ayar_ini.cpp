#include "app/ayar_ini.h"

#include <QDir>
#include <QFile>
#include <QList>

#include "data/db_error.h"

namespace ostrima {

AyarIni AyarIni::parse(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    auto line = [&](int i) {
        if (i >= lines.size())
            return QString();
        QByteArray l = lines[i];
        if (l.endsWith('\r'))
            l.chop(1);
        return QString::fromUtf8(l);
    };
    AyarIni ini;
    // Blanks around a name are never part of it; the cut comes first, as the file is read.
    ini.server = line(0).left(30).trimmed();
    ini.database = line(1).left(20).trimmed();
    return ini;
}

AyarIni AyarIni::read(const QString& siteDir)
{
    QFile f(QDir(siteDir).filePath(QStringLiteral("ayar.INI")));
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("File %1  BULUNAMADI").arg(QStringLiteral("ayar.INI")));
    return parse(f.readAll());
}

} // namespace ostrima
