// A parked window whose program stops answering: showing or hiding it would
// wait for that program, so the companion must neither freeze nor lose it.
#include <thread>

#include "corvel_fixture.h"

namespace e2e {
namespace {

// A target window on a thread of its own, which the test can block the way a
// hung program blocks: no message of that window is handled until Unblock.
class HungTarget {
  public:
    HungTarget() {
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(ready_, 10000);
    }
    ~HungTarget() {
        SetEvent(quit_);
        SetEvent(unblock_);
        thread_.join();
        for (HANDLE e : {ready_, block_, unblock_, quit_}) CloseHandle(e);
    }
    HungTarget(const HungTarget&) = delete;
    HungTarget& operator=(const HungTarget&) = delete;

    const TargetWindow& Window() const { return *window_; }
    void Block() {
        SetEvent(block_);
        WaitForSingleObject(ready_, 10000);
    }
    void Unblock() { SetEvent(unblock_); }

  private:
    void Run() {
        TargetWindow window(L"hung");
        window_ = &window;
        SetEvent(ready_);
        HANDLE waits[] = {quit_, block_};
        while (true) {
            DWORD r = MsgWaitForMultipleObjects(2, waits, FALSE, INFINITE, QS_ALLINPUT);
            if (r == WAIT_OBJECT_0) break;
            if (r == WAIT_OBJECT_0 + 1) {
                SetEvent(ready_);
                WaitForSingleObject(unblock_, INFINITE);
                continue;
            }
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        window.Destroy();
    }

    HANDLE ready_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE block_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE unblock_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE quit_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    TargetWindow* window_ = nullptr;
    std::thread thread_;
};

class CorvelHungTarget : public CorvelTest {};

// The icon goes and the companion ends at once; the window comes back as
// soon as its program answers again.
TEST_F(CorvelHungTarget, ReleaseWhileTheTargetHangsStillEnds) {
    HungTarget hung;
    const TargetWindow& target = hung.Window();
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    hung.Block();

    PostMessageW(corvel, kCorvelRelease, 964, 4649);
    EXPECT_TRUE(WaitForDelete(corvel));
    EXPECT_TRUE(corvel_.WaitExit()) << "the companion froze on its hung window";
    EXPECT_TRUE(target.Parked());
    EXPECT_EQ(ParkedValues().size(), 1u) << "the record stays while the window is not back";

    hung.Unblock();
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

// Clicks on the icon of a window that does not answer change nothing and
// leave the companion free to end.
TEST_F(CorvelHungTarget, ClicksOnAHungTargetLeaveTheIconWorking) {
    HungTarget hung;
    const TargetWindow& target = hung.Window();
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    tray_->Clear();
    hung.Block();

    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    PostMessageW(corvel, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForDelete(corvel));
    EXPECT_TRUE(corvel_.WaitExit()) << "the companion froze on its hung window";
    EXPECT_TRUE(FramesOf(corvel).empty()) << "the icon moved for a window that did not";
    EXPECT_TRUE(ParkedValues().empty()) << "nothing was hidden";

    hung.Unblock();
    PumpFor(300);
    EXPECT_TRUE(target.Shown());
}

}  // namespace
}  // namespace e2e
