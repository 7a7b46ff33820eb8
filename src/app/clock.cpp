#include "app/clock.h"

namespace ostrima {

namespace {
class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
} // namespace

QString Clock::timeText() const { return time().toString(QStringLiteral("HH:mm:ss")); }

const Clock& Clock::system()
{
    static const SystemClock clock;
    return clock;
}

} // namespace ostrima
