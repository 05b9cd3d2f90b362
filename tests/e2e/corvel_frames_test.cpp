// Corvel's Win32 side in the driver's own process: drawing a class icon,
// turning frames into icons, the menu. Another process's class icon cannot
// be read under Wine, so this is where the drawn icon is proved.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "companion/companion_menu.h"
#include "companion/frame_composition.h"
#include "companion/tray_frames.h"
#include "companion/window_icon.h"
#include "harness.h"

namespace e2e {
namespace {

using companion::Colour;
using companion::Image;

constexpr Colour kRed = 0xFF0000;

// A size x size icon: colour(x, y) where clear(x, y) is false, see-through elsewhere.
template <typename ColourFn, typename ClearFn>
HICON MakeIcon(int size, ColourFn colour, ClearFn clear) {
    size_t maskStride = (static_cast<size_t>(size) + 15) / 16 * 2;
    std::vector<uint8_t> mask(maskStride * size, 0);
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * size, 0);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (clear(x, y)) {
                mask[y * maskStride + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            } else {
                pixels[static_cast<size_t>(y) * size + x] = colour(x, y);
            }
        }
    }
    HBITMAP m = CreateBitmap(size, size, 1, 1, mask.data());
    HBITMAP c = CreateBitmap(size, size, 1, 32, pixels.data());
    ICONINFO info{TRUE, 0, 0, m, c};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(m);
    DeleteObject(c);
    return icon;
}

// An icon's two planes read back as 32-bit pixels, top-down.
struct IconPixels {
    std::vector<uint32_t> colour, mask;
};

std::vector<uint32_t> BitmapPixels(HBITMAP bitmap, int w, int h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> out(static_cast<size_t>(w) * h, 0);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, h, out.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (auto& p : out) p &= 0xFFFFFF;
    return out;
}

IconPixels ReadIcon(HICON icon) {
    ICONINFO info{};
    IconPixels px;
    if (!GetIconInfo(icon, &info)) return px;
    px.mask = BitmapPixels(info.hbmMask, 16, 16);
    px.colour = BitmapPixels(info.hbmColor, 16, 16);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return px;
}

Colour FaceColour() {
    COLORREF c = GetSysColor(COLOR_BTNFACE);
    return companion::Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

TEST(CorvelFrames, ClassIconIsDrawnAsImageAndMask) {
    auto colour = [](int x, int y) { return companion::Rgb(0x40 + x, 0x80 + y, 0x21); };
    auto clear = [](int x, int y) { return (x == 0 || x == 13) && (y == 0 || y == 13); };
    HICON icon = MakeIcon(14, colour, clear);
    ASSERT_NE(icon, nullptr);
    Image surface = companion::DrawIconSurface(icon);
    DestroyIcon(icon);
    ASSERT_EQ(surface.width, 32);
    ASSERT_EQ(surface.height, 16);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            SCOPED_TRACE(testing::Message() << "icon pixel " << x << "," << y);
            EXPECT_EQ(surface.at(x, y), clear(x, y) ? 0u : colour(x, y));
            EXPECT_EQ(surface.at(16 + x, y), clear(x, y) ? 0xFFFFFFu : 0u);
        }
    }
    // Outside the 14 x 14 areas the surface keeps its background.
    EXPECT_EQ(surface.at(14, 3), 0u);
    EXPECT_EQ(surface.at(3, 15), 0u);
    EXPECT_EQ(surface.at(30, 3), 0xFFFFFFu);
    EXPECT_EQ(surface.at(20, 15), 0xFFFFFFu);
}

TEST(CorvelFrames, FaceColouredPixelsOfAFrameIconAreSeeThrough) {
    Colour face = FaceColour();
    Image frame(16, 16, face);
    frame.at(3, 4) = kRed;
    frame.at(15, 15) = 0;
    auto icon = companion::IconFromFrame(frame, face);
    ASSERT_TRUE(icon);
    IconPixels px = ReadIcon(icon.get());
    ASSERT_EQ(px.mask.size(), 256u);
    EXPECT_EQ(px.mask[0], 0xFFFFFFu);
    EXPECT_EQ(px.colour[0], 0u) << "black under the see-through part";
    EXPECT_EQ(px.mask[4 * 16 + 3], 0u);
    EXPECT_EQ(px.colour[4 * 16 + 3], kRed);
    EXPECT_EQ(px.mask[255], 0u) << "black is not the face colour";
}

// The frames of a window of this process match the platform-free composition
// pixel for pixel: artwork resource, icon drawing, composition and transparency.
TEST(CorvelFrames, FramesOfAWindowWithASmallClassIcon) {
    HICON red = MakeIcon(
        16, [](int, int) { return kRed; }, [](int, int) { return false; });
    ASSERT_TRUE(RegisterTestClass(L"CorvelFramesTarget", DefWindowProcW, red));
    HWND target = CreateWindowExW(0, L"CorvelFramesTarget", L"t", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(target, nullptr);

    Image artwork = companion::LoadTrayArtwork();
    ASSERT_EQ(artwork.width, 64) << "the tray artwork resource";
    Image surface = companion::IconSurfaceBackground(true);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 14; ++x) {
            surface.at(x, y) = kRed;
            surface.at(16 + x, y) = 0;
        }
    }
    Colour face = FaceColour();
    companion::FrameIcons icons = companion::MakeFrameIcons(target);
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(testing::Message() << "frame " << k);
        Image expected = companion::ComposeFrame(artwork, surface, k, face);
        ASSERT_TRUE(icons[k - 1]);
        IconPixels px = ReadIcon(icons[k - 1].get());
        ASSERT_EQ(px.colour.size(), 256u);
        int wrong = 0;
        for (size_t i = 0; i < 256; ++i) {
            bool clear = expected.pixels[i] == face;
            wrong += (px.mask[i] != 0) != clear;
            wrong += !clear && px.colour[i] != expected.pixels[i];
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(expected.at(1, 5 - k), kRed) << "the icon stands at row 5 - k";
    }
    DestroyWindow(target);
    UnregisterClassW(L"CorvelFramesTarget", GetModuleHandleW(nullptr));
    DestroyIcon(red);
}

