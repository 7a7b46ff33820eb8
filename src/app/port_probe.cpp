#include "app/port_probe.h"

#include <sys/stat.h>

#include <QFile>
#include <QSerialPort>

#include "data/db.h"

namespace ostrima {

QStringList hallPrinterPorts(Db& db)
{
    QStringList ports;
    Query q = db.exec(QStringLiteral("select which_port from Q_Admin"));
    while (q.next())
        ports << q.text(QStringLiteral("which_port"));
    return ports;
}

namespace {

QString devicePath(const QString& port)
{
    const QString name = port.trimmed();
    return name.startsWith(u'/') ? name : QStringLiteral("/dev/") + name;
}

} // namespace

bool isSerialDevice(const QString& port)
{
    const QString name = port.trimmed();
    if (name.isEmpty() || name.contains(QLatin1String("://")))
        return false;
    struct stat st {};
    const QByteArray path = QFile::encodeName(devicePath(name));
    return ::stat(path.constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

void probeSerialPorts(const QStringList& ports)
{
    for (const QString& port : ports) {
        if (!isSerialDevice(port))
            continue;
        QSerialPort serial;
        serial.setPortName(devicePath(port));
        serial.setBaudRate(QSerialPort::Baud9600);
        serial.setDataBits(QSerialPort::Data8);
        serial.setParity(QSerialPort::NoParity);
        serial.setStopBits(QSerialPort::OneStop);
        serial.setFlowControl(QSerialPort::NoFlowControl);
        if (!serial.open(QIODevice::ReadWrite))
            continue;
        serial.setDataTerminalReady(false);
        serial.setRequestToSend(false);
        serial.close();
    }
}

} // namespace ostrima
