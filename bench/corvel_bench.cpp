// Figures for Corvel under Wine: time from start to the tray add, and CPU
// time while a window is parked, beside a bare 1 ms timer program.
// Usage: corvel_bench.exe CORVEL_EXE [seconds]    corvel_bench.exe --bare-timer
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) / double(f.QuadPart);
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    auto v = [](FILETIME t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(v(kernel) + v(user)) / 1e7;
}

int BareTimer() {
    HWND w = CreateWindowExW(0, L"STATIC", L"bare", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetTimer(w, 1, 1, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

HWND MakeTarget() {
    HWND w = CreateWindowExW(0, L"STATIC", L"bench target", WS_OVERLAPPEDWINDOW, 50, 50, 300, 200,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNORMAL);
    e2e::PumpFor(100);
    return w;
}

std::wstring HandleText(HWND w) {
    return std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(w)));
}

void StartToAdd(const std::wstring& corvel, e2e::FakeTray& tray) {
    std::vector<double> times;
    for (int i = 0; i < 10; ++i) {
        HWND target = MakeTarget();
        tray.Clear();
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        e2e::Process p = e2e::Process::Start(corvel, HandleText(target));
        bool added = false;
        e2e::WaitFor([&] {
            for (const auto& e : tray.Events())
                if (e.Op == NIM_ADD) added = true;
            return added;
        });
        QueryPerformanceCounter(&t1);
        if (added) times.push_back(Seconds(t0, t1) * 1000);
        p.Kill();
        DestroyWindow(target);
    }
    std::sort(times.begin(), times.end());
    if (times.empty()) {
        std::printf("start to tray add: no icon was added\n");
        return;
    }
    std::fflush(stdout);
    std::printf("start to tray add: median %.1f ms (min %.1f, max %.1f, %zu runs)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
}

void ParkedCpu(const std::wstring& corvel, e2e::FakeTray& tray, int seconds) {
    HWND target = MakeTarget();
    e2e::Process p = e2e::Process::Start(corvel, HandleText(target));
    e2e::WaitFor([&] { return !tray.EventsOfOp(NIM_ADD).empty(); });
    ShowWindow(target, SW_MINIMIZE);
    e2e::WaitFor([&] { return !IsWindowVisible(target); });
    e2e::PumpFor(1000);  // the sink animation is over

    // The bare timer runs as its own copy of this program, so that the
    // script can tell the two apart by name on the Linux side as well.
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring bareExe(self);
    bareExe = bareExe.substr(0, bareExe.find_last_of(L'\\') + 1) + L"bare_timer.exe";
    e2e::Process bare = e2e::Process::Start(bareExe, L"--bare-timer");
    e2e::PumpFor(1000);
    double c0 = CpuSeconds(p.Handle()), b0 = CpuSeconds(bare.Handle());
    std::printf("cpu: start\n");
    std::fflush(stdout);
    e2e::PumpFor(static_cast<DWORD>(seconds) * 1000);
    double c = CpuSeconds(p.Handle()) - c0, b = CpuSeconds(bare.Handle()) - b0;
    std::printf("cpu: end\n");
    std::fflush(stdout);
    e2e::PumpFor(2000);  // both still run while the script takes its figures
    std::printf(
        "CPU over %d s as Windows reports it: Corvel %.3f s, bare 1 ms timer %.3f s, ratio %.2f\n",
        seconds, c, b, b > 0 ? c / b : 0.0);
    std::printf("still parked: %s\n", IsIconic(target) && !IsWindowVisible(target) ? "yes" : "no");
    p.Kill();
    bare.Kill();
    DestroyWindow(target);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2 && std::wstring(argv[1]) == L"--bare-timer") return BareTimer();
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvel_bench.exe CORVEL_EXE [seconds]\n");
        return 2;
    }
    int seconds = argc >= 3 ? _wtoi(argv[2]) : 30;
    e2e::FakeTray tray;
    StartToAdd(argv[1], tray);
    ParkedCpu(argv[1], tray, seconds);
    return 0;
}