// One plain colour all over, of the given size.
HICON PlainIcon(int size, Colour colour) {
    return MakeIcon(
        size, [=](int, int) { return colour; }, [](int, int) { return false; });
}

// The colour the tray shows for the window: the middle of the drawn icon.
Colour IconColourOf(HWND window) {
    return companion::DrawIconSurface(companion::TargetIcon(window)).at(7, 7);
}

// Where a window keeps its icon decides nothing but the order in which it is
// looked for: the class's small icon, the window's own (small, then big),
// then the class's large one.
TEST(CorvelFrames, TheWindowsOwnIconIsFoundWhereverItIsKept) {
    constexpr Colour kClassSmall = 0xFF0000, kWindowSmall = 0x00FF00, kWindowBig = 0x0000FF,
                     kClassBig = 0xFFFF00;
    HICON classSmall = PlainIcon(16, kClassSmall), windowSmall = PlainIcon(16, kWindowSmall),
          windowBig = PlainIcon(32, kWindowBig), classBig = PlainIcon(32, kClassBig);
    struct Case {
        const char* what;
        HICON classSmall, classBig, windowSmall, windowBig;
        std::optional<Colour> shown;  // nothing: the blank window
    } cases[] = {
        {"everything", classSmall, classBig, windowSmall, windowBig, kClassSmall},
        // The system gives a class with a large icon only a small one made from it.
        {"a large class icon and window icons", nullptr, classBig, windowSmall, windowBig,
         kClassBig},
        {"the window's icons", nullptr, nullptr, windowSmall, windowBig, kWindowSmall},
        {"the window's small icon alone", nullptr, nullptr, windowSmall, nullptr, kWindowSmall},
        {"the window's big icon alone", nullptr, nullptr, nullptr, windowBig, kWindowBig},
        {"the large class icon alone", nullptr, classBig, nullptr, nullptr, kClassBig},
        {"none at all", nullptr, nullptr, nullptr, nullptr, std::nullopt},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring className = L"CorvelIconOrder" + std::to_wstring(n++);
        ASSERT_TRUE(RegisterTestClass(className.c_str(), DefWindowProcW, c.classSmall, c.classBig));
        HWND window = CreateWindowExW(0, className.c_str(), L"t", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                      100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        if (c.windowSmall) SendMessageW(window, WM_SETICON, ICON_SMALL, (LPARAM)c.windowSmall);
        if (c.windowBig) SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)c.windowBig);
        if (c.shown) {
            EXPECT_EQ(IconColourOf(window), *c.shown);
        } else {
            EXPECT_EQ(companion::TargetIcon(window), nullptr);
        }
        DestroyWindow(window);
        UnregisterClassW(className.c_str(), GetModuleHandleW(nullptr));
    }
    for (HICON icon : {classSmall, windowSmall, windowBig, classBig}) DestroyIcon(icon);
}

// A window whose thread does not answer is not waited for: its icons set on
// the window are given up after a short time, the class's are still used.
TEST(CorvelFrames, AWindowThatDoesNotAnswerIsNotWaitedFor) {
    constexpr Colour kWindowSmall = 0x00FF00, kClassBig = 0xFFFF00;
    HICON windowSmall = PlainIcon(16, kWindowSmall), classBig = PlainIcon(32, kClassBig);
    HANDLE made = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HWND windows[2] = {};
    std::thread owner([&] {
        for (int i = 0; i < 2; ++i) {
            const wchar_t* name = i == 1 ? L"CorvelIconHungBig" : L"CorvelIconHung";
            RegisterTestClass(name, DefWindowProcW, nullptr, i == 1 ? classBig : nullptr);
            windows[i] = CreateWindowExW(0, name, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
            SendMessageW(windows[i], WM_SETICON, ICON_SMALL, (LPARAM)windowSmall);
        }
        SetEvent(made);
        WaitForSingleObject(release, INFINITE);  // hung: no message is handled
        for (HWND w : windows) DestroyWindow(w);
    });
    WaitForSingleObject(made, 10000);
    EXPECT_EQ(companion::TargetIcon(windows[0]), nullptr);
    EXPECT_EQ(IconColourOf(windows[1]), kClassBig);
    SetEvent(release);
    owner.join();
    UnregisterClassW(L"CorvelIconHung", GetModuleHandleW(nullptr));
    UnregisterClassW(L"CorvelIconHungBig", GetModuleHandleW(nullptr));
    for (HANDLE h : {made, release}) CloseHandle(h);
    for (HICON icon : {windowSmall, classBig}) DestroyIcon(icon);
}

TEST(CorvelFrames, MenuHasItsFourItemsInOrder) {
    auto menu = companion::BuildCompanionMenu();
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 4);
    const wchar_t* captions[] = {L"表示", L"隠す", nullptr, L"トレイからはずす"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        wchar_t text[64] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu.get(), i, TRUE, &info));
        if (!captions[i]) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_STREQ(text, captions[i]);
        EXPECT_EQ(info.fState & (MFS_DISABLED | MFS_CHECKED), 0u);
    }
}

}  // namespace
}  // namespace e2e
