#include "app/companions.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace ostrima {

QString companionProgram(const QString& siteDir, const QString& name)
{
    const QDir dir(siteDir);
    for (const QString& file : QStringList{name, name + QStringLiteral(".exe")}) {
        const QFileInfo program(dir.filePath(file));
        if (program.isFile() && program.isExecutable())
            return program.absoluteFilePath();
    }
    return {};
}

bool startCompanion(const QString& siteDir, const QString& name)
{
    const QString program = companionProgram(siteDir, name);
    return !program.isEmpty() &&
           QProcess::startDetached(program, {}, QDir(siteDir).absolutePath());
}

QStringList startCompanions(const QString& siteDir)
{
    QStringList started;
    for (const QString& name : {QStringLiteral("pda"), QStringLiteral("zedirovi")}) {
        if (startCompanion(siteDir, name))
            started << companionProgram(siteDir, name);
    }
    return started;
}

} // namespace ostrima
