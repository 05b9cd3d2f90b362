// Takes the pictures for the README: starts the programs as a user would and
// saves the tray menu, the dialogs, the fade indicator and Corvel's frames as
// BMP files into the folder given as the only argument (scripts/screenshots.sh
// turns them into PNG). Runs under Wine with Xvfb; no test, no assertions.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "companion/tray_frames.h"
#include "corvel_fixture.h"
#include "harness.h"
#include "settings/options_layout.h"

namespace {

using namespace e2e;

constexpr const wchar_t* kOptionsClass = L"Vitrane.OptionsDialog";
constexpr const wchar_t* kIndicatorClass = L"Vitrane.FadeIndicator";

bool WriteBmp(const std::wstring& path, int w, int h, const std::vector<uint32_t>& topDown) {
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof(ih);
    ih.biWidth = w;
    ih.biHeight = -h;
    ih.biPlanes = 1;
    ih.biBitCount = 32;
    ih.biCompression = BI_RGB;
    DWORD bytes = static_cast<DWORD>(topDown.size() * 4);
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + bytes;
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    fwrite(&fh, sizeof(fh), 1, f);
    fwrite(&ih, sizeof(ih), 1, f);
    fwrite(topDown.data(), 4, topDown.size(), f);
    fclose(f);
    return true;
}

// The script takes the picture (a window's own drawing cannot be read back
// from the screen under Wine): it is told the rectangle and answers with a
// file once the picture is saved.
std::wstring gDir;

bool SaveScreen(const std::wstring& name, RECT r) {
    if (r.right <= r.left || r.bottom <= r.top) return false;
    std::printf("SHOT %ls %ld %ld %ld %ld\n", name.c_str(), r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    std::fflush(stdout);
    std::wstring done = gDir + name + L".done";
    return WaitFor([&] { return GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES; },
                   20000);
}

bool SaveWindow(const std::wstring& name, HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return SaveScreen(name, r);
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* cls) {
    for (HWND w : WindowsOf(pid, cls))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

bool AnyMenuShown() {
    for (HWND w = FindWindowW(L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr))
        if (IsWindowVisible(w)) return true;
    return false;
}

void Report(const char* what, bool ok) {
    std::printf("%-18s %s\n", what, ok ? "saved" : "FAILED");
    std::fflush(stdout);
}

// Opens the tray menu and picks the item `ups` steps above the last (終了).
bool ChooseMenuItem(HWND main, int ups) {
    SendTrayNotification(main, 512, WM_RBUTTONUP);
    if (!WaitFor([] { return OpenPopupMenu() != nullptr; }, 5000)) return false;
    PumpFor(200);
    Tap(VK_END);
    for (int i = 0; i < ups; ++i) Tap(VK_UP);
    Tap(VK_RETURN);
    return true;
}

// A 16 x 16 icon's colour image (0x00RRGGBB, top-down) and which of its
// pixels the mask makes see-through.
struct IconImage {
    std::vector<uint32_t> Colour = std::vector<uint32_t>(256, 0);
    std::vector<bool> Clear = std::vector<bool>(256, true);
};

IconImage ReadIcon16(HICON icon) {
    IconImage out;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return out;
    std::vector<uint32_t> mask = Pixels16(info.hbmMask);
    out.Colour = Pixels16(info.hbmColor);
    for (size_t i = 0; i < 256; ++i) out.Clear[i] = (mask[i] & 0xFFFFFF) != 0;
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return out;
}

// Corvel's five frames side by side, on the colour of a taskbar. Wine cannot
// read the class icon of another process's window, so the frames are made
// here, with Corvel's own code, for a window of this process that carries
// Vitrane's icon.
void SaveCorvelFrames(const std::wstring& dir) {
    HICON small = nullptr;
    ExtractIconExW(ProgramPath(L"Vitrane.exe").c_str(), 0, nullptr, &small, 1);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = small;
    wc.hIconSm = small;
    wc.lpszClassName = L"ScreenshotsParkedWindow";
    RegisterClassExW(&wc);
    HWND target = CreateWindowExW(0, wc.lpszClassName, L"Corvel のテスト", WS_OVERLAPPEDWINDOW, 0,
                                  0, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    companion::FrameIcons icons = companion::MakeFrameIcons(target);
    constexpr int kGap = 4;
    constexpr uint32_t kTaskbar = 0xD4D0C8;
    int w = 5 * 16 + 6 * kGap, h = 16 + 2 * kGap;
    std::vector<uint32_t> px(static_cast<size_t>(w) * h, 0xFFFFFF);
    bool all = small != nullptr;
    for (int f = 1; f <= 5; ++f) {
        all = all && icons[static_cast<size_t>(f - 1)];
        IconImage frame = ReadIcon16(icons[static_cast<size_t>(f - 1)].get());
        int ox = kGap + (f - 1) * (16 + kGap);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                size_t at = static_cast<size_t>(y * 16 + x);
                uint32_t c = frame.Clear[at] ? kTaskbar : frame.Colour[at] & 0xFFFFFF;
                px[static_cast<size_t>((kGap + y) * w + ox + x)] = c;
            }
    }
    DestroyWindow(target);
    if (small) DestroyIcon(small);
    Report("corvel-frames", all && WriteBmp(dir + L"corvel-frames.bmp", w, h, px));
}

// The middle button held over a window and moved away shows the indicator.
void SaveFadeIndicator(const Process& vitrane) {
    TargetWindow target(L"フェードの例");
    PumpFor(300);
    RECT tr{};
    GetWindowRect(target.Hwnd(), &tr);
    int x = (tr.left + tr.right) / 2, y = (tr.top + tr.bottom) / 2;
    MoveCursor(x, y);
    PumpFor(200);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    HWND indicator = nullptr;
    for (int step = 1; step <= 20 && !indicator; ++step) {
        MoveCursor(x + step * 4, y + step * 2);
        PumpFor(50);
        indicator = VisibleWindowOf(vitrane.Pid(), kIndicatorClass);
    }
    PumpFor(300);
    if (indicator) {
        RECT ir{};
        GetWindowRect(indicator, &ir);
        // The indicator together with the window it fades.
        RECT both{};
        UnionRect(&both, &ir, &tr);
        InflateRect(&both, 8, 8);
        Report("fade-indicator", SaveScreen(L"fade-indicator", both));
    } else {
        Report("fade-indicator", false);
    }
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    PumpFor(200);
}

// The tray menu, the options dialog and the version dialog, each saved as
// `name` + `suffix`; the fade indicator too when `withFade`.
void SaveVitranePictures(const wchar_t* language, const std::wstring& suffix, bool withFade) {
    ClearSettings();
    WriteSetting(L"USE_CLIPBOARD", L"1");
    WriteSetting(L"CLIP_TEXT", L"\r\nおはようございます\r\nhttps://example.org/");
    WriteSetting(L"USE_SMS_ALPHA", L"1");
    WriteSetting(L"LANGUAGE", language);
    FakeTray tray;
    Process vitrane = Process::Start(ProgramPath(L"Vitrane.exe"));
    tray.WaitForEvent([&](const TrayEvent& e) { return e.Op == NIM_ADD; });
    HWND main = FindWindowOf(vitrane.Pid(), kVitraneClass);

    // The menu opens at the cursor.
    MoveCursor(40, 40);
    SendTrayNotification(main, 512, WM_RBUTTONUP);
    HWND menu = nullptr;
    WaitFor([&] { return (menu = OpenPopupMenu()) != nullptr; }, 5000);
    Tap(VK_HOME);
    Tap(VK_DOWN);  // the rates, with their submenu open
    Tap(VK_RIGHT);
    PumpFor(500);
    RECT all{};
    GetWindowRect(menu, &all);
    for (HWND w = FindWindowW(L"#32768", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
        RECT r{};
        if (!IsWindowVisible(w) || !GetWindowRect(w, &r)) continue;
        UnionRect(&all, &all, &r);
    }
    Report("tray-menu", menu && SaveScreen(L"tray-menu" + suffix, all));
    Tap(VK_ESCAPE);
    Tap(VK_ESCAPE);
    WaitFor([] { return !AnyMenuShown(); }, 5000);

    ChooseMenuItem(main, 2);  // the options

    HWND options = nullptr;
    WaitFor([&] { return (options = VisibleWindowOf(vitrane.Pid(), kOptionsClass)) != nullptr; });
    PumpFor(800);
    Report("options-dialog", options && SaveWindow(L"options-dialog" + suffix, options));
    Tap(VK_ESCAPE);
    WaitFor([&] { return !IsWindowVisible(options); });
    PumpFor(300);

    ChooseMenuItem(main, 1);  // the version dialog
    BYTE alpha = 0;
    WaitFor([&] {
        DWORD flags = 0;
        return GetLayeredWindowAttributes(main, nullptr, &alpha, &flags) && alpha == 200;
    });
    PumpFor(300);
    Report("version-dialog", IsWindowVisible(main) && SaveWindow(L"version-dialog" + suffix, main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    WaitFor([&] { return !IsWindowVisible(main); });
    if (withFade) SaveFadeIndicator(vitrane);
    vitrane.Kill();
    ClearSettings();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots_driver.exe OUTPUT_FOLDER\n");
        return 2;
    }
    std::wstring dir = argv[1];
    if (dir.back() != L'\\') dir += L'\\';
    gDir = dir;
    SaveVitranePictures(L"ja", L"", true);
    SaveVitranePictures(L"en", L"-en", false);
    SaveCorvelFrames(dir);
    return 0;
}
