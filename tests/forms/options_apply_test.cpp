// "<<<設定>>>" on the main window: the dialog runs modally with the polling
// stopped, then every setting is read again and applied, whatever closed it.
// The version dialog shown by the main window itself.
#include "common/dpi.h"
#include "common/window_helpers.h"
#include "core/tray_menu.h"
#include "main_window_fixture.h"
#include "settings/options_dialog.h"
#include "settings/options_layout.h"

namespace forms {
namespace {

using settings::Key;

class OptionsApply : public MainWindowTest {};

TEST_F(OptionsApply, CancelWritesOnlyTheRateAndAppliesTheStore) {
    auto& window = Load();
    // Changed behind the program's back: the re-apply picks it up all the same.
    store_.Write(Key::UseAlpha, L"65");
    store_.Write(Key::UseCpuMon, L"1");
    store_.Write(Key::CpuTime, L"250");
    store_.Write(Key::CpuCol1, L"ff");
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::ClipText, L"one");
    store_.Write(Key::UseSmoothAlpha, L"1");
    size_t before = store_.Writes().size();
    bool pollingDuring = true;
    Choose([&](settings::OptionsDialog& d) {
        pollingDuring = window.Polling();
        Press(d, settings::kOptionsCancel);
    });
    EXPECT_FALSE(pollingDuring) << "no hotkey polling while the dialog is open";
    EXPECT_TRUE(window.Polling());
    ASSERT_EQ(store_.Writes().size(), before + 1);
    EXPECT_EQ(store_.Writes().back(), Key::Alpha);
    EXPECT_EQ(store_.Read(Key::Alpha), L"4");
    EXPECT_EQ(window.Settings().Hotkeys.AlphaKey, 65);
    EXPECT_TRUE(window.Graph().Enabled());
    EXPECT_EQ(window.Graph().Interval(), 250);
    EXPECT_EQ(window.Graph().DrawColour(), 0x0000FFu);
    EXPECT_TRUE(window.Menu().ClipVisible());
    EXPECT_EQ(Texts(window.Clips().Handle()),
              (std::vector<std::wstring>{L"one", L"-", L"－－追加－－"}));
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Armed);
}

TEST_F(OptionsApply, OkAppliesWhatTheDialogStored) {
    store_.Write(Key::UseCpuMon, L"1");
    store_.Write(Key::UseSmoothAlpha, L"1");
    auto& window = Load();
    HICON staticIcon = window.Tray().Icon();
    window.Graph().OnGraphTick();  // the graph takes the icon over
    Choose([&](settings::OptionsDialog& d) {
        SendMessageW(d.Control(settings::kAlphaKeyList), CB_SETCURSEL, 10, 0);  // F10
        SendMessageW(d.Control(settings::kRateList), CB_SETCURSEL, 7, 0);
        SendMessageW(d.Control(settings::kCpuCheck), BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(d.Control(settings::kSmoothFadeCheck), BM_SETCHECK, BST_UNCHECKED, 0);
        Press(d, settings::kOptionsOK);
    });
    EXPECT_EQ(window.Settings().Hotkeys.AlphaKey, 121);
    EXPECT_EQ(window.Settings().AlphaIndex, 7);
    auto rates = Items(window.Menu().RateMenu());
    for (size_t i = 0; i < rates.size(); ++i) EXPECT_EQ(rates[i].Checked, i == 7) << i;
    EXPECT_FALSE(window.Graph().Enabled());
    EXPECT_EQ(window.Tray().Icon(), staticIcon) << "the static icon is back";
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Off);
    // The dialog writes the twelve keys, the re-apply the rate once more.
    auto w = store_.Writes();
    ASSERT_GE(w.size(), 13u);
    EXPECT_EQ(w.back(), Key::Alpha);
    EXPECT_EQ(w[w.size() - 2], Key::CpuCol2);
}

TEST_F(OptionsApply, UnusableValuesLeaveTargetsOrSwitchOff) {
    store_.Write(Key::UseCpuMon, L"1");
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::UseSmoothAlpha, L"1");
    store_.Write(Key::Alpha, L"6");
    store_.Write(Key::CpuTime, L"300");
    store_.Write(Key::CpuCol2, L"0000FF");
    auto& window = Load();
    for (auto [key, text] : {std::pair{Key::UseAlpha, L"x"},
                             {Key::Alpha, L"9"},
                             {Key::UseCpuMon, L"on"},
                             {Key::UseClipboard, L""},
                             {Key::UseSmoothAlpha, L"?"},
                             {Key::CpuTime, L"abc"},
                             {Key::CpuCol1, L"zz"},
                             {Key::CpuCol2, L"1000000"}})
        store_.Write(key, text);
    Choose([&](settings::OptionsDialog& d) { Press(d, settings::kOptionsCancel); });
    EXPECT_EQ(window.Settings().Hotkeys.AlphaKey, 122);
    EXPECT_EQ(window.Settings().AlphaIndex, 6);
    EXPECT_EQ(store_.Read(Key::Alpha), L"6") << "the rate in force is written back";
    EXPECT_FALSE(window.Graph().Enabled());
    EXPECT_FALSE(window.Menu().ClipVisible());
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Off);
    EXPECT_EQ(window.Graph().Interval(), 300);
    EXPECT_EQ(window.Graph().DrawColour(), 0x00FF00u);
    EXPECT_EQ(window.Graph().BackColour(), 0x0000FFu);
}

