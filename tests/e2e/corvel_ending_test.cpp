#include "corvel_fixture.h"

namespace e2e {
namespace {

class CorvelEnding : public CorvelTest {};

TEST_F(CorvelEnding, OnlyTheExactReleaseMessageGivesTheTargetBack) {
    TargetWindow target(L"release");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    const std::pair<WPARAM, LPARAM> others[] = {{964, 4648}, {963, 4649}, {4649, 964}, {0, 0}};
    for (auto [wp, lp] : others) PostMessageW(corvel, kCorvelRelease, wp, lp);
    PostMessageW(corvel, WM_USER + 3, 964, 4649);
    PumpFor(500);
    EXPECT_TRUE(corvel_.Running());
    EXPECT_TRUE(target.Parked());
    EXPECT_TRUE(tray_->Events().empty());

    PostMessageW(corvel, kCorvelRelease, 964, 4649);
    EXPECT_TRUE(WaitForDelete(corvel));
    EXPECT_TRUE(corvel_.WaitExit());
    EXPECT_EQ(corvel_.ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
    EXPECT_TRUE(FramesOf(corvel).empty()) << "no animation on the way out";
    EXPECT_EQ(FindWindowW(nullptr, (L"Corvel-" + target.HandleText()).c_str()), nullptr);
}

TEST_F(CorvelEnding, DestroyedTargetDeletesTheIconAndEnds) {
    TargetWindow target(L"destroyed");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    target.Destroy();
    EXPECT_TRUE(WaitForDelete(corvel));
    EXPECT_TRUE(corvel_.WaitExit());
    EXPECT_EQ(tray_->EventsOf(corvel, NIM_DELETE).size(), 1u);
}

// Whatever asks the companion to end, a parked window is given back first.
TEST_F(CorvelEnding, CloseAndSessionEndRestoreAParkedTarget) {
    struct Case {
        const char* what;
        std::function<void(HWND)> ask;
    } cases[] = {
        {"WM_CLOSE", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }},
        {"WM_QUERYENDSESSION",
         [](HWND w) { EXPECT_NE(SendMessageW(w, WM_QUERYENDSESSION, 0, 0), 0); }},
        {"WM_ENDSESSION", [](HWND w) { SendMessageW(w, WM_ENDSESSION, TRUE, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tray_->Clear();
        TargetWindow target(L"ending");
        HWND corvel = StartCorvel(target);
        ASSERT_NE(corvel, nullptr);
        ParkByMinimize(target, corvel);
        c.ask(corvel);
        EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
        EXPECT_TRUE(WaitForDelete(corvel));
        EXPECT_TRUE(corvel_.WaitExit());
    }
}

// The shell's reply to each modify lets sent messages in: an end that arrives
// there must stop the animation, so nothing is sent after the delete.
TEST_F(CorvelEnding, SessionEndDuringAnAnimationStopsIt) {
    TargetWindow target(L"mid-animation");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    tray_->Clear();
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return !tray_->EventsOf(corvel, NIM_MODIFY).empty(); }));
    EXPECT_NE(SendMessageW(corvel, WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_TRUE(corvel_.WaitExit());
    std::vector<DWORD> ops;
    for (const auto& e : tray_->EventsOf(corvel)) ops.push_back(e.Op);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back(), static_cast<DWORD>(NIM_DELETE));
    EXPECT_LT(ops.size(), 5u) << "the animation went on";
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

TEST_F(CorvelEnding, EndSessionThatIsNotEndingLeavesEverything) {
    TargetWindow target(L"cancelled");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    SendMessageW(corvel, WM_ENDSESSION, FALSE, 0);
    PumpFor(300);
    EXPECT_TRUE(corvel_.Running());
    EXPECT_TRUE(target.Parked());
}

}  // namespace
}  // namespace e2e
