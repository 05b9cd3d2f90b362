// The texts of both programs by the stored LANGUAGE: English with "en",
// today's Japanese with "ja", with nothing and with anything else. Menus of
// another process cannot be read here: the English menus are driven by their
// mnemonics, which only they have, and their texts are read in-process.
#include "companion/companion_menu.h"
#include "corvel_fixture.h"
#include "dialogs_fixture.h"
#include "settings/options_layout.h"

namespace e2e {
namespace {

using namespace settings;

std::wstring Processors() {
    SYSTEM_INFO si{};
    GetSystemInfo(&si);
    return std::to_wstring(si.dwNumberOfProcessors);
}

class Languages : public DialogsTest {
  protected:
    HWND WarningBoxOf(const Process& p, const wchar_t* title) {
        HWND box = nullptr;
        WaitFor([&] { return (box = FindWindowOf(p.Pid(), nullptr, title)) != nullptr; });
        return box;
    }
    static bool HasChildText(HWND box, const std::wstring& text) {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (WindowText(child) == text) return true;
        return false;
    }
};

TEST_F(Languages, EnglishTooltipMenuDialogAndSecondStart) {
    WriteSetting(L"LANGUAGE", L"en");
    ASSERT_NE(StartVitrane(), nullptr);
    auto adds = tray_->EventsOf(main_, NIM_ADD);
    ASSERT_FALSE(adds.empty());
    EXPECT_EQ(adds[0].Tip,
              L"Window transparency tool\r\nVersion 1.40.00\r\nProcessors: " + Processors());

    ASSERT_TRUE(OpenTrayMenu());
    PumpFor(150);
    Tap('S');  // &Settings…
    HWND d = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (d = VisibleOptions()) != nullptr; }));
    PumpFor(300);
    EXPECT_EQ(WindowText(d), L"Settings - Window transparency tool");
    const std::pair<int, const wchar_t*> shown[] = {
        {kHotkeyFrame, L"Hotkeys"},
        {kTrayKeyHint, L"(+Shift: take it out again)"},
        {kTaskbarKeyList, L"-Not used-"},
        {kSmoothFadeCheck, L"Fade by hand with the middle mouse button"},
        {kOptionsCancel, L"Cancel"},
        {kLanguageLabel, L"Language"},
        {kLanguageList, L"English"},
    };
    for (auto [id, text] : shown) EXPECT_EQ(ItemText(d, id), text) << id;
    Tap(VK_ESCAPE);
    ASSERT_TRUE(OptionsClosed());

    Process second = Process::Start(ProgramPath(L"Vitrane.exe"));
    HWND box = WarningBoxOf(second, L"Warning");
    ASSERT_NE(box, nullptr) << "no English warning";
    EXPECT_TRUE(HasChildText(box, L"Vitrane is already running."));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitExit());

    ASSERT_TRUE(OpenTrayMenu());
    PumpFor(150);
    Tap('X');  // E&xit
    EXPECT_TRUE(vitrane_.WaitExit());
}

TEST_F(Languages, JapaneseNothingOrAnythingElseKeepsTodaysTexts) {
    for (const wchar_t* stored : {L"ja", L"", L"english", static_cast<const wchar_t*>(nullptr)}) {
        ClearSettings();
        if (stored) WriteSetting(L"LANGUAGE", stored);
        tray_->Clear();
        SCOPED_TRACE(stored ? Narrow(stored) : "(nothing)");
        ASSERT_NE(StartVitrane(), nullptr);
        auto adds = tray_->EventsOf(main_, NIM_ADD);
        ASSERT_FALSE(adds.empty());
        EXPECT_EQ(adds[0].Tip, L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           " +
                                   Processors() + L"CPU搭載");
        // No English mnemonic: a letter chooses nothing and the menu stays.
        ASSERT_TRUE(OpenTrayMenu());
        PumpFor(150);
        Tap('X');
        PumpFor(300);
        EXPECT_NE(OpenPopupMenu(), nullptr);
        EXPECT_TRUE(vitrane_.Running());
        Tap(VK_ESCAPE);
        ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
        HWND d = OpenOptions();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(WindowText(d), L"設定　　--ウィンドウ透過ツール--");
        EXPECT_EQ(ItemText(d, kTaskbarKeyList), L"-使用しない-");
        EXPECT_EQ(ItemText(d, kOptionsCancel), L"ｷｬﾝｾﾙ");
        EXPECT_EQ(ItemText(d, kLanguageList), L"日本語");
        Tap(VK_ESCAPE);
        ASSERT_TRUE(OptionsClosed());
        vitrane_.Kill();
    }
}

class CorvelLanguage : public CorvelTest {
  protected:
    void SetUp() override {
        CorvelTest::SetUp();
        ClearSettings();
    }
    void TearDown() override {
        CorvelTest::TearDown();
        ClearSettings();
    }
};

// Corvel reads LANGUAGE when it starts: in English "&Hide" is chosen by H.
TEST_F(CorvelLanguage, TheMenuSpeaksTheStoredLanguage) {
    for (const wchar_t* stored : {L"en", L"ja"}) {
        SCOPED_TRACE(Narrow(stored));
        WriteSetting(L"LANGUAGE", stored);
        TargetWindow target(L"language");
        HWND corvel = StartCorvel(target);
        ASSERT_NE(corvel, nullptr);
        PostMessageW(corvel, kCorvelCallback, 0, WM_RBUTTONUP);
        ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 5000));
        PumpFor(150);
        Tap('H');
        if (std::wstring(stored) == L"en") {
            EXPECT_TRUE(WaitFor([&] { return target.Parked(); })) << "&Hide chosen";
            EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
        } else {
            PumpFor(300);
            EXPECT_TRUE(target.Shown()) << "隠す has no mnemonic";
            EXPECT_NE(OpenPopupMenu(), nullptr);
            Tap(VK_ESCAPE);
            ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
        }
        corvel_.Kill();
    }
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
    std::vector<std::wstring> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t buf[128] = L"";
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STRING;
        mii.dwTypeData = buf;
        mii.cch = 128;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
        out.push_back((mii.fType & MFT_SEPARATOR) ? L"-" : buf);
    }
    return out;
}

TEST(CompanionMenuTexts, EachLanguage) {
    auto ja = companion::BuildCompanionMenu(common::Language::Japanese);
    EXPECT_EQ(MenuTexts(ja.get()),
              (std::vector<std::wstring>{L"表示", L"隠す", L"-", L"トレイからはずす"}));
    auto en = companion::BuildCompanionMenu(common::Language::English);
    EXPECT_EQ(MenuTexts(en.get()),
              (std::vector<std::wstring>{L"&Show", L"&Hide", L"-", L"&Remove from tray"}));
}

}  // namespace
}  // namespace e2e
