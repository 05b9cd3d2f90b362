// The main window's texts by the stored language: the tray menu, its clip
// submenu, the tooltip and the version dialog; a change made in the options
// dialog shows once the dialog closes.
#include "core/tray_menu.h"
#include "main_window_fixture.h"
#include "settings/options_dialog.h"
#include "settings/options_layout.h"

namespace forms {
namespace {

using settings::Key;
using Strings = std::vector<std::wstring>;

const Strings kJapaneseRoot = {L"クリップ", L"-",          L"透過率", L"すべて元に戻す",
                               L"-",        L"<<<設定>>>", L"-",      L"バージョン情報",
                               L"-",        L"終了"};
const Strings kEnglishRoot = {
    L"&Clip texts", L"-", L"&Transparency", L"&Restore all", L"-", L"&Settings\u2026", L"-",
    L"&About",      L"-", L"E&xit"};
const std::wstring kJapaneseTip =
    L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           2CPU搭載";
const std::wstring kEnglishTip = L"Window transparency tool\r\nVersion 1.40.00\r\nProcessors: 2";

class MainWindowLanguage : public MainWindowTest {
  protected:
    void ExpectTexts(core::MainWindow& window, const Strings& root, const wchar_t* add,
                     const std::wstring& tip, const wchar_t* label) {
        EXPECT_EQ(Texts(window.Menu().Root()), root);
        EXPECT_EQ(Texts(window.Clips().Handle()), (Strings{L"-", add}));
        EXPECT_EQ(Texts(window.Menu().RateMenu()).front(), L"90%");
        wchar_t tipNow[128] = L"";
        lstrcpynW(tipNow, tray_->Events().back().Tip.c_str(), 128);
        EXPECT_EQ(std::wstring(tipNow), tip) << "the tray's last word";
        EXPECT_EQ(window.VersionLabel(), label);
    }
};

TEST_F(MainWindowLanguage, StoredLanguageChoosesTheTexts) {
    struct Case {
        const wchar_t* stored;
        bool english;
    } cases[] = {{nullptr, false}, {L"ja", false}, {L"en", true}, {L"fr", false}, {L"En", false}};
    for (const auto& c : cases) {
        store_ = settings::MemoryStore{};
        store_.Write(Key::UseClipboard, L"1");
        if (c.stored) store_.Write(Key::Language, c.stored);
        tray_->Clear();
        auto& window = Load();
        SCOPED_TRACE(testing::Message() << (c.stored ? c.stored : L"(nothing)"));
        ASSERT_EQ(tray_->EventsOfOp(NIM_ADD).size(), 1u);
        EXPECT_EQ(tray_->EventsOfOp(NIM_MODIFY).size(), 0u) << "added with its tooltip at once";
        if (c.english) {
            ExpectTexts(window, kEnglishRoot, L"-- &Add --", kEnglishTip, L"Version 1.40.00");
            EXPECT_EQ(e2e::WindowText(window.hwnd()), L"About Vitrane");
        } else {
            ExpectTexts(window, kJapaneseRoot, L"－－追加－－", kJapaneseTip, L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
            EXPECT_EQ(e2e::WindowText(window.hwnd()), L"バージョン情報");
        }
        window_.reset();
    }
}

TEST_F(MainWindowLanguage, AChangeShowsWhenTheDialogClosesAndTheDialogKeepsTheOldOne) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::Alpha, L"6");
    auto& window = Load();
    std::wstring caption;
    Choose([&](settings::OptionsDialog& d) {
        caption = e2e::WindowText(d.hwnd());
        SendMessageW(d.Control(settings::kLanguageList), CB_SETCURSEL, 1, 0);  // English
        Press(d, settings::kOptionsOK);
    });
    EXPECT_EQ(caption, L"設定　　--ウィンドウ透過ツール--") << "shown in the language in force";
    EXPECT_EQ(store_.Read(Key::Language), L"en");
    EXPECT_EQ(window.Settings().Language, common::Language::English);
    ExpectTexts(window, kEnglishRoot, L"-- &Add --", kEnglishTip, L"Version 1.40.00");
    auto rates = Items(window.Menu().RateMenu());
    for (size_t i = 0; i < rates.size(); ++i) EXPECT_EQ(rates[i].Checked, i == 6) << i;

