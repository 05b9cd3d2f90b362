#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "companion/parking_rules.h"

namespace {

using companion::Event;
using companion::ParkingRules;
using companion::TargetSeen;
using companion::Task;
using companion::Tasks;

constexpr TargetSeen kShown{true, false, true};
constexpr TargetSeen kMinimized{true, true, true};  // minimized, still on screen
constexpr TargetSeen kParked{true, true, false};    // minimized and hidden
constexpr TargetSeen kGone{false, false, false};

struct Step {
    Event event;
    TargetSeen target = kShown;
};

const Tasks kEnd{Task::GiveBack, Task::StopWatching, Task::DeleteIcon, Task::Quit};
const Tasks kEndClosingMenu{Task::GiveBack, Task::StopWatching, Task::CloseMenu, Task::DeleteIcon,
                            Task::Quit};

// What the window has fed in before, in order.
const std::vector<Step> kIcon{{Event::IconAdded}};
const std::vector<Step> kMenuOpen{{Event::IconAdded}, {Event::IconRightClicked}};
const std::vector<Step> kParking{{Event::IconAdded}, {Event::IconClicked}};  // not yet handled
const std::vector<Step> kHiddenByWatch{{Event::IconAdded},
                                       {Event::Tick, kMinimized},
                                       {Event::Hiding},
                                       {Event::Hidden},
                                       {Event::Handled}};
const std::vector<Step> kEnded{{Event::IconAdded}, {Event::Closed}};

std::string Names(const Tasks& tasks) {
    static const char* const names[] = {"BringBack", "Park",          "Hide",      "OpenMenu",
                                        "Sink",      "ShowMinimized", "Record",    "Forget",
                                        "GiveBack",  "StopWatching",  "CloseMenu", "DeleteIcon",
                                        "Quit",      "Stop"};
    std::string text;
    for (Task a : tasks) text += std::string(names[static_cast<int>(a)]) + " ";
    return text;
}

TEST(CompanionRules, EachEventInItsStateGivesTheseTasks) {
    struct Case {
        const char* what;
        std::vector<Step> before;
        Step event;
        Tasks expected;
    } cases[] = {
        // The user's requests.
        {"a click parks a shown window", kIcon, {Event::IconClicked, kShown}, {Task::Park}},
        {"a click brings back a parked one",
         kIcon,
         {Event::IconClicked, kParked},
         {Task::BringBack}},
        {"only the minimized bit decides",
         kIcon,
         {Event::IconClicked, kMinimized},
         {Task::BringBack}},
        {"a right click opens the menu", kIcon, {Event::IconRightClicked}, {Task::OpenMenu}},
        {"the release message gives back and ends", kIcon, {Event::ReleaseAsked}, kEnd},
        {"a click while another is handled is passed on", kParking, {Event::IconClicked}, {}},
        {"a release while the menu is open is passed on", kMenuOpen, {Event::ReleaseAsked}, {}},
        {"a click while the menu is open is passed on", kMenuOpen, {Event::IconClicked}, {}},
        {"once handled, the next click acts",
         {{Event::IconAdded}, {Event::IconClicked}, {Event::Handled}},
         {Event::IconClicked, kParked},
         {Task::BringBack}},
        {"the watchdog's hide holds the user's requests back",
         {{Event::IconAdded}, {Event::Tick, kMinimized}},
         {Event::IconClicked, kMinimized},
         {}},
        // The menu's answers.
        {"表示", kMenuOpen, {Event::MenuShow}, {Task::BringBack}},
        {"隠す", kMenuOpen, {Event::MenuPark}, {Task::Park}},
        {"トレイからはずす", kMenuOpen, {Event::MenuTakeOut}, kEnd},
        {"nothing chosen", kMenuOpen, {Event::MenuDismissed}, {}},
        {"a choice after an ending does nothing",
         {{Event::IconAdded}, {Event::IconRightClicked}, {Event::SessionEnding}},
         {Event::MenuShow},
         {}},
        // Endings.
        {"WM_CLOSE", kIcon, {Event::Closed}, kEnd},
        {"the session's end", kIcon, {Event::SessionEnding}, kEnd},
        {"an ending closes an open menu", kMenuOpen, {Event::Closed}, kEndClosingMenu},
        {"an ending while a click is handled", kParking, {Event::SessionEnding}, kEnd},
        {"the loop's end gives back without a quit",
         kIcon,
         {Event::LoopEnded},
         {Task::GiveBack, Task::StopWatching, Task::DeleteIcon}},
        {"a second ending does nothing", kEnded, {Event::SessionEnding}, {}},
        {"the loop's end after an ending", kEnded, {Event::LoopEnded}, {}},
        {"a release after an ending", kEnded, {Event::ReleaseAsked}, {}},
        {"a click after an ending", kEnded, {Event::IconClicked, kParked}, {}},
        {"a tick after an ending", kEnded, {Event::Tick, kGone}, {}},
        // The watchdog.
        {"a target that is gone ends the companion", kIcon, {Event::Tick, kGone}, kEnd},
        {"a minimized target is hidden", kIcon, {Event::Tick, kMinimized}, {Task::Hide}},
        {"a parked target: the icon sinks", kIcon, {Event::Tick, kParked}, {Task::Sink}},
        {"a shown target: nothing", kIcon, {Event::Tick, kShown}, {}},
        {"shown by its own program: the record goes",
         kHiddenByWatch,
         {Event::Tick, kShown},
         {Task::Forget}},
        {"its own program shows it again later: nothing more",
         {{Event::IconAdded},
          {Event::Tick, kMinimized},
          {Event::Hiding},
          {Event::Handled},
          {Event::Tick, kShown}},
         {Event::Tick, kShown},
         {}},
        // The icon: a window is hidden only while its icon is there.
        {"no icon yet: a minimized target stays as it is", {}, {Event::Tick, kMinimized}, {}},
        {"no icon yet: a click does not park", {}, {Event::IconClicked, kShown}, {}},
        {"no icon: 隠す does not park",
         {{Event::IconAdded}, {Event::IconRightClicked}, {Event::IconLost, kShown}},
         {Event::MenuPark},
         {}},
        {"no icon: a parked window is still brought back",
         {},
         {Event::IconClicked, kParked},
         {Task::BringBack}},
        {"the icon back: a minimized target is hidden",
         {{Event::IconAdded}, {Event::IconLost, kShown}, {Event::IconAdded}},
         {Event::Tick, kMinimized},
         {Task::Hide}},
        {"icon lost while parked: shown minimized, the record goes",
         kHiddenByWatch,
         {Event::IconLost, kParked},
         {Task::ShowMinimized, Task::Forget}},
        {"icon lost while shown: nothing", kIcon, {Event::IconLost, kShown}, {}},
        {"icon lost, then the target minimized: left on screen",
         {{Event::IconAdded}, {Event::IconLost, kShown}},
         {Event::Tick, kMinimized},
         {}},
        {"icon given up: given back and ended", {}, {Event::IconGivenUp}, kEnd},
        {"icon given up after an ending", kEnded, {Event::IconGivenUp}, {}},
        {"icon lost in the middle of a hide",
         {{Event::IconAdded},
          {Event::Tick, kMinimized},
          {Event::Hiding},
          {Event::IconLost, kMinimized}},
         {Event::Hidden},
         {Task::ShowMinimized}},
        // The window's reports.
        {"the first hide is recorded",
         {{Event::IconAdded}, {Event::Tick, kMinimized}},
         {Event::Hiding},
         {Task::Record}},
        {"a hide of a recorded window writes nothing",
         {{Event::IconAdded}, {Event::Tick, kMinimized}, {Event::Hiding}},
         {Event::Hiding},
         {}},
        {"hidden with the icon there: it sinks",
         {{Event::IconAdded}, {Event::Tick, kMinimized}, {Event::Hiding}},
         {Event::Hidden},
         {Task::Sink}},
        {"back: the record goes", kHiddenByWatch, {Event::TargetBack}, {Task::Forget}},
        {"back without a record: nothing", kIcon, {Event::TargetBack}, {}},
        {"not back and hidden: recorded again",
         {{Event::IconAdded}, {Event::Tick, kMinimized}, {Event::Hiding}, {Event::TargetBack}},
         {Event::TargetNotBack, kParked},
         {Task::Record}},
        {"not back, still recorded: nothing", kHiddenByWatch, {Event::TargetNotBack, kParked}, {}},
        {"not back but on screen: nothing", kIcon, {Event::TargetNotBack, kShown}, {}},
        {"a call returns: go on", kIcon, {Event::CallReturned}, {}},
        {"a call returns after an ending: stop", kEnded, {Event::CallReturned}, {Task::Stop}},
        {"a call on the target returns: go on", kIcon, {Event::TargetCallReturned}, {}},
        {"a call on the target returns after an ending: give back again",
         kEnded,
         {Event::TargetCallReturned},
         {Task::GiveBack, Task::Stop}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParkingRules rules;
        for (const auto& step : c.before) rules.On(step.event, step.target);
        Tasks got = rules.On(c.event.event, c.event.target);
        EXPECT_EQ(got, c.expected) << Names(got);
    }
}

// A target whose program shows it again a few milliseconds after every
// hide, looked at on every millisecond for ten seconds.
TEST(CompanionRules, AHideThatDoesNotStickIsRetriedLessAndLessOften) {
    ParkingRules rules;
    rules.On(Event::IconAdded);
    std::vector<uint32_t> hides;
    int records = 0;
    const uint32_t start = 0xFFFFF000u;  // the clock wraps on the way
    for (uint32_t ms = 0; ms < 10000; ++ms) {
        const bool hiddenStill = !hides.empty() && ms - hides.back() < 5;
        Tasks tasks = rules.On(Event::Tick, hiddenStill ? kParked : kMinimized, start + ms);
        if (hiddenStill) {
            EXPECT_EQ(tasks, Tasks{Task::Sink}) << Names(tasks);
            continue;
        }
        if (tasks.empty()) continue;
        ASSERT_EQ(tasks, Tasks{Task::Hide}) << Names(tasks);
        hides.push_back(ms);
        for (Task a : rules.On(Event::Hiding)) records += a == Task::Record;
        EXPECT_EQ(rules.On(Event::Hidden), Tasks{Task::Sink});
        rules.On(Event::Handled);
    }
    EXPECT_EQ(records, 1) << "the record is written once, not per hide";
    ASSERT_GE(hides.size(), 10u) << "it keeps trying";
    EXPECT_LE(hides.size(), 20u) << "about once a second after the first few";
    EXPECT_EQ(hides[0], 0u);
    EXPECT_EQ(hides[1], 5u) << "hidden again as soon as it is back, the first few times";
    EXPECT_EQ(hides[2], 10u);
    for (size_t i = 3; i < hides.size(); ++i) {
        uint32_t gap = hides[i] - hides[i - 1];
        EXPECT_GE(gap, hides[i - 1] - hides[i - 2]) << "the gaps never shrink";
        EXPECT_LE(gap, 1000u) << "at most a second";
    }
    EXPECT_EQ(hides.back() - hides[hides.size() - 2], 1000u) << "once a second in the end";
}

// Restored in between (by the user or its program), a window minimized again
// is hidden at the next look, however often it was tried before.
TEST(CompanionRules, ARestoredWindowIsHiddenAtOnceWhenMinimizedAgain) {
    ParkingRules rules;
    rules.On(Event::IconAdded);
    for (uint32_t ms : {0u, 1u, 2u}) {
        EXPECT_EQ(rules.On(Event::Tick, kMinimized, ms), Tasks{Task::Hide}) << ms;
        rules.On(Event::Handled);
    }
    EXPECT_TRUE(rules.On(Event::Tick, kMinimized, 3).empty()) << "the pause begins";
    EXPECT_TRUE(rules.On(Event::Tick, kShown, 4).empty());
    EXPECT_EQ(rules.On(Event::Tick, kMinimized, 5), Tasks{Task::Hide});
}

}  // namespace
