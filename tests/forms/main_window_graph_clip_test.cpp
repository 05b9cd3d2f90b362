#include <cstring>

#include "main_window_fixture.h"

namespace forms {
namespace {

using settings::Key;
using Strings = std::vector<std::wstring>;

class MainWindowGraphAndClip : public MainWindowTest {};

void SetClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

TEST_F(MainWindowGraphAndClip, AddedTextShowsInTheMenu) {
    struct Case {
        const wchar_t* entered;
        Strings menu;
    } cases[] = {
        {L" b ", {L"a", L" b ", L"-", L"－－追加－－"}},
        {L"x\r\ny", {L"a", L"x", L"y", L"-", L"－－追加－－"}},  // stored as is, shown per line
        {L"  ", {L"a", L"-", L"－－追加－－"}},
        {nullptr, {L"a", L"-", L"－－追加－－"}},
    };
    for (const auto& c : cases) {
        store_.Write(Key::UseClipboard, L"1");
        store_.Write(Key::ClipText, L"\r\na");
        auto& window = Load();
        SetClipboard(window.hwnd(), L"clipboard text");
        size_t writes = store_.Writes().size();
        BoxScript script{c.entered};
        AnswerNextBox(script);
        window.Clips().AddEntry(window.hwnd());
        EXPECT_TRUE(script.seen);
        EXPECT_EQ(script.proposed, L"clipboard text");
        EXPECT_EQ(Texts(window.Clips().Handle()), c.menu);
        bool stored = c.menu.size() > 3;
        EXPECT_EQ(store_.Writes().size(), writes + (stored ? 1 : 0));
        if (stored) {
            EXPECT_EQ(store_.Read(Key::ClipText), std::wstring(L"\r\na\r\n") + c.entered);
        }
        window_.reset();
    }
}

TEST_F(MainWindowGraphAndClip, TicksDrawTheLoadAndTheStaticIconComesBack) {
    auto& window = Load();  // the counters report full load on every sample
    window.Graph().SetColours(0x0000FF, 0xC0C0C0);
    auto staticIcon = tray_->EventsOfOp(NIM_ADD).front().Icon;
    window.Graph().OnGraphTick();
    auto mods = tray_->EventsOfOp(NIM_MODIFY);
    ASSERT_EQ(mods.size(), 1u);
    ASSERT_TRUE(mods[0].Icon.has_value());
    const auto& icon = *mods[0].Icon;
    for (int x = 0; x < 16; ++x) {
        int drawn = 0;
        for (int y = 0; y < 16; ++y) {
            if (!icon.ClearAt(x, y)) {
                EXPECT_EQ(icon.At(x, y), 0xFF0000u) << x << "," << y;
                ++drawn;
            }
        }
        EXPECT_EQ(drawn, x == 15 ? 16 : 1) << "column " << x;
    }
    EXPECT_EQ(window.Graph().History()[15], 15);

    window.Graph().ShowStaticIcon();
    mods = tray_->EventsOfOp(NIM_MODIFY);
    ASSERT_EQ(mods.size(), 2u);
    ASSERT_TRUE(mods[1].Icon.has_value() && staticIcon.has_value());
    EXPECT_EQ(mods[1].Icon->Colour, staticIcon->Colour);
    EXPECT_EQ(mods[1].Icon->Transparent, staticIcon->Transparent);
}

}  // namespace
}  // namespace forms
