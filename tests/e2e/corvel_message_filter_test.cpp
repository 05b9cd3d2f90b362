// Run with administrator rights, the companion must still hear Explorer and
// a Vitrane without them. Wine enforces no integrity levels: the companion's
// window is made here, with a stand-in for user32, to see what it lets
// through (which call each Windows gets is the message filter's own test).
#include <string>

#include "companion/parking_window.h"
#include "corvel_fixture.h"
#include "filter_recorder.h"

namespace e2e {
namespace {

TEST(CorvelMessageFilter, TheShellsRestartTheIconsClicksAndTheReleaseGetThrough) {
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    FakeTray tray;
    TargetWindow target(L"elevated");
    FilterRecorder recorder(FilterRecorder::Offers::WindowAndProcess);
    companion::ParkingWindow window(target.Hwnd(), std::stoi(target.HandleText()),
                                    common::kDefaultLanguage, &FilterRecorder::Find);
    ASSERT_TRUE(window.Open());
    const UINT restart = RegisterWindowMessageW(L"TaskbarCreated");
    std::vector<FilterRecorder::Call> expected;
    for (UINT message : {restart, kCorvelCallback, kCorvelRelease})
        expected.push_back({true, window.hwnd(), message, kAllow, true});
    EXPECT_EQ(recorder.Calls(), expected);
    window.TakeOut();
}

}  // namespace
}  // namespace e2e
