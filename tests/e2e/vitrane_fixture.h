// A test that starts the real Vitrane.exe on a clean store, with the
// stand-in tray watching.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "harness.h"

namespace e2e {

class VitraneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearSettings();
        tray_ = std::make_unique<FakeTray>();
    }
    void TearDown() override {
        vitrane_.Kill();
        // The companions it started, should a test have left one running.
        EndProcessesNamed(L"Corvel.exe");
        tray_.reset();
        ClearSettings();
    }

    // Starts Vitrane and waits for its tray icon; the main window's handle.
    HWND StartVitrane() {
        vitrane_ = Process::Start(ProgramPath(L"Vitrane.exe"));
        EXPECT_TRUE(vitrane_.Valid()) << "could not start Vitrane.exe from " << Narrow(BinDir())
                                      << " (error " << vitrane_.StartError() << ")";
        bool added = tray_->WaitForEvent([&](const TrayEvent& e) {
            return e.Op == NIM_ADD && ClassOf(e.Owner) == kVitraneClass;
        });
        EXPECT_TRUE(added) << "no tray icon was added";
        main_ = FindWindowOf(vitrane_.Pid(), kVitraneClass);
        return main_;
    }

    // Opens the tray menu as a right click does; true when it shows.
    bool OpenTrayMenu() {
        SendTrayNotification(main_, 512, WM_RBUTTONUP);
        return WaitFor([] { return OpenPopupMenu() != nullptr; }, 5000);
    }

    static std::string Narrow(const std::wstring& w) {
        std::string s;
        for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
        return s;
    }

    std::unique_ptr<FakeTray> tray_;
    Process vitrane_;
    HWND main_ = nullptr;
};

}  // namespace e2e
