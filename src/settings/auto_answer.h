#pragma once

#include <QtGlobal>

namespace ostrima {

// Count-down of a message dialog that answers itself with its default button. The dialog
// calls tick() from a timer every tickMs while it is open; the count starts at zero and
// grows by tickMs at each tick, and the dialog answers at the first tick whose count
// exceeds the time (5000 ms: the 26th tick). A time of 0 or less never answers.
class AutoAnswer {
public:
    static constexpr int tickMs = 200;

    explicit AutoAnswer(int timeMs) : m_timeMs(timeMs) {}

    bool enabled() const { return m_timeMs > 0; }
    // True once, at the tick at which the dialog is to answer; false before and after.
    bool tick();
    qint64 elapsedMs() const { return m_countMs; }

private:
    qint64 m_timeMs;
    qint64 m_countMs = 0;
    bool m_answered = false;
};

} // namespace ostrima
