// The options dialog built in this process on an in-memory store: its controls, the
// keyboard order, what it shows and what OK and Cancel write.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "support/memory_store.h"
#include "common/dpi.h"
#include "settings/options_dialog.h"
#include "settings/options_layout.h"

namespace forms {
namespace {

using namespace settings;

std::wstring Text(HWND h) {
    wchar_t buf[1024] = L"";
    GetWindowTextW(h, buf, 1024);
    return buf;
}

class OptionsDialogControls : public ::testing::Test {
  protected:
    OptionsDialog& Open() {
        dialog_ = std::make_unique<OptionsDialog>(store_);
        EXPECT_TRUE(dialog_->Create(nullptr));
        return *dialog_;
    }
    int Sel(int id) {
        return static_cast<int>(SendMessageW(dialog_->Control(id), CB_GETCURSEL, 0, 0));
    }
    bool Checked(int id) {
        return SendMessageW(dialog_->Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void Type(int id, const std::wstring& text, bool enter) {
        HWND edit = dialog_->Control(id);
        SetWindowTextW(edit, L"");
        for (wchar_t c : text) SendMessageW(edit, WM_CHAR, c, 0);
        if (enter) SendMessageW(edit, WM_CHAR, L'\r', 0);
    }

    MemoryStore store_;
    std::unique_ptr<OptionsDialog> dialog_;
};

TEST_F(OptionsDialogControls, WindowAndControlsAsLaidOut) {
    auto& d = Open();
    EXPECT_EQ(Text(d.hwnd()), L"設定　　--ウィンドウ透過ツール--");
    LONG style = GetWindowLongW(d.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    int dpi = common::WindowDpi(d.hwnd());
    RECT client{};
    GetClientRect(d.hwnd(), &client);
    EXPECT_EQ(client.right, common::TwipsToPixels(6090, dpi));
    EXPECT_EQ(client.bottom, common::TwipsToPixels(6255, dpi));
    for (const auto& c : OptionsControls()) {
        HWND h = d.Control(c.Id);
        ASSERT_NE(h, nullptr) << c.Id;
        if (!c.Text.empty() && c.Kind != ControlKind::Edit) {
            EXPECT_EQ(Text(h), c.Text) << c.Id;
        }
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, d.hwnd(), reinterpret_cast<POINT*>(&r), 2);
        common::PixelRect want = common::TwipsToPixels(DialogPlace(c), dpi);
        EXPECT_EQ(r.left, want.Left) << c.Id;
        EXPECT_EQ(r.top, want.Top) << c.Id;
        if (c.Kind == ControlKind::Label) {
            EXPECT_GE(r.right - r.left, want.Width) << c.Id << " grows only to fit its text";
        } else if (c.Kind == ControlKind::DropDownList) {
            // The system sets a list's closed height from its font; it may not shrink to fit.
            EXPECT_EQ(r.right - r.left, want.Width) << c.Id;
            EXPECT_NEAR(r.bottom - r.top, want.Height, 3) << c.Id;
        } else {
            EXPECT_EQ(r.right - r.left, want.Width) << c.Id;
            EXPECT_EQ(r.bottom - r.top, want.Height) << c.Id;
        }
    }
    if (dpi == 96) {  // the table's figures at 100 %
        RECT ok{};
        GetWindowRect(d.Control(kOptionsOK), &ok);
        EXPECT_EQ(ok.right - ok.left, 69);
        EXPECT_EQ(ok.bottom - ok.top, 21);
    }
}

TEST_F(OptionsDialogControls, TooltipsOnTheLists) {
    auto& d = Open();
    struct Case {
        int id;
        const wchar_t* tip;
    } cases[] = {{kAlphaKeyList, L"透過表示するときに使うキーを設定します"},
                 {kOnTopKeyList, L"常に手前表示をするときに使うキーを設定します"},
                 {kTrayKeyList, L"常に手前表示をするときに使うキーを設定します"},
                 {kRateList, L"透過する割合を設定します"}};
    for (auto c : cases) {
        wchar_t buf[256] = L"";
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = d.hwnd();
        ti.uId = reinterpret_cast<UINT_PTR>(d.Control(c.id));
        ti.lpszText = buf;
        SendMessageW(d.Tooltips(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
        EXPECT_EQ(std::wstring(buf), c.tip) << c.id;
    }
    EXPECT_EQ(SendMessageW(d.Tooltips(), TTM_GETTOOLCOUNT, 0, 0), 5);
}

TEST_F(OptionsDialogControls, TabVisitsTheControlsInOrder) {
    auto& d = Open();
    std::vector<int> seen;
    HWND h = d.Control(kOptionsOK);
    for (size_t i = 0; i < kOptionsTabOrder.size() + 1; ++i) {
        seen.push_back(GetDlgCtrlID(h));
        h = GetNextDlgTabItem(d.hwnd(), h, FALSE);
    }
    std::vector<int> want(kOptionsTabOrder.begin(), kOptionsTabOrder.end());
    want.push_back(kOptionsOK);  // and round again
    EXPECT_EQ(seen, want);
}

TEST_F(OptionsDialogControls, ListsAndSelectionsFromTheStore) {
    store_.Write(Key::UseAlpha, L"65");
    store_.Write(Key::UseOnTop, L"27");
    store_.Write(Key::UseCorvel, L"19");
    store_.Write(Key::Alpha, L"8");
    store_.Write(Key::UseCpuMon, L"1");
    store_.Write(Key::ClipText, L"\r\na\r\n");
    store_.Write(Key::CpuTime, L"abc");
    store_.Write(Key::CpuCol1, L"ff");
    store_.Write(Key::CpuCol2, L"nothing");
    size_t before = store_.Writes().size();
    auto& d = Open();
    EXPECT_EQ(SendMessageW(d.Control(kTaskbarKeyList), CB_GETCOUNT, 0, 0), 24);
    EXPECT_EQ(SendMessageW(d.Control(kRateList), CB_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(Sel(kAlphaKeyList), 0);
    EXPECT_EQ(Text(d.Control(kAlphaKeyList)), L"-使用しない-");
    EXPECT_EQ(Sel(kOnTopKeyList), 13);
    EXPECT_EQ(Sel(kTaskbarKeyList), 0);
    EXPECT_EQ(Text(d.Control(kTrayKeyList)), L"Pause");
    EXPECT_EQ(Text(d.Control(kRateList)), L"10%");
    EXPECT_FALSE(Checked(kSmoothFadeCheck));
    EXPECT_TRUE(Checked(kCpuCheck));
    EXPECT_EQ(Text(d.Control(kClipEdit)), L"\r\na\r\n");
    EXPECT_EQ(Text(d.Control(kIntervalEdit)), L"abc");
    EXPECT_EQ(Text(d.Control(kDrawColourEdit)), L"ff");
    EXPECT_EQ(d.DrawColourSample(), 0x0000FFu);
    EXPECT_EQ(Text(d.Control(kBackColourEdit)), L"nothing");
    EXPECT_EQ(d.BackColourSample(), 0u);
    EXPECT_EQ(store_.Writes().size(), before) << "opening writes nothing";
}

TEST_F(OptionsDialogControls, OkWritesTheTwelveKeysFromTheControls) {
    auto& d = Open();
    SendMessageW(d.Control(kTaskbarKeyList), CB_SETCURSEL, 21, 0);
    SendMessageW(d.Control(kRateList), CB_SETCURSEL, 0, 0);
    SendMessageW(d.Control(kClipCheck), BM_SETCHECK, BST_CHECKED, 0);
    Type(kDrawColourEdit, L"ff", true);
    EXPECT_EQ(d.DrawColourSample(), 0x0000FFu) << "Enter confirms";
    Type(kBackColourEdit, L"123456", false);
    EXPECT_EQ(d.BackColourSample(), 0u) << "typing alone changes no sample";
    Type(kIntervalEdit, L"abc", false);
    SetWindowTextW(d.Control(kClipEdit), L"\r\nx\r\n\r\n y ");
    SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(kOptionsOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(d.Control(kOptionsOK)));
    EXPECT_FALSE(IsWindowVisible(d.hwnd()));
    std::vector<Key> order;
    for (const auto& k : kKeys) order.push_back(k.key);
    EXPECT_EQ(store_.Writes(), order);
    EXPECT_EQ(store_.Read(Key::UseAlpha), L"122");
    EXPECT_EQ(store_.Read(Key::UseShowTask), L"42");
    EXPECT_EQ(store_.Read(Key::Alpha), L"0");
    EXPECT_EQ(store_.Read(Key::UseClipboard), L"1");
    EXPECT_EQ(store_.Read(Key::ClipText), L"\r\nx\r\n\r\n y ");
    EXPECT_EQ(store_.Read(Key::CpuTime), L"abc");
    EXPECT_EQ(store_.Read(Key::CpuCol1), L"0000FF");
    EXPECT_EQ(store_.Read(Key::CpuCol2), L"000000");
}

TEST_F(OptionsDialogControls, AnUnreadableConfirmedColourKeepsTheSample) {
    auto& d = Open();
    Type(kDrawColourEdit, L"12345g", true);
    Type(kBackColourEdit, L"1000000", true);
    EXPECT_EQ(d.DrawColourSample(), 0x00FF00u);
    EXPECT_EQ(d.BackColourSample(), 0u);
    EXPECT_EQ(Text(d.Control(kDrawColourEdit)), L"12345g") << "Enter leaves the text as typed";
}

TEST_F(OptionsDialogControls, EnterInAFieldPressesNothing) {
    auto& d = Open();
    ShowWindow(d.hwnd(), SW_SHOW);
    SetFocus(d.Control(kIntervalEdit));
    // What the dialog's keyboard handling sends for Enter when no default button exists.
    SendMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(d.hwnd()));
    EXPECT_TRUE(store_.Writes().empty());
    SetFocus(d.Control(kOptionsOK));
    SendMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(d.hwnd())) << "Enter on the focused OK presses it";
    EXPECT_EQ(store_.Writes().size(), 12u);
}

TEST_F(OptionsDialogControls, CancelEscapeAndCloseBoxWriteNothing) {
    for (int way = 0; way < 3; ++way) {
        auto& d = Open();
        ShowWindow(d.hwnd(), SW_SHOW);
        SendMessageW(d.Control(kCpuCheck), BM_SETCHECK, BST_CHECKED, 0);
        if (way == 0) SendMessageW(d.Control(kOptionsCancel), BM_CLICK, 0, 0);
        if (way == 1) SendMessageW(d.hwnd(), WM_COMMAND, IDCANCEL, 0);  // Esc
        if (way == 2) SendMessageW(d.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindowVisible(d.hwnd())) << way;
        EXPECT_TRUE(store_.Writes().empty()) << way;
    }
}

}  // namespace
}  // namespace forms
