// Tests that run the real Corvel.exe on windows the driver owns, with the
// stand-in tray watching.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

inline constexpr UINT kCorvelCallback = WM_USER + 1;
inline constexpr UINT kCorvelRelease = WM_USER + 2;
inline constexpr const wchar_t* kCorvelClass = L"CorvelParkingWindow";

// A window of the driver's own for Corvel to park. Its thread is the test's,
// so the test must pump (WaitFor, PumpFor) while Corvel shows or hides it.
class TargetWindow {
  public:
    explicit TargetWindow(const std::wstring& title, bool withSmallIcon = true);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // The handle as Vitrane passes it: 32-bit signed decimal.
    std::wstring HandleText() const;
    bool Shown() const { return IsWindowVisible(hwnd_) && !IsIconic(hwnd_); }
    bool Parked() const { return !IsWindowVisible(hwnd_) && IsIconic(hwnd_); }
    void Destroy();

  private:
    HWND hwnd_ = nullptr;
};

// Which of the five frames a tray icon shows, told by the top row of the
// window icon standing in the tray (5 - frame); 0 if none is found.
int FrameShown(const TrayIconPixels& icon);

class CorvelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearParked();
        tray_ = std::make_unique<FakeTray>();
    }
    void TearDown() override {
        corvel_.Kill();
        tray_.reset();
        ClearParked();
    }

    // Starts Corvel.exe for the target and waits for its icon; its window.
    HWND StartCorvel(const TargetWindow& target) { return StartCorvelFor(target.HandleText()); }
    HWND StartCorvelFor(const std::wstring& handleText);
    Process Launch(const std::wstring& args) const {
        return Process::Start(ProgramPath(L"Corvel.exe"), args);
    }

    // The frames of the icon operations of `owner` since the tray was last
    // cleared, in order (NIM_MODIFY unless told).
    std::vector<int> FramesOf(HWND owner, DWORD op = NIM_MODIFY) const;
    bool WaitForFrames(HWND owner, const std::vector<int>& frames) const;
    bool WaitForDelete(HWND owner) const;

    // Parks the target through its own minimize and waits for the sunk icon.
    void ParkByMinimize(const TargetWindow& target, HWND corvel);

    static std::string Narrow(const std::wstring& w);

    std::unique_ptr<FakeTray> tray_;
    Process corvel_;
};

}  // namespace e2e
