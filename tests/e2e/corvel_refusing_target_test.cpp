// A target whose program will not stay hidden: the companion keeps trying,
// less and less often, and writes its record once.
#include "corvel_fixture.h"

namespace e2e {
namespace {

// Its program shows it again, minimized, after every hide, until it gives in.
class RefusingTarget : public TargetWindow {
  public:
    RefusingTarget() : TargetWindow(L"will not hide") {
        hides_ = 0;
        refusing_ = true;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static int Hides() { return hides_; }
    static void GiveIn() { refusing_ = false; }

  private:
    static constexpr UINT kShowAgain = WM_APP + 1;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_SHOWWINDOW && !wp) {
            ++hides_;
            if (refusing_) PostMessageW(hwnd, kShowAgain, 0, 0);
        }
        if (msg == kShowAgain) {
            if (refusing_) ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
            return 0;
        }
        return CallWindowProcW(previous_, hwnd, msg, wp, lp);
    }
    static inline WNDPROC previous_ = nullptr;
    static inline int hides_ = 0;
    static inline bool refusing_ = true;
};

class CorvelRefusingTarget : public CorvelTest {};

TEST_F(CorvelRefusingTarget, AHideThatDoesNotStickIsRetriedAtMostOnceASecond) {
    RefusingTarget target;
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    // The first few ticks hide it at once, then the pauses grow to a second.
    ASSERT_TRUE(WaitFor([] { return RefusingTarget::Hides() >= 6; })) << "no retry";
    ASSERT_EQ(ParkedValues().size(), 1u) << "recorded when it was first hidden";

    // Written once: taken away now, it is not written again on a retry.
    ClearParked();
    const int before = RefusingTarget::Hides();
    PumpFor(3000);
    const int retries = RefusingTarget::Hides() - before;
    EXPECT_GE(retries, 1) << "it stopped trying";
    EXPECT_LE(retries, 4) << "more than once a second";
    EXPECT_TRUE(ParkedValues().empty()) << "the record was written again";
    EXPECT_TRUE(corvel_.Running());

    RefusingTarget::GiveIn();
    EXPECT_TRUE(WaitFor([&] { return target.Parked(); })) << "not parked once it gives in";
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

}  // namespace
}  // namespace e2e
