#pragma once

#include <QStringList>

namespace ostrima {

class Db;

// Every hall's printer port (`which_port` of each `Q_Admin` row, takeaway halls included),
// in the order the table gives them.
QStringList hallPrinterPorts(Db& db);

// Whether `port` names a serial device of this machine ("ttyUSB0" or "/dev/ttyUSB0"); printer
// outputs that are files or network addresses are not.
bool isSerialDevice(const QString& port);

// Opens each serial port in turn (9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control, DTR and RTS off) and closes it again, which settles receipt printers that wait
// for a line change. Anything else, and every failure, is passed over without a word.
void probeSerialPorts(const QStringList& ports);

} // namespace ostrima
