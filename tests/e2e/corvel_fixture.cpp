#include "corvel_fixture.h"

namespace e2e {
namespace {

constexpr const wchar_t* kTargetClass = L"CorvelE2eTarget";
constexpr const wchar_t* kTargetClassNoIcon = L"CorvelE2eTargetNoIcon";

// A 16 x 16 icon, red and opaque all over.
HICON RedSquareIcon() {
    static HICON icon = [] {
        std::vector<uint8_t> mask(2 * 16, 0x00);
        std::vector<uint32_t> colour(16 * 16, 0x00FF0000);
        HBITMAP m = CreateBitmap(16, 16, 1, 1, mask.data());
        HBITMAP c = CreateBitmap(16, 16, 1, 32, colour.data());
        ICONINFO info{TRUE, 0, 0, m, c};
        HICON made = CreateIconIndirect(&info);
        DeleteObject(m);
        DeleteObject(c);
        return made;
    }();
    return icon;
}

void RegisterTargetClasses() {
    static bool done = RegisterTestClass(kTargetClass, DefWindowProcW, RedSquareIcon()) &&
                       RegisterTestClass(kTargetClassNoIcon);
    (void)done;
}

}  // namespace

TargetWindow::TargetWindow(const std::wstring& title, bool withSmallIcon) {
    RegisterTargetClasses();
    hwnd_ = CreateWindowExW(0, withSmallIcon ? kTargetClass : kTargetClassNoIcon, title.c_str(),
                            WS_OVERLAPPEDWINDOW, 100, 100, 320, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    WaitFor([&] { return IsWindowVisible(hwnd_) != FALSE; }, 5000);
    PumpFor(50);
}

TargetWindow::~TargetWindow() {
    Destroy();
}

void TargetWindow::Destroy() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

std::wstring TargetWindow::HandleText() const {
    return std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd_)));
}

int FrameShown(const TrayIconPixels& icon) {
    if (icon.Width != 16 || icon.Height != 16) return 0;
    // Rows above the window icon are see-through in every frame; its corner
    // columns are left out, as an icon may round them off.
    for (int y = 0; y <= 4; ++y) {
        for (int x = 3; x <= 12; ++x) {
            if (!icon.ClearAt(x, y)) return 5 - y;
        }
    }
    return 0;
}

HWND CorvelTest::StartCorvelFor(const std::wstring& handleText) {
    corvel_ = Launch(handleText);
    EXPECT_TRUE(corvel_.Valid()) << "could not start Corvel.exe from " << Narrow(BinDir());
    HWND window = nullptr;
    bool added = tray_->WaitForEvent([&](const TrayEvent& e) {
        if (e.Op != NIM_ADD) return false;
        DWORD pid = 0;
        GetWindowThreadProcessId(e.Owner, &pid);
        if (pid != corvel_.Pid()) return false;
        window = e.Owner;
        return true;
    });
    EXPECT_TRUE(added) << "Corvel added no tray icon";
    return window;
}

std::vector<int> CorvelTest::FramesOf(HWND owner, DWORD op) const {
    std::vector<int> frames;
    for (const auto& e : tray_->EventsOf(owner, op))
        frames.push_back(e.Icon ? FrameShown(*e.Icon) : -1);
    return frames;
}

bool CorvelTest::WaitForFrames(HWND owner, const std::vector<int>& frames) const {
    return WaitFor([&] { return FramesOf(owner).size() >= frames.size(); }) &&
           FramesOf(owner) == frames;
}

bool CorvelTest::WaitForDelete(HWND owner) const {
    return tray_->WaitForEvent(
        [&](const TrayEvent& e) { return e.Op == NIM_DELETE && e.Owner == owner; });
}

void CorvelTest::ParkByMinimize(const TargetWindow& target, HWND corvel) {
    tray_->Clear();
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return target.Parked(); })) << "the watchdog hid no window";
    ASSERT_TRUE(WaitForFrames(corvel, {4, 3, 2, 1})) << "the icon did not sink";
    tray_->Clear();
}

std::string CorvelTest::Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

}  // namespace e2e
