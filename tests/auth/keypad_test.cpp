#include <gtest/gtest.h>

#include "auth/keypad.h"

using namespace ostrima;

namespace {

struct PressCase {
    const char* code;
    const char* key;
    int limit;
    QString expected;
};

TEST(Keypad, PressFollowsTheZeroPointAndLimitRules)
{
    const QString full80(80, QLatin1Char('7'));
    const QString almost15(14, QLatin1Char('1'));
    const PressCase cases[] = {
        {"0", "0", 80, QStringLiteral("0")},
        {"0", ".", 80, QStringLiteral("0.")},
        {"0", "7", 80, QStringLiteral("7")},
        {"0", "A", 80, QStringLiteral("A")},
        {"0", "00", 15, QStringLiteral("00")},
        {"", "5", 80, QStringLiteral("5")},
        {"", "0", 80, QStringLiteral("0")},
        {"12,", ".", 15, QStringLiteral("12,")},
        {"12", ".", 15, QStringLiteral("12.")},
        {"7", "0", 80, QStringLiteral("70")},
        {"0.", "5", 15, QStringLiteral("0.5")},
    };
    for (const PressCase& c : cases)
        EXPECT_EQ(keypadPress(QString::fromUtf8(c.code), QString::fromUtf8(c.key), c.limit),
                  c.expected)
            << c.code << " + " << c.key;

    EXPECT_EQ(keypadPress(full80, QStringLiteral("1"), 80), full80); // the 81st is not taken
    EXPECT_EQ(keypadPress(almost15, QStringLiteral("00"), 15), almost15 + QStringLiteral("0"));
}

TEST(Keypad, BackRemovesTheLastCharacterDownToZero)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7", "0"}, {"0", "0"}, {"", "0"}, {"73", "7"}, {"0.", "0"}};
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(keypadBack(QString::fromUtf8(code)), QString::fromUtf8(expected)) << code;
}

} // namespace
