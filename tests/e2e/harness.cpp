#include "harness.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>
#include <utility>

namespace e2e {

std::wstring BinDir() {
    wchar_t buf[MAX_PATH * 2] = L"";
    DWORD n = GetEnvironmentVariableW(L"VITRANE_BIN_DIR", buf, MAX_PATH * 2);
    std::wstring dir(buf, n);
    if (!dir.empty() && dir.back() != L'\\') dir += L'\\';
    return dir;
}

std::wstring ProgramPath(const wchar_t* exeName) {
    return BinDir() + exeName;
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (true) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// ---- Process ----

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)),
      pid_(std::exchange(other.pid_, 0)),
      startError_(other.startError_) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = std::exchange(other.process_, nullptr);
        pid_ = std::exchange(other.pid_, 0);
        startError_ = other.startError_;
    }
    return *this;
}

Process::~Process() {
    Kill();
}

void EndProcessesNamed(const wchar_t* exeName) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof(pe);
    for (BOOL ok = Process32FirstW(snap, &pe); ok; ok = Process32NextW(snap, &pe)) {
        if (_wcsicmp(pe.szExeFile, exeName) != 0) continue;
        if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pe.th32ProcessID)) {
            TerminateProcess(p, 255);
            WaitForSingleObject(p, 5000);
            CloseHandle(p);
        }
    }
    CloseHandle(snap);
}

Process Process::Start(const std::wstring& path, const std::wstring& args) {
    std::wstring cmd = L"\"" + path + L"\"";
    if (!args.empty()) cmd += L" " + args;
    return StartCommandLine(path, cmd);
}

Process Process::StartCommandLine(const std::wstring& path, const std::wstring& commandLine) {
    Process p;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    // Under load Wine now and then refuses a start for a moment; the start
    // itself is not what the tests are about.
    for (int attempt = 0; attempt < 3 && !p.process_; ++attempt) {
        if (attempt > 0) PumpFor(500);
        std::wstring cmd = commandLine;
        if (CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &si, &pi)) {
            CloseHandle(pi.hThread);
            p.process_ = pi.hProcess;
            p.pid_ = pi.dwProcessId;
        } else {
            p.startError_ = GetLastError();
        }
    }
    return p;
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(DWORD timeoutMs) {
    if (!process_) return true;
    return WaitFor([&] { return !Running(); }, timeoutMs);
}

std::optional<DWORD> Process::ExitCode() const {
    DWORD code = 0;
    if (!process_ || Running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
    return code;
}

void Process::Kill() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 255);
        WaitFor([&] { return !Running(); }, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
    pid_ = 0;
}

// ---- windows ----

namespace {
struct EnumState {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* st = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == st->pid && (!st->cls || ClassOf(hwnd) == st->cls)) st->found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD pid, const wchar_t* className) {
    EnumState st{pid, className, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&st));
    return st.found;
}

HWND FindWindowOf(DWORD pid, const wchar_t* className, const wchar_t* title) {
    for (HWND h : WindowsOf(pid, className))
        if (!title || WindowText(h) == title) return h;
    return nullptr;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t buf[1024] = L"";
    // WM_GETTEXT works across processes, also for controls.
    LRESULT n = SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buf[256] = L"";
    int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

// ---- settings ----

namespace {
constexpr const wchar_t* kSettingsKey = L"Software\\hollin\\LayeredWindow";
constexpr const wchar_t* kParkedKey = L"Software\\hollin\\LayeredWindow\\Parked";
constexpr const wchar_t* kChangedKey = L"Software\\hollin\\LayeredWindow\\Changed";
}  // namespace

void ClearSettings() {
    // The key goes only without subkeys.
    ClearParked();
    ClearChanged();
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
}

void ClearParked() {
    RegDeleteKeyW(HKEY_CURRENT_USER, kParkedKey);
}

void ClearChanged() {
    RegDeleteKeyW(HKEY_CURRENT_USER, kChangedKey);
}

namespace {

std::map<std::wstring, std::wstring> ValuesOf(const wchar_t* path) {
    std::map<std::wstring, std::wstring> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        wchar_t data[256] = L"";
        DWORD nameLength = 256, bytes = sizeof(data) - sizeof(wchar_t), type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &bytes) != ERROR_SUCCESS)
            break;
        values[std::wstring(name, nameLength)] = type == REG_SZ ? data : L"(not text)";
    }
    RegCloseKey(key);
    return values;
}

