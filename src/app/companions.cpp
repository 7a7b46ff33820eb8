#include "app/companions.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace ostrima {

QStringList startCompanions(const QString& siteDir)
{
    QStringList started;
    const QDir dir(siteDir);
    for (const QString& name : {QStringLiteral("pda"), QStringLiteral("zedirovi")}) {
        for (const QString& file : QStringList{name, name + QStringLiteral(".exe")}) {
            const QFileInfo program(dir.filePath(file));
            if (!program.isFile() || !program.isExecutable())
                continue;
            if (QProcess::startDetached(program.absoluteFilePath(), {}, dir.absolutePath()))
                started << program.absoluteFilePath();
            break;
        }
    }
    return started;
}

} // namespace ostrima