    // Shown as the version dialog: its controls in English too.
    window.ShowVersion();
    EXPECT_EQ(e2e::WindowText(GetDlgItem(window.hwnd(), core::kVersionTitle)),
              L"Window transparency tool");
    EXPECT_EQ(e2e::WindowText(GetDlgItem(window.hwnd(), core::kVersionLabel)), L"Version 1.40.00");
    window.HideVersion();

    // The next opening is in English; back to Japanese gives today's texts again.
    Choose([&](settings::OptionsDialog& d) {
        caption = e2e::WindowText(d.hwnd());
        SendMessageW(d.Control(settings::kLanguageList), CB_SETCURSEL, 0, 0);
        Press(d, settings::kOptionsOK);
    });
    EXPECT_EQ(caption, L"Settings - Window transparency tool");
    ExpectTexts(window, kJapaneseRoot, L"－－追加－－", kJapaneseTip, L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
    EXPECT_EQ(e2e::WindowText(GetDlgItem(window.hwnd(), core::kVersionTitle)),
              L"ウィンドウ透過ツール　(Win2000・XP専用)");
    EXPECT_EQ(e2e::WindowText(window.hwnd()), L"バージョン情報");
}

// What the clip input box showed; it is cancelled as soon as it is read, or
// whatever its title after ten seconds.
struct SeenBox {
    std::wstring prompt, ok, cancel;
    int ticks = 0;
};
SeenBox gBox;
void CALLBACK ReadEnglishBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Add a clip text");
    if (box) {
        gBox.prompt = e2e::WindowText(GetDlgItem(box, clip::kInputBoxPrompt));
        gBox.ok = e2e::WindowText(GetDlgItem(box, IDOK));
        gBox.cancel = e2e::WindowText(GetDlgItem(box, IDCANCEL));
    } else if (++gBox.ticks < 500) {
        return;
    } else {
        box = FindWindowW(L"#32770", nullptr);
    }
    KillTimer(nullptr, timer);
    if (box) PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(MainWindowLanguage, TheClipInputBoxSpeaksTheLanguage) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::Language, L"en");
    auto& window = Load();
    gBox = {};
    SetTimer(nullptr, 0, 20, &ReadEnglishBox);
    window.AddClip();
    EXPECT_EQ(gBox.prompt, L"Type the text to keep in the clip list.");
    EXPECT_EQ(gBox.ok, L"OK");
    EXPECT_EQ(gBox.cancel, L"Cancel");
    EXPECT_EQ(store_.Read(Key::ClipText), L"") << "cancelled: nothing stored";
}

TEST_F(MainWindowLanguage, TheGeneralOptionsAreCarriedIntoTheRunningSettings) {
    auto& window = Load();
    EXPECT_FALSE(window.Settings().TargetWhole);
    EXPECT_FALSE(window.Settings().RestoreOnExit);
    Choose([&](settings::OptionsDialog& d) {
        SendMessageW(d.Control(settings::kWholeWindowCheck), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(d.Control(settings::kRestoreOnExitCheck), BM_SETCHECK, BST_CHECKED, 0);
        Press(d, settings::kOptionsOK);
    });
    EXPECT_TRUE(window.Settings().TargetWhole);
    EXPECT_TRUE(window.Settings().RestoreOnExit);
    // Changed behind the program's back, an unusable value is the default.
    store_.Write(Key::TargetWhole, L"yes");
    Choose([&](settings::OptionsDialog& d) { Press(d, settings::kOptionsCancel); });
    EXPECT_FALSE(window.Settings().TargetWhole);
    EXPECT_TRUE(window.Settings().RestoreOnExit);
}

}  // namespace
}  // namespace forms
