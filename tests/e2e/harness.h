// What the Windows test drivers share: starting and ending the programs,
// waiting while pumping messages, the settings in the registry, input, and
// a stand-in notification area that sees every icon operation.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Folder of Vitrane.exe and Corvel.exe (VITRANE_BIN_DIR).
std::wstring BinDir();
std::wstring ProgramPath(const wchar_t* exeName);

// Waits until `done` holds or the time-out passes, pumping this thread's
// messages all along (the stand-in tray answers sent messages only then).
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Pumps messages for a while (only where the absence of something is tested).
void PumpFor(DWORD ms);

class Process {
  public:
    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();  // ends the process if it still runs

    // Starts `path` with the command line `"path" args` (args may be empty).
    static Process Start(const std::wstring& path, const std::wstring& args = L"");
    // Starts with exactly this command line.
    static Process StartCommandLine(const std::wstring& path, const std::wstring& commandLine);

    bool Valid() const { return process_ != nullptr; }
    DWORD StartError() const { return startError_; }  // GetLastError of a failed start
    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    bool Running() const;
    bool WaitExit(DWORD timeoutMs = 10000);  // pumps messages
    std::optional<DWORD> ExitCode() const;
    void Kill();

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD startError_ = 0;
};

// Ends every process of that program file name. A test leaves none behind:
// under Wine a process whose starter was ended while starting it may never
// run nor end, and it would keep the test runner waiting on the output it
// inherited.
void EndProcessesNamed(const wchar_t* exeName);

// Top-level windows of a process (visible or not), optionally of one class.
std::vector<HWND> WindowsOf(DWORD pid, const wchar_t* className = nullptr);
HWND FindWindowOf(DWORD pid, const wchar_t* className, const wchar_t* title = nullptr);
std::wstring WindowText(HWND hwnd);
std::wstring ClassOf(HWND hwnd);

// Registers a class for the tests' own windows (arrow cursor, window-coloured
// background); true when it is registered, now or before.
bool RegisterTestClass(const wchar_t* name, WNDPROC proc = DefWindowProcW,
                       HICON smallIcon = nullptr, HICON bigIcon = nullptr);
// A 16 x 16 bitmap's pixels, top-down, as 32-bit 0x00RRGGBB values.
std::vector<uint32_t> Pixels16(HBITMAP bitmap);

// Settings of HKCU\Software\hollin\LayeredWindow.
void ClearSettings();
void WriteSetting(const wchar_t* name, const std::wstring& value);
std::optional<std::wstring> ReadSetting(const wchar_t* name);

// The value Vitrane under HKCU\Software\Microsoft\Windows\CurrentVersion\Run.
std::optional<std::wstring> ReadRunValue();
void WriteRunValue(const std::wstring& value);
void DeleteRunValue();

// The records of parked windows beside them (the Parked subkey), name to text.
void ClearParked();
std::map<std::wstring, std::wstring> ParkedValues();
void WriteParkedValue(const std::wstring& name, const std::wstring& data);
// The Parked key made as an ordinary key, as importing a .reg export makes it.
void CreateOrdinaryParkedKey();
// Whether the Parked key exists and is volatile (it then refuses ordinary subkeys).
bool ParkedKeyIsVolatile();

// The records of windows Vitrane changed (the Changed subkey), name to text.
void ClearChanged();
std::map<std::wstring, std::wstring> ChangedValues();
void WriteChangedValue(const std::wstring& name, const std::wstring& data, bool isVolatile = true);
// When the key was last written to.
std::optional<FILETIME> ChangedLastWrite();

// Input as a user gives it.
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void Tap(WORD vk);
void MouseButton(DWORD flag);  // MOUSEEVENTF_MIDDLEDOWN and the like
void MoveCursor(int x, int y);

struct TrayIconPixels {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Colour;   // 0x00RRGGBB, top-down
    std::vector<bool> Transparent;  // the AND mask
    uint32_t At(int x, int y) const { return Colour[static_cast<size_t>(y * Width + x)]; }
    bool ClearAt(int x, int y) const { return Transparent[static_cast<size_t>(y * Width + x)]; }
};

struct TrayEvent {
    DWORD Op = 0;  // NIM_ADD, NIM_MODIFY, NIM_DELETE, ...
    HWND Owner = nullptr;
    UINT Id = 0, Flags = 0, CallbackMessage = 0;
    std::wstring Tip;
    std::optional<TrayIconPixels> Icon;
};

// A window of the class the shell's notification area has; Wine's
// Shell_NotifyIcon hands every operation to the first such window.
class FakeTray {
  public:
    FakeTray();
    ~FakeTray();
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;

    HWND Hwnd() const { return hwnd_; }
    const std::vector<TrayEvent>& Events() const { return events_; }
    void Clear() { events_.clear(); }
    // Events of one owner window and/or operation.
    std::vector<TrayEvent> EventsOf(HWND owner, std::optional<DWORD> op = std::nullopt) const;
    std::vector<TrayEvent> EventsOfOp(DWORD op) const;
    // What the caller of Shell_NotifyIcon gets for this operation.
    void SetAnswer(DWORD op, BOOL answer);
    // Waits for a first event that matches.
    bool WaitForEvent(const std::function<bool(const TrayEvent&)>& match, DWORD timeoutMs = 10000);

  private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    std::vector<TrayEvent> events_;
    BOOL answers_[8] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
};

// Vitrane's hidden main window (found by its class).
inline constexpr const wchar_t* kVitraneClass = L"Vitrane.MainWindow";

// Sends the tray's notification as the shell would (callback message 512,
// the mouse message in lParam).
void SendTrayNotification(HWND owner, UINT callback, UINT mouseMessage, UINT id = 0);

// The visible popup menu window, if any.
HWND OpenPopupMenu();

}  // namespace e2e