void WriteValue(const wchar_t* path, DWORD options, const std::wstring& name,
                const std::wstring& data) {
    // The settings key stays an ordinary one, as the programs leave it.
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    RegCloseKey(key);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, options, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

std::map<std::wstring, std::wstring> ParkedValues() {
    return ValuesOf(kParkedKey);
}

void WriteParkedValue(const std::wstring& name, const std::wstring& data) {
    WriteValue(kParkedKey, REG_OPTION_VOLATILE, name, data);
}

std::map<std::wstring, std::wstring> ChangedValues() {
    return ValuesOf(kChangedKey);
}

void WriteChangedValue(const std::wstring& name, const std::wstring& data, bool isVolatile) {
    WriteValue(kChangedKey, isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE, name, data);
}

std::optional<FILETIME> ChangedLastWrite() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kChangedKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    FILETIME written{};
    LONG r = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, &written);
    RegCloseKey(key);
    if (r != ERROR_SUCCESS) return std::nullopt;
    return written;
}

void CreateOrdinaryParkedKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kParkedKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

bool ParkedKeyIsVolatile() {
    HKEY parked = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kParkedKey, 0, KEY_CREATE_SUB_KEY, &parked) !=
        ERROR_SUCCESS)
        return false;
    HKEY probe = nullptr;
    LONG r = RegCreateKeyExW(parked, L"probe", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                             nullptr, &probe, nullptr);
    if (probe) {
        RegCloseKey(probe);
        RegDeleteKeyW(parked, L"probe");
    }
    RegCloseKey(parked);
    return r == ERROR_CHILD_MUST_BE_VOLATILE;
}

namespace {

void WriteUserValue(const wchar_t* subKey, const wchar_t* name, const std::wstring& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::optional<std::wstring> ReadUserValue(const wchar_t* subKey, const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, bytes = 0;
    std::optional<std::wstring> out;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        type == REG_SZ) {
        std::wstring buf(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                             &bytes) == ERROR_SUCCESS) {
            buf.resize(wcslen(buf.c_str()));
            out = buf;
        }
    }
    RegCloseKey(key);
    return out;
}

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"Vitrane";

}  // namespace

void WriteSetting(const wchar_t* name, const std::wstring& value) {
    WriteUserValue(kSettingsKey, name, value);
}

std::optional<std::wstring> ReadSetting(const wchar_t* name) {
    return ReadUserValue(kSettingsKey, name);
}

std::optional<std::wstring> ReadRunValue() {
    return ReadUserValue(kRunKey, kRunValue);
}

void WriteRunValue(const std::wstring& value) {
    WriteUserValue(kRunKey, kRunValue, value);
}

void DeleteRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, kRunValue);
    RegCloseKey(key);
}

// ---- input ----

namespace {
void SendKey(WORD vk, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
}
}  // namespace

void KeyDown(WORD vk) {
    SendKey(vk, 0);
}
void KeyUp(WORD vk) {
    SendKey(vk, KEYEVENTF_KEYUP);
}
void Tap(WORD vk) {
    KeyDown(vk);
    KeyUp(vk);
}

void MouseButton(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof(in));
}

void MoveCursor(int x, int y) {
    SetCursorPos(x, y);
}

// ---- the stand-in tray ----

namespace {

// The layout Wine's shell32 sends with WM_COPYDATA.
struct NotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeout;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    UINT width;
    UINT height;
    UINT planes;
    UINT bpp;
};

