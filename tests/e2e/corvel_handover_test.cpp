// The whole road: Vitrane's tray key over a window starts its Corvel, and
// Shift with the tray key over the shown window takes it back.
#include "corvel_fixture.h"
#include "vitrane_fixture.h"

namespace e2e {
namespace {

constexpr WORD kTrayKey = VK_F9;

class CorvelHandover : public VitraneTest {
  protected:
    // Corvel's icon adds seen so far (Vitrane's own icon is in the same tray).
    std::vector<TrayEvent> CorvelAdds() const {
        std::vector<TrayEvent> adds;
        for (const auto& e : tray_->EventsOfOp(NIM_ADD))
            if (ClassOf(e.Owner) == kCorvelClass) adds.push_back(e);
        return adds;
    }

    // Holds the tray key (with Shift if asked) over the window until `done`.
    bool PressTrayKeyOver(HWND window, bool shift, const std::function<bool()>& done) {
        RECT r{};
        GetWindowRect(window, &r);
        MoveCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PumpFor(50);
        if (shift) KeyDown(VK_SHIFT);
        KeyDown(kTrayKey);
        bool ok = WaitFor(done);
        PumpFor(300);  // held on: every tick looks again
        KeyUp(kTrayKey);
        if (shift) KeyUp(VK_SHIFT);
        PumpFor(50);
        return ok;
    }
};

TEST_F(CorvelHandover, TrayKeyParksAndShiftTrayKeyReleases) {
    WriteSetting(L"USE_CORVEL", std::to_wstring(kTrayKey));
    TargetWindow target(L"handed over");
    ASSERT_NE(StartVitrane(), nullptr);

    ASSERT_TRUE(PressTrayKeyOver(target.Hwnd(), false, [&] { return !CorvelAdds().empty(); }))
        << "the tray key started no companion";
    HWND corvel = CorvelAdds()[0].Owner;
    EXPECT_EQ(WindowText(corvel), L"Corvel-" + target.HandleText());
    EXPECT_EQ(CorvelAdds().size(), 1u) << "one companion, however long the key is held";
    EXPECT_EQ(CorvelAdds()[0].Tip, L"handed over");
    EXPECT_TRUE(target.Shown());

    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return target.Parked(); }));
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return target.Shown(); }));

    DWORD pid = 0;
    GetWindowThreadProcessId(corvel, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(PressTrayKeyOver(target.Hwnd(), true, [&] {
        return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    })) << "Shift + tray key did not end the companion";
    CloseHandle(process);
    EXPECT_FALSE(tray_->EventsOf(corvel, NIM_DELETE).empty());
    EXPECT_TRUE(target.Shown());
    EXPECT_TRUE(vitrane_.Running());
}

}  // namespace
}  // namespace e2e
