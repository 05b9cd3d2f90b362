#include <utility>

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

// The system asks first and ends only when no program refused: the question
// alone changes nothing.
bool QueryEndSession(HWND corvel, const TargetWindow& target) {
    EXPECT_NE(SendMessageW(corvel, WM_QUERYENDSESSION, 0, 0), 0);
    PumpFor(300);
    EXPECT_TRUE(target.Parked()) << "given back on the question alone";
    return target.Parked();
}

// Whatever asks the companion to end, a parked window is given back first.
TEST_F(CorvelEnding, CloseQuitAndSessionEndRestoreAParkedTarget) {
    struct Case {
        const char* what;
        std::function<void(HWND, const TargetWindow&)> ask;
    } cases[] = {
        {"WM_CLOSE", [](HWND w, const TargetWindow&) { PostMessageW(w, WM_CLOSE, 0, 0); }},
        {"query, then the end",
         [](HWND w, const TargetWindow& t) {
             QueryEndSession(w, t);
             SendMessageW(w, WM_ENDSESSION, TRUE, 0);
         }},
        // A WM_QUIT from anyone ends the message loop without any handler.
        {"WM_QUIT to the thread",
         [](HWND w, const TargetWindow&) {
             PostThreadMessageW(GetWindowThreadProcessId(w, nullptr), WM_QUIT, 0, 0);
         }},
        {"WM_QUIT to the window",
         [](HWND w, const TargetWindow&) { PostMessageW(w, WM_QUIT, 0, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        tray_->Clear();
        TargetWindow target(L"ending");
        HWND corvel = StartCorvel(target);
        ASSERT_NE(corvel, nullptr);
        ParkByMinimize(target, corvel);
        c.ask(corvel, target);
        EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
        EXPECT_TRUE(WaitForDelete(corvel));
        EXPECT_TRUE(corvel_.WaitExit());
        EXPECT_TRUE(ParkedValues().empty()) << "the record outlived a normal end";
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
    SendMessageW(corvel, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(corvel_.WaitExit());
    std::vector<DWORD> ops;
    for (const auto& e : tray_->EventsOf(corvel)) ops.push_back(e.Op);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back(), static_cast<DWORD>(NIM_DELETE));
    EXPECT_LT(ops.size(), 5u) << "the animation went on";
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

// The user (or a program) cancelled the shutdown: the window stays parked and
// its icon goes on working.
TEST_F(CorvelEnding, CancelledSessionEndLeavesTheWindowParked) {
    TargetWindow target(L"cancelled");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    QueryEndSession(corvel, target);
    SendMessageW(corvel, WM_ENDSESSION, FALSE, 0);
    PumpFor(300);
    EXPECT_TRUE(corvel_.Running());
    EXPECT_TRUE(target.Parked());
    EXPECT_TRUE(tray_->EventsOf(corvel, NIM_DELETE).empty());

    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
    EXPECT_TRUE(WaitForFrames(corvel, {2, 3, 4, 5}));
}

// The target of a hide that is under way: when it is minimized, it has the
// session end sent to its companion, which is then waiting for it.
class EndingTarget : public TargetWindow {
  public:
    EndingTarget() : TargetWindow(L"ending mid-hide") {
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static inline HWND companion = nullptr;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_SIZE && wp == SIZE_MINIMIZED && companion) {
            HWND to = std::exchange(companion, nullptr);
            DWORD_PTR result = 0;
            SendMessageTimeoutW(to, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000, &result);
            SendMessageTimeoutW(to, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &result);
        }
        return CallWindowProcW(previous_, hwnd, msg, wp, lp);
    }
    static inline WNDPROC previous_ = nullptr;
};

TEST_F(CorvelEnding, SessionEndInTheMiddleOfAHideLeavesTheTargetShown) {
    EndingTarget target;
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    EndingTarget::companion = corvel;
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(corvel_.WaitExit());
    EXPECT_EQ(EndingTarget::companion, nullptr) << "the hide never reached the target";
    PumpFor(300);
    EXPECT_TRUE(target.Shown()) << "hidden after its companion had given it back";
    EXPECT_TRUE(ParkedValues().empty());
}

}  // namespace
}  // namespace e2e
