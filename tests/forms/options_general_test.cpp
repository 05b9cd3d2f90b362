// The options dialog's general group and the dialog in English, built in this
// process on an in-memory store and an in-memory start-with-Windows value.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/dpi.h"
#include "common/ui_texts.h"
#include "harness.h"
#include "settings/options_dialog.h"
#include "settings/options_layout.h"
#include "support/fake_run_entry.h"
#include "support/memory_store.h"

namespace forms {
namespace {

using namespace settings;
using common::Language;
using e2e::WindowText;

class OptionsGeneralGroup : public ::testing::Test {
  protected:
    OptionsDialog& Open(Language language = Language::Japanese) {
        dialog_.reset();
        dialog_ = std::make_unique<OptionsDialog>(store_, language, run_);
        EXPECT_TRUE(dialog_->Create(nullptr));
        return *dialog_;
    }
    HWND Item(int id) const { return dialog_->Control(id); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Tick(int id, bool on) {
        SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void PressOK() {
        SendMessageW(dialog_->hwnd(), WM_COMMAND, MAKEWPARAM(kOptionsOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Item(kOptionsOK)));
    }
    std::vector<std::wstring> ListItems(int id) const {
        std::vector<std::wstring> items;
        int n = static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t buf[128] = L"";
            SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(buf));
            items.push_back(buf);
        }
        return items;
    }
    std::wstring Tooltip(int id) const {
        wchar_t buf[256] = L"";
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = dialog_->hwnd();
        ti.uId = reinterpret_cast<UINT_PTR>(Item(id));
        ti.lpszText = buf;
        SendMessageW(dialog_->Tooltips(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
        return buf;
    }

    MemoryStore store_;
    FakeRunEntry run_;
    std::unique_ptr<OptionsDialog> dialog_;
};

TEST_F(OptionsGeneralGroup, TheGroupSitsBelowEverythingAsLaidOut) {
    auto& d = Open();
    int dpi = common::WindowDpi(d.hwnd());
    for (const auto& c : GeneralControls()) {
        HWND h = Item(c.Id);
        ASSERT_NE(h, nullptr) << c.Id;
        if (!c.Text.empty()) {
            EXPECT_EQ(WindowText(h), c.Text) << c.Id;
        }
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, d.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        common::PixelRect want = common::TwipsToPixels(DialogPlace(c), dpi);
        EXPECT_EQ(r.left, want.Left) << c.Id;
        EXPECT_EQ(r.top, want.Top) << c.Id;
        if (c.Kind == ControlKind::Label) {
            EXPECT_GE(r.right - r.left, want.Width) << c.Id;
        } else if (c.Kind == ControlKind::DropDownList) {
            EXPECT_EQ(r.right - r.left, want.Width) << c.Id;
            EXPECT_NEAR(r.bottom - r.top, want.Height, 3) << c.Id;
        } else {
            EXPECT_EQ(r.right - r.left, want.Width) << c.Id;
            EXPECT_EQ(r.bottom - r.top, want.Height) << c.Id;
        }
    }
    EXPECT_EQ(WindowText(Item(kGeneralFrame)), L"全般");
    EXPECT_EQ(WindowText(Item(kWholeWindowCheck)), L"ウィンドウ全体に効かせる");
    EXPECT_EQ(WindowText(Item(kRestoreOnExitCheck)), L"終了時にすべて元に戻す");
    EXPECT_EQ(WindowText(Item(kStartWithWindowsCheck)), L"Windows の起動時に開始");
    EXPECT_EQ(WindowText(Item(kLanguageLabel)), L"表示言語");
    // Each language by its own name, whatever the dialog's language.
    EXPECT_EQ(ListItems(kLanguageList), (std::vector<std::wstring>{L"日本語", L"English"}));
    Open(Language::English);
    EXPECT_EQ(ListItems(kLanguageList), (std::vector<std::wstring>{L"日本語", L"English"}));
}

TEST_F(OptionsGeneralGroup, ShowsTheStoreAndTheRunValue) {
    struct Case {
        const wchar_t* whole;
        const wchar_t* restore;
        const wchar_t* language;
        std::optional<std::wstring> run;
        bool wholeTicked, restoreTicked;
        int languageShown;
        bool startTicked;
    } cases[] = {
        {nullptr, nullptr, nullptr, std::nullopt, false, false, 0, false},
        {L"1", L"0", L"en", L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\"", true, false, 1, true},
        {L"2", L"1", L"xx", L"\"c:\\program files\\vitrane\\VITRANE.EXE\"", false, true, 0, true},
        {L"0", L"x", L"ja", L"\"D:\\Other\\Vitrane.exe\"", false, false, 0, false},
    };
    for (const auto& c : cases) {
        store_ = MemoryStore{};
        if (c.whole) store_.Write(Key::TargetWhole, c.whole);
        if (c.restore) store_.Write(Key::RestoreOnExit, c.restore);
        if (c.language) store_.Write(Key::Language, c.language);
        run_.value = c.run;
        size_t before = store_.Writes().size();
        Open();
        SCOPED_TRACE(testing::Message() << (c.language ? c.language : L"-"));
        EXPECT_EQ(Checked(kWholeWindowCheck), c.wholeTicked);
        EXPECT_EQ(Checked(kRestoreOnExitCheck), c.restoreTicked);
        EXPECT_EQ(SendMessageW(Item(kLanguageList), CB_GETCURSEL, 0, 0), c.languageShown);
        EXPECT_EQ(Checked(kStartWithWindowsCheck), c.startTicked);
        EXPECT_EQ(store_.Writes().size(), before) << "opening writes nothing";
        EXPECT_EQ(run_.writes + run_.removes, 0);
    }
}

TEST_F(OptionsGeneralGroup, OkStoresTheGroupAfterTheTwelveAndSetsTheRunValue) {
    auto& d = Open();
    Tick(kWholeWindowCheck, true);
    Tick(kRestoreOnExitCheck, true);
    Tick(kStartWithWindowsCheck, true);
    SendMessageW(Item(kLanguageList), CB_SETCURSEL, 1, 0);
    PressOK();
    EXPECT_FALSE(IsWindowVisible(d.hwnd()));
    std::vector<Key> order;
    for (const auto& k : kStoredKeys) order.push_back(k.key);
    EXPECT_EQ(store_.Writes(), order);
    EXPECT_EQ(store_.Read(Key::TargetWhole), L"1");
    EXPECT_EQ(store_.Read(Key::RestoreOnExit), L"1");
    EXPECT_EQ(store_.Read(Key::Language), L"en");
    EXPECT_EQ(run_.value, L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\"");

    // Opened again it shows all of it; the box cleared takes the value away.
    Open();
    EXPECT_TRUE(Checked(kWholeWindowCheck));
    EXPECT_TRUE(Checked(kStartWithWindowsCheck));
    EXPECT_EQ(SendMessageW(Item(kLanguageList), CB_GETCURSEL, 0, 0), 1);
    Tick(kStartWithWindowsCheck, false);
    PressOK();
    EXPECT_EQ(run_.value, std::nullopt);
    EXPECT_EQ(run_.writes, 1);
    EXPECT_EQ(run_.removes, 1);
}

TEST_F(OptionsGeneralGroup, CancelChangesNeitherTheStoreNorTheRunValue) {
    run_.value = L"\"D:\\Other\\Vitrane.exe\"";
    for (int way = 0; way < 2; ++way) {
        auto& d = Open();
        ShowWindow(d.hwnd(), SW_SHOW);
        Tick(kStartWithWindowsCheck, true);
        Tick(kWholeWindowCheck, true);
        if (way == 0) SendMessageW(Item(kOptionsCancel), BM_CLICK, 0, 0);
        if (way == 1) SendMessageW(d.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindowVisible(d.hwnd())) << way;
    }
    EXPECT_TRUE(store_.Writes().empty());
    EXPECT_EQ(run_.value, L"\"D:\\Other\\Vitrane.exe\"");
    EXPECT_EQ(run_.writes + run_.removes, 0);
}

TEST_F(OptionsGeneralGroup, InEnglishEveryTextIsEnglish) {
    auto& d = Open(Language::English);
    EXPECT_EQ(WindowText(d.hwnd()), L"Settings - Window transparency tool");
    for (auto table : {OptionsControls(Language::English), GeneralControls(Language::English)})
        for (const auto& c : table) {
            if (c.Text.empty()) continue;
            EXPECT_EQ(WindowText(Item(c.Id)), c.Text) << c.Id;
        }
    const std::pair<int, const wchar_t*> shown[] = {
        {kHotkeyFrame, L"Hotkeys"},  {kAlphaKeyLabel, L"Translucent:"},
        {kOptionsOK, L"OK"},         {kOptionsCancel, L"Cancel"},
        {kGeneralFrame, L"General"}, {kStartWithWindowsCheck, L"Start with Windows"},
        {kAlphaKeyList, L"F11"},     {kTaskbarKeyList, L"-Not used-"},
    };
    for (auto [id, text] : shown) EXPECT_EQ(WindowText(Item(id)), text) << id;
    EXPECT_EQ(Tooltip(kAlphaKeyList), L"The key that makes the window under the mouse translucent");
    EXPECT_EQ(Tooltip(kTrayKeyList), L"The key that parks the window under the mouse in the tray");
    EXPECT_EQ(Tooltip(kRateList), L"How see-through the window becomes");
    EXPECT_EQ(SendMessageW(d.Tooltips(), TTM_GETTOOLCOUNT, 0, 0), 5);
}

RECT PlaceIn(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE Extent(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    size.cx = r.right;
    size.cy = r.bottom;
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

// With the font in use: a label, grown to its text, runs into no other
// control; a check box, a button and a frame hold their text whole.
TEST_F(OptionsGeneralGroup, EnglishTextsFitWhereTheyAreShown) {
    auto& d = Open(Language::English);
    std::vector<const ControlSpec*> all;
    for (auto table : {OptionsControls(Language::English), GeneralControls(Language::English)})
        for (const auto& c : table) all.push_back(&c);
    for (const ControlSpec* c : all) {
        if (c->Text.empty()) continue;
        HWND h = Item(c->Id);
        RECT r = PlaceIn(d.hwnd(), h);
        int width = r.right - r.left, height = r.bottom - r.top;
        SIZE text = Extent(h, std::wstring(c->Text));
        SCOPED_TRACE(testing::Message()
                     << c->Id << " is " << width << " px wide, its text " << text.cx);
        switch (c->Kind) {
            case ControlKind::Label:
            case ControlKind::GreyLabel:
                for (const ControlSpec* other : all) {
                    if (other == c || other->Kind == ControlKind::Frame) continue;
                    RECT o = PlaceIn(d.hwnd(), Item(other->Id)), overlap{};
                    if (other->Kind == ControlKind::DropDownList)
                        o.bottom = o.top + common::TwipsToPixels(other->Place.Height,
                                                                 common::WindowDpi(d.hwnd()));
                    EXPECT_FALSE(IntersectRect(&overlap, &r, &o)) << "runs into " << other->Id;
                }
                if (c->Container) {
                    RECT frame = PlaceIn(d.hwnd(), Item(c->Container));
                    EXPECT_LE(r.right, frame.right - 2) << "stays inside its frame";
                }
                break;
            case ControlKind::CheckBox: {
                int box = GetSystemMetrics(SM_CXMENUCHECK) + 4;
                int lines = text.cy > 0 ? std::max(1, static_cast<int>(height / text.cy)) : 1;
                EXPECT_LE(text.cx, (width - box) * lines);
                break;
            }
            case ControlKind::Button:
                EXPECT_LE(text.cx, width - 4);
                break;
            case ControlKind::Frame:
                EXPECT_LE(text.cx, width - 16);
                break;
            default:
                break;
        }
    }
}

}  // namespace
}  // namespace forms
