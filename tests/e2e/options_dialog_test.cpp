// The options dialog of the real program: what it shows, what OK and Cancel
// store, and that the changes take effect at once.
#include "dialogs_fixture.h"
#include "settings/options_layout.h"

namespace e2e {
namespace {

using namespace settings;

class OptionsDialog : public DialogsTest {};

TEST_F(OptionsDialog, ShowsTheStoreAndCancelWritesOnlyTheRate) {
    WriteSetting(L"USE_ALPHA", L"65");  // no entry of the list has it
    WriteSetting(L"USE_ONTOP", L"27");
    WriteSetting(L"ALPHA", L"2");
    WriteSetting(L"USE_CPU_MON", L"1");
    WriteSetting(L"CLIP_TEXT", L"\r\nabc");
    WriteSetting(L"CPU_TIME", L"abc");
    WriteSetting(L"CPU_COL1", L"ff");
    ASSERT_NE(StartVitrane(), nullptr);
    HWND d = OpenOptions();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(WindowText(d), L"設定　　--ウィンドウ透過ツール--");
    EXPECT_EQ(GetWindow(d, GW_OWNER), main_)
        << "owned by the hidden main window: no taskbar button";
    const std::pair<int, const wchar_t*> shown[] = {
        {kAlphaKeyList, L"-使用しない-"},
        {kOnTopKeyList, L"ESC"},
        {kTaskbarKeyList, L"-使用しない-"},
        {kRateList, L"70%"},
        {kClipEdit, L"\r\nabc"},
        {kIntervalEdit, L"abc"},
        {kDrawColourEdit, L"ff"},
        {kBackColourEdit, L"000000"},
        {kHotkeyFrame, L"ホットキー"},
        {kTrayKeyHint, L"(＋Shiftでタスクトレイから取り出す)"},
        {kOptionsCancel, L"ｷｬﾝｾﾙ"},
        {kSmoothFadeCheck, L"マウス（センターボタン）によるスムース透過を使用する"},
    };
    for (auto [id, text] : shown) EXPECT_EQ(ItemText(d, id), text) << id;
    EXPECT_EQ(Send(d, kAlphaKeyList, CB_GETCURSEL), 0);
    EXPECT_EQ(Send(d, kAlphaKeyList, CB_GETCOUNT), 24);
    EXPECT_EQ(Send(d, kCpuCheck, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Send(d, kClipCheck, BM_GETCHECK), BST_UNCHECKED);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(OptionsClosed());
    EXPECT_TRUE(vitrane_.Running());
    EXPECT_EQ(ReadSetting(L"USE_ALPHA"), L"65");
    EXPECT_EQ(ReadSetting(L"CPU_COL1"), L"ff");
    EXPECT_EQ(ReadSetting(L"USE_SHOWTASK"), std::nullopt) << "Cancel stores nothing";
    EXPECT_EQ(ReadSetting(L"ALPHA"), L"2") << "the re-apply writes the rate in force";
}

TEST_F(OptionsDialog, OkStoresTheTwelveKeysAsEntered) {
    ASSERT_NE(StartVitrane(), nullptr);
    HWND d = OpenOptions();
    ASSERT_NE(d, nullptr);
    Tabs(4);  // OK, Cancel, rate, clip texts, drawing colour
    Type("ff");
    Tap(VK_RETURN);  // confirms it into the sample and stays in the field
    EXPECT_TRUE(IsWindowVisible(d)) << "Enter in a field presses no button";
    Tabs(1);
    Type("123");  // typed, never confirmed
    Tabs(1);
    Type("abc");
    PumpFor(200);
    EXPECT_EQ(ItemText(d, kDrawColourEdit), L"ff");
    EXPECT_EQ(ItemText(d, kBackColourEdit), L"123");
    EXPECT_EQ(ItemText(d, kIntervalEdit), L"abc");
    SendMessageW(GetDlgItem(d, kOptionsOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(OptionsClosed());
    const std::pair<const wchar_t*, const wchar_t*> stored[] = {
        {L"USE_ALPHA", L"122"}, {L"USE_ONTOP", L"123"},   {L"USE_SHOWTASK", L"0"},
        {L"USE_CORVEL", L"0"},  {L"ALPHA", L"4"},         {L"USE_SMS_ALPHA", L"0"},
        {L"USE_CPU_MON", L"0"}, {L"USE_CLIPBOARD", L"0"}, {L"CLIP_TEXT", L""},
        {L"CPU_TIME", L"abc"},  {L"CPU_COL1", L"0000FF"}, {L"CPU_COL2", L"000000"},
    };
    for (auto [key, value] : stored) EXPECT_EQ(ReadSetting(key), value) << Narrow(key);
    // The next opening shows what was stored.
    d = OpenOptions();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(ItemText(d, kDrawColourEdit), L"0000FF");
    EXPECT_EQ(ItemText(d, kIntervalEdit), L"abc");
    Tap(VK_ESCAPE);
    EXPECT_TRUE(OptionsClosed());
}

TEST_F(OptionsDialog, ANewHotkeyWorksAtOnceAndNoneWhileOpen) {
    HotkeyTarget first(20), second(220);
    ASSERT_NE(StartVitrane(), nullptr);
    HWND d = OpenOptions();
    ASSERT_NE(d, nullptr);
    first.PressOver(VK_F11);
    EXPECT_FALSE(first.Layered()) << "no hotkey acts while the dialog is open";
    Tabs(9);     // to the transparency key's list
    Tap(VK_UP);  // F11 -> F10
    PumpFor(200);
    EXPECT_EQ(ItemText(d, kAlphaKeyList), L"F10");
    SendMessageW(GetDlgItem(d, kOptionsOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(OptionsClosed());
    EXPECT_EQ(ReadSetting(L"USE_ALPHA"), L"121");
    second.PressOver(VK_F11);
    EXPECT_FALSE(second.Layered()) << "the old key no longer acts";
    first.PointAt();
    PumpFor(100);
    KeyDown(VK_F10);
    EXPECT_TRUE(WaitFor([&] { return first.Layered(); }, 5000)) << "the new key acts at once";
    KeyUp(VK_F10);
}

TEST_F(OptionsDialog, SwitchingTheGraphOffPutsTheStaticIconBack) {
    WriteSetting(L"USE_CPU_MON", L"1");
    WriteSetting(L"CPU_TIME", L"100");
    ASSERT_NE(StartVitrane(), nullptr);
    auto add = tray_->EventsOf(main_, NIM_ADD);
    ASSERT_FALSE(add.empty());
    ASSERT_TRUE(add.front().Icon.has_value());
    const std::vector<uint32_t> staticPixels = add.front().Icon->Colour;
    auto isStatic = [&](const TrayEvent& e) {
        return e.Op == NIM_MODIFY && e.Owner == main_ && e.Icon && e.Icon->Colour == staticPixels;
    };
    // Let the graph take the icon over first (its drawing is tested elsewhere).
    tray_->WaitForEvent(
        [&](const TrayEvent& e) { return e.Op == NIM_MODIFY && e.Owner == main_ && !isStatic(e); },
        3000);
    HWND d = OpenOptions();
    ASSERT_NE(d, nullptr);
    Tabs(7);  // to the CPU monitor's check box
    Tap(VK_SPACE);
    PumpFor(200);
    EXPECT_EQ(Send(d, kCpuCheck, BM_GETCHECK), BST_UNCHECKED);
    tray_->Clear();
    SendMessageW(GetDlgItem(d, kOptionsOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(OptionsClosed());
    EXPECT_TRUE(tray_->WaitForEvent(isStatic)) << "NIM_MODIFY with the static icon";
    size_t after = tray_->EventsOf(main_, NIM_MODIFY).size();
    PumpFor(500);
    EXPECT_EQ(tray_->EventsOf(main_, NIM_MODIFY).size(), after) << "the graph has stopped";
}

TEST_F(OptionsDialog, ChoosingItAgainBringsTheOpenOneForward) {
    ASSERT_NE(StartVitrane(), nullptr);
    HWND d = OpenOptions();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(Choose(2)) << "the tray menu opens while the dialog is open";
    PumpFor(500);
    EXPECT_EQ(WindowsOf(vitrane_.Pid(), kOptionsClass).size(), 1u);
    EXPECT_EQ(VisibleOptions(), d);
    SendMessageW(GetDlgItem(d, kOptionsCancel), BM_CLICK, 0, 0);
    EXPECT_TRUE(OptionsClosed());
    EXPECT_TRUE(vitrane_.Running());
    // On an empty store, Cancel leaves exactly one key behind: the re-apply's rate.
    EXPECT_TRUE(WaitFor([] { return ReadSetting(L"ALPHA") == L"4"; }, 5000));
    EXPECT_EQ(ReadSetting(L"USE_ALPHA"), std::nullopt);
    EXPECT_EQ(ReadSetting(L"CPU_TIME"), std::nullopt);
}

}  // namespace
}  // namespace e2e
