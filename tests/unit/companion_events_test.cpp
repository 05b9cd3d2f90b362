#include <gtest/gtest.h>

#include <vector>

#include "companion/message_actions.h"
#include "companion/tray_animation.h"

namespace {

using companion::Action;
using companion::ActionFor;

TEST(CompanionMessages, OnlyTheTableActs) {
    struct Case {
        uint32_t message;
        uintptr_t wParam;
        intptr_t lParam;
        Action action;
    } cases[] = {
        {1025, 0, 514, Action::Toggle},
        {1025, 7, 514, Action::Toggle},  // the icon id is not looked at
        {1025, 0, 517, Action::OpenMenu},
        {1025, 0, 513, Action::None},  // button down
        {1025, 0, 515, Action::None},  // double click: the two ups act instead
        {1025, 0, 512, Action::None},  // mouse move
        {1025, 0, 516, Action::None},
        {1026, 964, 4649, Action::Release},
        {1026, 964, 4648, Action::None},
        {1026, 963, 4649, Action::None},
        {1026, 4649, 964, Action::None},
        {1026, 0, 0, Action::None},
        {1024, 964, 4649, Action::None},
        {1027, 964, 4649, Action::None},
        {0x0202, 0, 0, Action::None},  // a real button-up on the window itself
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActionFor(c.message, c.wParam, c.lParam), c.action)
            << c.message << " " << c.wParam << " " << c.lParam;
    }
}

TEST(TrayAnimation, StartsOnlyFromItsOwnEndFrame) {
    using companion::Motion;
    auto frames = [](int shown, Motion m) {
        auto f = companion::AnimationFrames(shown, m);
        return std::vector<int>(f.begin(), f.end());
    };
    EXPECT_EQ(frames(1, Motion::Rise), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(frames(5, Motion::Sink), (std::vector<int>{4, 3, 2, 1}));
    for (int shown : {2, 3, 4, 5}) EXPECT_TRUE(frames(shown, Motion::Rise).empty()) << shown;
    for (int shown : {1, 2, 3, 4}) EXPECT_TRUE(frames(shown, Motion::Sink).empty()) << shown;
}

}  // namespace
