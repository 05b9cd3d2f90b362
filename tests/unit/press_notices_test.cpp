#include <gtest/gtest.h>

#include <string>

#include "effects/press_notices.h"

namespace {

using effects::PressKey;
using effects::PressNotices;

// A key's looks, one letter each: 'd' down, 'u' up, 'D' down and a failure
// that would be told; what is told, a '!' for each claim that succeeds.
std::string Told(const std::string& looks) {
    PressNotices presses;
    std::string told;
    for (char c : looks) {
        presses.Observe(PressKey::Alpha, c != 'u');
        told += c == 'D' && presses.Claim(PressKey::Alpha) ? '!' : '.';
    }
    return told;
}

TEST(PressNotices, OncePerPress) {
    struct Case {
        const char* looks;
        const char* told;
    } cases[] = {
        {"DDDD", "!..."},    // held: told at the first failing tick only
        {"dddD", "...!"},    // the effect fails later in the press
        {"DDuDD", "!..!."},  // let go and pressed again
        {"DuuuD", "!...!"}, {"uuDDDuD", "..!...!"}, {"dDdDuddD", ".!.....!"},
    };
    for (const auto& c : cases) EXPECT_EQ(Told(c.looks), c.told) << c.looks;
}

TEST(PressNotices, KeysAreApartAndNothingIsToldWhileUp) {
    PressNotices presses;
    presses.Observe(PressKey::Alpha, true);
    presses.Observe(PressKey::OnTop, true);
    EXPECT_TRUE(presses.Claim(PressKey::Alpha));
    EXPECT_TRUE(presses.Claim(PressKey::OnTop)) << "each key's press of its own";
    EXPECT_FALSE(presses.Claim(PressKey::Alpha));
    EXPECT_FALSE(presses.Claim(PressKey::Taskbar)) << "a key never seen down";
    presses.Observe(PressKey::TrayPark, false);
    EXPECT_FALSE(presses.Claim(PressKey::TrayPark));
    presses.Observe(PressKey::Alpha, false);
    EXPECT_FALSE(presses.Claim(PressKey::Alpha)) << "let go";
    presses.Observe(PressKey::Alpha, true);
    EXPECT_TRUE(presses.Claim(PressKey::Alpha));
    EXPECT_FALSE(presses.Claim(PressKey::OnTop)) << "the other key's press goes on";
}

}  // namespace