TEST_F(OptionsApply, ChoosingItAgainBringsTheOpenDialogForward) {
    auto& window = Load();
    int dialogs = 0;
    Choose([&](settings::OptionsDialog& d) {
        window.OpenOptions();  // returns at once: one dialog at a time
        for (HWND w = FindWindowW(settings::kOptionsClassName, nullptr); w;
             w = FindWindowExW(nullptr, w, settings::kOptionsClassName, nullptr))
            ++dialogs;
        EXPECT_EQ(window.Options(), &d);
        Press(d, settings::kOptionsCancel);
    });
    EXPECT_EQ(dialogs, 1);
}

TEST_F(OptionsApply, MenuChangesWhileItIsOpenAreTakenUpByTheDialog) {
    // A rate picked and a clip text added from the tray menu meanwhile show in
    // the dialog's controls, so OK keeps them; Cancel writes nothing, as ever.
    for (bool ok : {true, false}) {
        store_.Write(Key::Alpha, L"4");
        store_.Write(Key::UseClipboard, L"1");
        store_.Write(Key::ClipText, L"\r\na");
        auto& window = Load();
        int rateShown = -1;
        std::wstring clipShown;
        BoxScript box{L"b"};
        Choose([&](settings::OptionsDialog& d) {
            SetWindowTextW(d.Control(settings::kClipEdit), L"\r\na\r\nc");  // typed meanwhile
            SendMessageW(window.hwnd(), WM_COMMAND, core::kMenuRateFirst + 7, 0);
            AnswerNextBox(box);
            SendMessageW(window.hwnd(), WM_COMMAND, clip::kClipAddCommand, 0);
            rateShown =
                static_cast<int>(SendMessageW(d.Control(settings::kRateList), CB_GETCURSEL, 0, 0));
            clipShown = e2e::WindowText(d.Control(settings::kClipEdit));
            Press(d, ok ? settings::kOptionsOK : settings::kOptionsCancel);
        });
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(rateShown, 7);
        EXPECT_EQ(clipShown, L"\r\na\r\nc\r\nb");
        EXPECT_EQ(store_.Read(Key::Alpha), L"7") << ok;
        EXPECT_EQ(window.Settings().AlphaIndex, 7) << ok;
        auto rates = Items(window.Menu().RateMenu());
        for (size_t i = 0; i < rates.size(); ++i) EXPECT_EQ(rates[i].Checked, i == 7) << i;
        // OK stores the box as shown; Cancel leaves the list the add stored.
        std::wstring clips = ok ? L"\r\na\r\nc\r\nb" : L"\r\na\r\nb";
        EXPECT_EQ(store_.Read(Key::ClipText), clips) << ok;
        EXPECT_EQ(Texts(window.Clips().Handle()).size(), ok ? 5u : 4u) << ok;
        window_.reset();
    }
}

class VersionWindow : public MainWindowTest {};

TEST_F(VersionWindow, FadesInWithThePollingOffAndOkHidesIt) {
    auto& window = Load();
    window.ShowVersion();
    HWND w = window.hwnd();
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(window.Polling());
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    wchar_t buf[128] = L"";
    GetWindowTextW(GetDlgItem(w, core::kVersionLabel), buf, 128);
    EXPECT_EQ(std::wstring(buf), L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
    GetWindowTextW(GetDlgItem(w, core::kVersionTitle), buf, 128);
    EXPECT_EQ(std::wstring(buf), L"ウィンドウ透過ツール　(Win2000・XP専用)");
    GetWindowTextW(GetDlgItem(w, core::kVersionOK), buf, 128);
    EXPECT_EQ(std::wstring(buf), L"OK");
    RECT client{};
    GetClientRect(w, &client);
    int dpi = common::WindowDpi(w);
    EXPECT_EQ(client.right, common::TwipsToPixels(4080, dpi));
    EXPECT_EQ(client.bottom, common::TwipsToPixels(1410, dpi));
    SendMessageW(GetDlgItem(w, core::kVersionOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_TRUE(window.Polling());
    // The close box does the same, and the next opening fades in again.
    window.ShowVersion();
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_TRUE(window.Polling());
    EXPECT_TRUE(IsWindow(w));
}

TEST_F(VersionWindow, ADpiChangeLaysItOutAgainInTheSuggestedRectangle) {
    auto& window = Load();
    window.ShowVersion();
    HWND w = window.hwnd();
    for (int dpi : {2 * common::WindowDpi(w), 120, 96}) {
        SIZE outer = common::WindowSizeForClient(
            common::TwipsToPixels(4080, dpi), common::TwipsToPixels(1410, dpi),
            static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)),
            static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)), dpi);
        RECT suggested{40, 30, 40 + outer.cx, 30 + outer.cy};
        SendMessageW(w, common::kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT r{};
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, suggested.left) << dpi;
        EXPECT_EQ(r.top, suggested.top) << dpi;
        EXPECT_EQ(r.right, suggested.right) << dpi;
        EXPECT_EQ(r.bottom, suggested.bottom) << dpi;
        for (auto [id, twips] :
             {std::pair{int{core::kVersionOK}, common::TwipsRect{2640, 960, 1305, 345}},
              {core::kVersionIcon, {210, 180, 540, 540}},
              {core::kVersionLabel, {2160, 480, 1785, 225}}}) {
            HWND ctl = GetDlgItem(w, id);
            RECT c{};
            GetWindowRect(ctl, &c);
            MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&c), 2);
            common::PixelRect px = common::TwipsToPixels(twips, dpi);
            EXPECT_EQ((common::PixelRect{c.left, c.top, c.right - c.left, c.bottom - c.top}), px)
                << "control " << id << " at " << dpi;
        }
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(
                       SendMessageW(GetDlgItem(w, core::kVersionOK), WM_GETFONT, 0, 0)),
                   sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, -MulDiv(9, dpi, 72)) << dpi;
    }
    SendMessageW(GetDlgItem(w, core::kVersionOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(w));
}

}  // namespace
}  // namespace forms
