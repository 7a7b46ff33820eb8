#include "settings/client_id.h"

#include <QDir>
#include <QFile>

namespace ostrima {

namespace {

QString readFirstLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readLine()).trimmed();
}

bool isPhysicalDisk(const QString& name)
{
    static const QStringList virtualPrefixes = {QStringLiteral("loop"), QStringLiteral("ram"),
                                                QStringLiteral("zram"), QStringLiteral("sr"),
                                                QStringLiteral("dm-"), QStringLiteral("md"),
                                                QStringLiteral("nbd"), QStringLiteral("fd")};
    for (const auto& p : virtualPrefixes) {
        if (name.startsWith(p))
            return false;
    }
    return true;
}

} // namespace

QString machineClientId(const QString& sysRoot)
{
    const QDir root(sysRoot);
    QDir block(root.filePath(QStringLiteral("sys/block")));
    const QStringList disks = block.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const auto& disk : disks) {
        if (!isPhysicalDisk(disk))
            continue;
        for (const auto& file : {QStringLiteral("device/serial"), QStringLiteral("serial"),
                                 QStringLiteral("device/vpd_unit_serial")}) {
            const QString serial = readFirstLine(block.filePath(disk + QLatin1Char('/') + file));
            if (!serial.isEmpty())
                return serial;
        }
        break; // only the first disk counts
    }
    const QString machineId = readFirstLine(root.filePath(QStringLiteral("etc/machine-id")));
    if (!machineId.isEmpty())
        return machineId;
    return readFirstLine(root.filePath(QStringLiteral("var/lib/dbus/machine-id")));
}

} // namespace ostrima
