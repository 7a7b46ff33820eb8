#include <gtest/gtest.h>

#include "settings/auto_answer.h"

using namespace ostrima;

namespace {

// The tick (from 1) at which the dialog answers, 0 when it does not within a long wait.
int answeringTick(int timeMs)
{
    AutoAnswer a(timeMs);
    int answeredAt = 0;
    for (int tick = 1; tick <= 10000; ++tick)
        if (a.tick()) {
            EXPECT_EQ(answeredAt, 0) << "answered twice";
            answeredAt = tick;
        }
    return answeredAt;
}

TEST(AutoAnswer, AnswersAtTheFirstTickPastTheTime)
{
    struct Case {
        int timeMs, tick;
    };
    for (const Case c : {Case{0, 0}, Case{-5, 0}, Case{200, 2}, Case{199, 1}, Case{5000, 26}})
        EXPECT_EQ(answeringTick(c.timeMs), c.tick) << c.timeMs;
}

} // namespace
