#include "settings/auto_answer.h"

namespace ostrima {

bool AutoAnswer::tick()
{
    if (!enabled() || m_answered)
        return false;
    m_countMs += tickMs;
    m_answered = m_countMs > m_timeMs;
    return m_answered;
}

} // namespace ostrima