std::optional<TrayIconPixels> DecodeIcon(const NotifyData& d, const unsigned char* bits,
                                         size_t size) {
    if (!(d.uFlags & NIF_ICON) || d.width == 0 || d.height == 0 || d.width > 256 || d.height > 256)
        return std::nullopt;
    int w = static_cast<int>(d.width), h = static_cast<int>(d.height);
    // Rows of both bitmaps are padded to 16 bits, as GetBitmapBits gives them.
    size_t maskStride = (static_cast<size_t>(w) + 15) / 16 * 2;
    size_t maskBytes = maskStride * static_cast<size_t>(h);
    if (d.bpp != 32 && d.bpp != 24) return std::nullopt;
    size_t px = d.bpp / 8;
    size_t colourStride = (static_cast<size_t>(w) * px + 1) / 2 * 2;
    if (size < maskBytes + colourStride * static_cast<size_t>(h)) return std::nullopt;
    TrayIconPixels icon;
    icon.Width = w;
    icon.Height = h;
    const unsigned char* colour = bits + maskBytes;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned char* p =
                colour + static_cast<size_t>(y) * colourStride + static_cast<size_t>(x) * px;
            icon.Colour.push_back((uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]);
            unsigned char m =
                bits[static_cast<size_t>(y) * maskStride + static_cast<size_t>(x) / 8];
            icon.Transparent.push_back((m & (0x80 >> (x % 8))) != 0);
        }
    }
    return icon;
}

}  // namespace

bool RegisterTestClass(const wchar_t* name, WNDPROC proc, HICON smallIcon, HICON bigIcon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hIcon = bigIcon;
    wc.hIconSm = smallIcon;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::vector<uint32_t> Pixels16(HBITMAP bitmap) {
    std::vector<uint32_t> px(256, 0);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 16;
    bi.bmiHeader.biHeight = -16;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, 16, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    return px;
}

FakeTray::FakeTray() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &FakeTray::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Shell_TrayWnd";
    RegisterClassExW(&wc);  // fails harmlessly when already registered
    hwnd_ = CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Wine's own notification area may be created after ours: stay first.
    WaitFor(
        [&] {
            if (FindWindowExW(nullptr, nullptr, L"Shell_TrayWnd", nullptr) == hwnd_) return true;
            SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return false;
        },
        10000);
}

FakeTray::~FakeTray() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

LRESULT CALLBACK FakeTray::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<FakeTray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_COPYDATA && self) {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        if (!cds || cds->cbData < sizeof(NotifyData)) return FALSE;
        NotifyData d;
        std::memcpy(&d, cds->lpData, sizeof(d));
        TrayEvent e;
        e.Op = static_cast<DWORD>(cds->dwData);
        e.Owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(d.hWnd));
        e.Id = d.uID;
        e.Flags = d.uFlags;
        e.CallbackMessage = d.uCallbackMessage;
        if (d.uFlags & NIF_TIP) e.Tip.assign(d.szTip, wcsnlen(d.szTip, 128));
        e.Icon = DecodeIcon(d, static_cast<const unsigned char*>(cds->lpData) + sizeof(d),
                            cds->cbData - sizeof(d));
        self->events_.push_back(std::move(e));
        DWORD op = static_cast<DWORD>(cds->dwData);
        return op < 8 ? self->answers_[op] : TRUE;
    }
    (void)wp;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::vector<TrayEvent> FakeTray::EventsOf(HWND owner, std::optional<DWORD> op) const {
    std::vector<TrayEvent> out;
    for (const auto& e : events_)
        if (e.Owner == owner && (!op || e.Op == *op)) out.push_back(e);
    return out;
}

std::vector<TrayEvent> FakeTray::EventsOfOp(DWORD op) const {
    std::vector<TrayEvent> out;
    for (const auto& e : events_)
        if (e.Op == op) out.push_back(e);
    return out;
}

void FakeTray::SetAnswer(DWORD op, BOOL answer) {
    if (op < 8) answers_[op] = answer;
}

bool FakeTray::WaitForEvent(const std::function<bool(const TrayEvent&)>& match, DWORD timeoutMs) {
    return WaitFor(
        [&] {
            for (const auto& e : events_)
                if (match(e)) return true;
            return false;
        },
        timeoutMs);
}

void SendTrayNotification(HWND owner, UINT callback, UINT mouseMessage, UINT id) {
    PostMessageW(owner, callback, id, mouseMessage);
}

HWND OpenPopupMenu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

}  // namespace e2e
