// Figures for the hotkey polling under Wine: the delay from a key going down
// to the target's new alpha, beside the timer tick period of the same run,
// and Vitrane's idle CPU time beside a bare 1 ms timer program.
// Usage: effects_bench.exe VITRANE_EXE [presses] [seconds]
//        effects_bench.exe --bare-timer
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

double Now() {
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER v;
        QueryPerformanceFrequency(&v);
        return v;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

int BareTimer() {
    HWND w = CreateWindowExW(0, L"STATIC", L"bare", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetTimer(w, 1, 1, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

// The period of a 1 ms window timer as this machine delivers it.
double TickPeriodMs() {
    HWND w = CreateWindowExW(0, L"STATIC", L"ticks", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetTimer(w, 1, 1, nullptr);
    int ticks = 0;
    double start = Now();
    MSG msg;
    while (Now() - start < 2.0 && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == w) ++ticks;
        DispatchMessageW(&msg);
    }
    double elapsed = Now() - start;
    DestroyWindow(w);
    return ticks ? elapsed * 1000 / ticks : 0;
}

// Where a key-down first shows to a 1 ms GetAsyncKeyState loop in another
// process that sends no input itself, as Vitrane: the floor any polling
// program meets on this platform. The watcher is a copy of this program; it
// writes the time it saw the key into a shared page.
constexpr const wchar_t* kWatchPage = L"Local\\VitraneBenchKeyWatch";

int WatchKey() {
    HANDLE page = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kWatchPage);
    if (!page) return 1;
    auto* seenAt = static_cast<volatile double*>(MapViewOfFile(page, FILE_MAP_WRITE, 0, 0, 8));
    bool wasDown = false;
    while (true) {
        bool down = GetAsyncKeyState(VK_F11) < 0;
        if (down && !wasDown) *seenAt = Now();
        wasDown = down;
        Sleep(1);
    }
}

class KeyWatcher {
  public:
    KeyWatcher() {
        page_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, kWatchPage);
        seenAt_ = static_cast<volatile double*>(MapViewOfFile(page_, FILE_MAP_WRITE, 0, 0, 8));
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring exe(self);
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"bare_timer.exe";
        process_ = e2e::Process::Start(exe, L"--watch-key");
        e2e::PumpFor(500);
    }
    ~KeyWatcher() {
        process_.Kill();
        UnmapViewOfFile(const_cast<double*>(seenAt_));
        CloseHandle(page_);
    }
    void Arm() { *seenAt_ = 0; }
    double SeenAt() const { return *seenAt_; }

  private:
    HANDLE page_ = nullptr;
    volatile double* seenAt_ = nullptr;
    e2e::Process process_;
};

double Percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(q * v.size()))];
}

bool HasAlpha(HWND w, BYTE want) {
    if (!(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED)) return false;
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) &&
           alpha == want;
}

void KeyToAlpha(int presses, double tickMs) {
    HWND target = CreateWindowExW(0, L"STATIC", L"bench target", WS_OVERLAPPEDWINDOW, 200, 200, 400,
                                  300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(target, SW_SHOWNORMAL);
    SetForegroundWindow(target);
    e2e::PumpFor(500);
    RECT r;
    GetWindowRect(target, &r);
    e2e::MoveCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    e2e::PumpFor(100);

    std::vector<double> delays, keySeen;
    int missed = 0;
    KeyWatcher watcher;
    for (int i = 0; i < presses; ++i) {
        SetWindowLongW(target, GWL_EXSTYLE, GetWindowLongW(target, GWL_EXSTYLE) & ~WS_EX_LAYERED);
        e2e::PumpFor(20 + static_cast<DWORD>(i * 7 % 13));  // not in step with the ticks
        watcher.Arm();
        double t0 = Now();
        e2e::KeyDown(VK_F11);
        bool seen = false;
        while (Now() - t0 < 2.0) {
            if (HasAlpha(target, 128)) {
                seen = true;
                break;
            }
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        double t1 = Now();
        e2e::KeyUp(VK_F11);
        if (seen)
            delays.push_back((t1 - t0) * 1000);
        else
            ++missed;
        if (watcher.SeenAt() > 0) keySeen.push_back((watcher.SeenAt() - t0) * 1000);
        e2e::PumpFor(30);
    }
    DestroyWindow(target);
    std::sort(delays.begin(), delays.end());
    if (delays.empty()) {
        std::printf("key down to alpha: never seen (%d presses)\n", presses);
        return;
    }
    auto at = [&](double q) { return Percentile(delays, q); };
    std::printf(
        "key down to alpha over %zu presses: median %.1f ms, 95th percentile %.1f ms (min %.1f,"
        " max %.1f, missed %d); 1 ms timer tick period %.1f ms\n",
        delays.size(), at(0.5), at(0.95), delays.front(), delays.back(), missed, tickMs);
    std::printf(
        "the same key-down seen by a 1 ms GetAsyncKeyState loop in another process: median %.1f "
        "ms, 95th"
        " percentile %.1f ms, max %.1f ms\n",
        Percentile(keySeen, 0.5), Percentile(keySeen, 0.95), Percentile(keySeen, 1.0));
}

void IdleCpu(int seconds) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring bareExe(self);
    bareExe = bareExe.substr(0, bareExe.find_last_of(L'\\') + 1) + L"bare_timer.exe";
    e2e::Process bare = e2e::Process::Start(bareExe, L"--bare-timer");
    e2e::PumpFor(1000);
    // The script reads both processes' CPU time at these two marks.
    std::printf("cpu: start\n");
    std::fflush(stdout);
    e2e::PumpFor(static_cast<DWORD>(seconds) * 1000);
    std::printf("cpu: end\n");
    std::fflush(stdout);
    e2e::PumpFor(3000);  // both still run while the script reads them
    bare.Kill();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"--bare-timer") return BareTimer();
    if (argc >= 2 && std::wstring(argv[1]) == L"--watch-key") return WatchKey();
    if (argc < 2) {
        std::fprintf(stderr, "usage: effects_bench.exe VITRANE_EXE [presses] [seconds]\n");
        return 2;
    }
    int presses = argc >= 3 ? _wtoi(argv[2]) : 60;
    int seconds = argc >= 4 ? _wtoi(argv[3]) : 30;
    e2e::FakeTray tray;
    e2e::ClearSettings();
    e2e::Process vitrane = e2e::Process::Start(argv[1]);
    if (!tray.WaitForEvent([](const e2e::TrayEvent& e) { return e.Op == NIM_ADD; })) {
        std::fprintf(stderr, "Vitrane added no tray icon\n");
        return 1;
    }
    double tickMs = TickPeriodMs();
    KeyToAlpha(presses, tickMs);
    IdleCpu(seconds);
    vitrane.Kill();
    e2e::ClearSettings();
    return 0;
}
