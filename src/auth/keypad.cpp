#include "auth/keypad.h"

namespace ostrima {

namespace {
const QString kZero = QStringLiteral("0");
const QString kPoint = QStringLiteral(".");
} // namespace

QString keypadPress(const QString& code, const QString& key, int limit)
{
    QString result = code.isEmpty() ? kZero : code;
    if (key.isEmpty())
        return result;
    if (key == kPoint && result.endsWith(QLatin1Char(',')))
        return result;
    if (result == kZero) {
        if (key == kZero)
            return result;
        if (key != kPoint)
            result.clear();
    }
    if (result.size() < limit)
        result += key.left(limit - result.size());
    return result;
}

QString keypadBack(const QString& code)
{
    if (code.isEmpty() || code == kZero)
        return kZero;
    QString result = code.chopped(1);
    return result.isEmpty() ? kZero : result;
}

} // namespace ostrima
