#include <cstring>

#include "clip/input_box.h"
#include "vitrane_fixture.h"

namespace e2e {
namespace {

void SetClipboard(const std::wstring& text) {
    ASSERT_TRUE(WaitFor([] { return OpenClipboard(nullptr) != FALSE; }, 5000));
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    CloseClipboard();
}

std::wstring Clipboard() {
    std::wstring out;
    if (!OpenClipboard(nullptr)) return L"<busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            out = text;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return out;
}

class ClipTexts : public VitraneTest {
  protected:
    HWND StartWithClip(const std::wstring& stored) {
        WriteSetting(L"USE_CLIPBOARD", L"1");
        if (!stored.empty()) WriteSetting(L"CLIP_TEXT", stored);
        return StartVitrane();
    }
    // クリップ is the first item; its submenu opens on the first clip item.
    bool OpenClipMenu() {
        if (!OpenTrayMenu()) return false;
        Tap(VK_DOWN);
        Tap(VK_RIGHT);
        return true;
    }
    bool PickClipItem(int index) {
        if (!OpenClipMenu()) return false;
        for (int i = 1; i < index; ++i) Tap(VK_DOWN);
        Tap(VK_RETURN);
        return WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000);
    }
    // Chooses －－追加－－ (the last item) and waits for the box in front.
    HWND OpenAddBox() {
        if (!OpenClipMenu()) return nullptr;
        Tap(VK_END);
        Tap(VK_RETURN);
        HWND box = nullptr;
        WaitFor([&] {
            box = FindWindowOf(vitrane_.Pid(), L"#32770", L"入力");
            return box && IsWindowVisible(box) && GetForegroundWindow() == box;
        });
        return box;
    }
    static HWND Edit(HWND box) { return GetDlgItem(box, clip::kInputBoxEdit); }
    bool WaitBoxGone(HWND box) {
        return WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
};

TEST_F(ClipTexts, AddProposesTheClipboardTextAndOkStoresIt) {
    SetClipboard(L"提案テキスト");
    HWND main = StartWithClip(L"");
    ASSERT_NE(main, nullptr);
    HWND box = OpenAddBox();
    ASSERT_NE(box, nullptr) << "no input box in front";
    EXPECT_EQ(WindowText(GetDlgItem(box, clip::kInputBoxPrompt)),
              L"登録する文字を入力してください。");
    EXPECT_EQ(WindowText(Edit(box)), L"提案テキスト");
    DWORD sel = static_cast<DWORD>(SendMessageW(Edit(box), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(sel), 0) << "the proposal is selected";
    EXPECT_EQ(HIWORD(sel), 6);
    EXPECT_NE(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "in front";
    RECT r{};
    GetWindowRect(box, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    Tap(VK_RETURN);  // OK
    ASSERT_TRUE(WaitBoxGone(box));
    EXPECT_TRUE(WaitFor([] { return ReadSetting(L"CLIP_TEXT") == L"\r\n提案テキスト"; }));

    // The menu shows the new entry as its first item.
    SetClipboard(L"something else");
    ASSERT_TRUE(PickClipItem(1));
    EXPECT_TRUE(WaitFor([] { return Clipboard() == L"提案テキスト"; }));
}

TEST_F(ClipTexts, EnteredTextIsAppendedAsTypedOrRefused) {
    struct Case {
        const wchar_t* entered;  // nullptr: Esc
        const wchar_t* stored;   // CLIP_TEXT afterwards
    } cases[] = {
        {L"  前後に空白  ", L"\r\nfirst\r\n  前後に空白  "},
        {L"   ", L"\r\nfirst"},
        {L"\u3000\u3000", L"\r\nfirst"},  // full-width spaces, as an IME types them
        {L" \u3000 ", L"\r\nfirst"},
        {L"", L"\r\nfirst"},
        {nullptr, L"\r\nfirst"},
    };
    SetClipboard(L"proposal");
    HWND main = StartWithClip(L"\r\nfirst");
    ASSERT_NE(main, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered ? Narrow(c.entered) : "Esc");
        WriteSetting(L"CLIP_TEXT", L"\r\nfirst");
        HWND box = OpenAddBox();
        ASSERT_NE(box, nullptr);
        if (c.entered) {
            SendMessageW(Edit(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.entered));
            Tap(VK_RETURN);
        } else {
            Tap(VK_ESCAPE);
        }
        ASSERT_TRUE(WaitBoxGone(box));
        PumpFor(200);  // a write would have come with the box's end
        EXPECT_EQ(ReadSetting(L"CLIP_TEXT"), c.stored);
        EXPECT_TRUE(vitrane_.Running());
    }
}

TEST_F(ClipTexts, PickingAnItemPutsExactlyItsText) {
    HWND main = StartWithClip(L"\r\nabc\r\n   \r\n  先頭に空白\r\nx&y\r\n日本語のテキスト");
    ASSERT_NE(main, nullptr);
    const wchar_t* items[] = {L"abc", L"  先頭に空白", L"x&y", L"日本語のテキスト"};
    for (int i = 1; i <= 4; ++i) {
        const std::wstring want = items[i - 1];
        SCOPED_TRACE(i);
        SetClipboard(L"before");
        ASSERT_TRUE(PickClipItem(i));
        EXPECT_TRUE(WaitFor([&] { return Clipboard() == want; }));
    }
    EXPECT_EQ(ReadSetting(L"CLIP_TEXT"),
              L"\r\nabc\r\n   \r\n  先頭に空白\r\nx&y\r\n日本語のテキスト")
        << "picking changes nothing stored";
}

TEST_F(ClipTexts, ClipboardHeldByAnotherProgram) {
    HWND main = StartWithClip(L"\r\nnew text");
    ASSERT_NE(main, nullptr);

    // Held briefly: the pick waits for it.
    SetClipboard(L"before");
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(PickClipItem(1));
    PumpFor(100);
    CloseClipboard();
    EXPECT_TRUE(WaitFor([] { return Clipboard() == L"new text"; }));

    // Held for long: the pick gives up, and the program goes on.
    SetClipboard(L"before");
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(PickClipItem(1));
    PumpFor(2000);
    CloseClipboard();
    DWORD_PTR ignored = 0;
    EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0);
    PumpFor(300);
    EXPECT_EQ(Clipboard(), L"before");
    EXPECT_TRUE(vitrane_.Running());
}

}  // namespace
}  // namespace e2e
