// A stand-in for Corvel.exe that starts slowly: it appends its command line
// to starts.txt beside itself, waits, then shows the caption Vitrane looks
// for, and ends on the release message or after a while.
#include <windows.h>

#include <string>

namespace {

void RecordStart() {
    wchar_t self[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
    std::wstring log(self, n);
    log = log.substr(0, log.find_last_of(L'\\') + 1) + L"starts.txt";
    HANDLE f = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
    DWORD written = 0;
    WriteFile(f, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(f);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER + 2 || msg == WM_TIMER) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR args, int) {
    RecordStart();
    Sleep(1500);  // far longer than a tick: a busy machine's start-up
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = inst;
    wc.lpszClassName = L"CorvelParkingWindow";
    RegisterClassW(&wc);
    std::wstring caption = std::wstring(L"Corvel-") + args;
    HWND w = CreateWindowExW(0, wc.lpszClassName, caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, inst, nullptr);
    SetTimer(w, 1, 20000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
