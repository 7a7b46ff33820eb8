#include "app/session.h"

namespace ostrima {

QString Session::actingUser() const
{
    const QString a = islemyapan.trimmed();
    if (a.isEmpty() || a == QLatin1String("1"))
        return cash_ed;
    return islemyapan;
}

} // namespace ostrima
