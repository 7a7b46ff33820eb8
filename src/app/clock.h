#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace ostrima {

// Now and today come from here, so tests can fix time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }
    // Time of day as the system stores it: "hh:nn:ss".
    QString timeText() const;

    static const Clock& system();
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(QDateTime at) { m_at = std::move(at); }

private:
    QDateTime m_at;
};

} // namespace ostrima
