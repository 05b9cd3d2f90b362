// Figures for the CPU graph tray icon under Wine.
//   cpugraph_bench.exe VITRANE_EXE|- [ticks]  the real program at the shortest
//       interval: memory before and after, tick rate; then the cost of one
//       tick measured in this process with the same graph code.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "common/tray_icon.h"
#include "cpumon/cpu_graph.h"
#include "cpumon/cpu_load.h"
#include "cpumon/graph_icon.h"
#include "cpumon/system_cpu_counters.h"
#include "harness.h"

namespace {

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

void PrintMemory(const char* when, HANDLE process) {
    PROCESS_MEMORY_COUNTERS_EX m{};
    m.cb = sizeof(m);
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof(m));
    std::printf(
        "memory %s: working set %zu KB, private %zu KB, GDI objects %lu, USER objects %lu\n", when,
        m.WorkingSetSize / 1024, m.PrivateUsage / 1024, GetGuiResources(process, GR_GDIOBJECTS),
        GetGuiResources(process, GR_USEROBJECTS));
    std::printf("marker: %s\n", when);
    std::fflush(stdout);
}

// Counts the program's modifies, dropping the recorded events as it goes.
size_t CountModifies(e2e::FakeTray& tray, size_t want, DWORD timeoutMs) {
    size_t seen = 0;
    DWORD start = GetTickCount();
    while (seen < want && GetTickCount() - start < timeoutMs) {
        e2e::WaitFor([&] { return seen + tray.EventsOfOp(NIM_MODIFY).size() >= want; }, 1000);
        seen += tray.EventsOfOp(NIM_MODIFY).size();
        tray.Clear();
    }
    return seen;
}

void RealProgram(const std::wstring& exe, size_t ticks, e2e::FakeTray& tray) {
    e2e::ClearSettings();
    e2e::WriteSetting(L"USE_CPU_MON", L"1");
    e2e::WriteSetting(L"CPU_TIME", L"1");  // the shortest interval
    e2e::Process p = e2e::Process::Start(exe);
    if (!tray.WaitForEvent([](const e2e::TrayEvent& e) { return e.Op == NIM_ADD; })) {
        std::printf("Vitrane added no tray icon\n");
        return;
    }
    CountModifies(tray, 500, 60000);  // warm-up: first allocations, caches
    PrintMemory("before", p.Handle());
    double t0 = Now();
    size_t done = CountModifies(tray, ticks, 1800000);
    double t1 = Now();
    PrintMemory("after", p.Handle());
    e2e::PumpFor(3000);  // the script reads the program's figures at the marker
    std::printf("ticks: %zu in %.1f s (%.0f a second)\n", done, t1 - t0, double(done) / (t1 - t0));
    std::fflush(stdout);
    p.Kill();
    e2e::ClearSettings();
}

void InProcessTick(size_t ticks) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    common::TrayIcon tray(owner, 0, WM_MOUSEMOVE, 1);
    cpumon::SystemCpuCounters counters;
    cpumon::CpuLoadMeter meter;
    cpumon::GraphIconMaker maker;
    cpumon::CpuHistory16 history{};
    common::unique_hicon shown;
    meter.GetCpuLoad(counters);
    tray.Show();
    double sample = 0, render = 0, icon = 0, shell = 0;
    for (size_t i = 0; i < ticks; ++i) {
        double a = Now();
        cpumon::PushLoad(history, meter.GetCpuLoad(counters));
        double b = Now();
        cpumon::Pixels16 px = cpumon::RenderCpuGraph(history, 0x00FF00, 0);
        double c = Now();
        common::unique_hicon next = maker.Make(px);
        double d = Now();
        tray.SetIcon(next.get());
        tray.Modify(true);
        shown = std::move(next);
        double e = Now();
        sample += b - a;
        render += c - b;
        icon += d - c;
        shell += e - d;
        if (i % 256 == 0) e2e::PumpFor(0);
    }
    double n = double(ticks) / 1e6;
    std::printf(
        "one tick in process (%zu ticks): %.1f us = sample %.1f + raster %.1f + icon %.1f "
        "+ shell call %.1f us\n",
        ticks, (sample + render + icon + shell) / n, sample / n, render / n, icon / n, shell / n);
    tray.Delete();
    DestroyWindow(owner);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::printf("usage: cpugraph_bench.exe VITRANE_EXE|- [ticks]\n");
        return 2;
    }
    size_t ticks = argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : 20000;
    e2e::FakeTray tray;
    // "-" skips the real program: the cost of one tick only.
    if (std::wstring(argv[1]) != L"-") RealProgram(argv[1], ticks, tray);
    InProcessTick(ticks);
    return 0;
}
