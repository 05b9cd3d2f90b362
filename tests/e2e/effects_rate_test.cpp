// Choosing the transparency rate from the tray menu.
#include "effects_fixture.h"

namespace e2e {
namespace {

class EffectsRate : public EffectsTest {};

TEST_F(EffectsRate, PickedRateIsStoredAndUsedByTheNextKey) {
    ASSERT_NE(StartVitrane(), nullptr);
    EffectsTarget before(0, L"made translucent before");
    ASSERT_TRUE(
        Hold(before.Free(), VK_F11, false, [&] { return LayeredAlpha(before.Hwnd()) == 128; }));

    // 透過率 is the first item with the clip menu off; its last item is 10%.
    ASSERT_TRUE(OpenTrayMenu());
    for (WORD vk : {VK_DOWN, VK_RIGHT, VK_END, VK_RETURN}) {
        Tap(vk);
        PumpFor(100);
    }
    EXPECT_TRUE(WaitFor([] { return ReadSetting(L"ALPHA") == L"8"; }, 5000));
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));

    EffectsTarget after(0, L"made translucent after");
    SetWindowPos(after.Hwnd(), nullptr, 300, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PumpFor(100);
    EXPECT_TRUE(
        Hold(after.Free(), VK_F11, false, [&] { return LayeredAlpha(after.Hwnd()) == 230; }));
    EXPECT_EQ(LayeredAlpha(before.Hwnd()), 128) << "windows made translucent before keep theirs";
}

}  // namespace
}  // namespace e2e
