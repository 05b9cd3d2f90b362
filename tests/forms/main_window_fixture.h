// The main window built in this process on an in-memory store.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clip/input_box.h"
#include "support/memory_store.h"
#include "core/main_window.h"
#include "harness.h"
#include "settings/options_dialog.h"
#include "settings/settings_store.h"

namespace forms {

struct FixedCounters : cpumon::CpuCounters {
    uint64_t total = 1'000'000'000;
    std::optional<cpumon::CpuTimes> Times() override {
        return cpumon::CpuTimes{0, total += 10'000'000};  // never idle
    }
    std::optional<uint32_t> ProcessorCount() override { return 2; }
};

struct MenuItem {
    std::wstring Text;  // "-" for a separator
    bool Checked = false;
    HMENU Sub = nullptr;
};

inline std::vector<MenuItem> Items(HMENU menu) {
    std::vector<MenuItem> out;
    int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        wchar_t buf[512] = L"";
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        mii.dwTypeData = buf;
        mii.cch = 512;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
        MenuItem item;
        item.Text = (mii.fType & MFT_SEPARATOR) ? L"-" : buf;
        item.Checked = (mii.fState & MFS_CHECKED) != 0;
        item.Sub = mii.hSubMenu;
        out.push_back(item);
    }
    return out;
}

inline std::vector<std::wstring> Texts(HMENU menu) {
    std::vector<std::wstring> out;
    for (const auto& i : Items(menu)) out.push_back(i.Text);
    return out;
}

// What the clip input box "入力" showed, and what to do with it.
struct BoxScript {
    explicit BoxScript(const wchar_t* answer) : entered(answer) {}
    const wchar_t* entered;  // nullptr: Cancel
    std::wstring proposed;
    bool seen = false;
};
inline BoxScript* g_boxScript = nullptr;

// Answers the box from inside its modal loop.
inline void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"入力");
    if (!box || !IsWindowVisible(box)) return;
    KillTimer(nullptr, timer);
    HWND edit = GetDlgItem(box, clip::kInputBoxEdit);
    g_boxScript->proposed = e2e::WindowText(edit);
    g_boxScript->seen = true;
    if (g_boxScript->entered) {
        SetWindowTextW(edit, g_boxScript->entered);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    } else {
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
}

// The next input box this thread shows is answered by `script`.
inline void AnswerNextBox(BoxScript& script) {
    g_boxScript = &script;
    SetTimer(nullptr, 0, 20, &AnswerBox);
}

// Runs `act` from inside the options dialog's own message loop, once it is open.
inline std::function<void()> gWhileOpen;
inline void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto act = std::move(gWhileOpen);
    if (act) act();
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { tray_ = std::make_unique<e2e::FakeTray>(); }

    core::MainWindow& Load(common::FunctionFinder user32 = common::FindUser32Function) {
        window_ = std::make_unique<core::MainWindow>(store_, counters_,
                                                     common::FileVersion{1, 40, 0, 0}, user32);
        EXPECT_TRUE(window_->Start());
        return *window_;
    }

    // OpenOptions with `act` done to the open dialog; `act` must close it.
    void Choose(std::function<void(settings::OptionsDialog&)> act) {
        auto& window = *window_;
        gWhileOpen = [&window, act] {
            ASSERT_NE(window.Options(), nullptr);
            act(*window.Options());
        };
        SetTimer(nullptr, 0, 20, &RunWhileOpen);
        window.OpenOptions();
        EXPECT_EQ(window.Options(), nullptr) << "released when it closes";
    }
    static void Press(settings::OptionsDialog& d, int id) {
        SendMessageW(d.Control(id), BM_CLICK, 0, 0);
    }

    settings::MemoryStore store_;
    FixedCounters counters_;
    std::unique_ptr<e2e::FakeTray> tray_;
    std::unique_ptr<core::MainWindow> window_;
};

// The main window, and a popup of this process at (300, 300), 300 x 200,
// under the points the tests press at.
class MainWindowOverTarget : public MainWindowTest {
  protected:
    void ShowTarget(const wchar_t* className, DWORD style) {
        target_ = CreateWindowExW(0, className, L"target", WS_POPUP | WS_VISIBLE | style, 300, 300,
                                  300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        e2e::PumpFor(100);
    }
    void TearDown() override {
        e2e::MouseButton(MOUSEEVENTF_MIDDLEUP);
        e2e::PumpFor(50);
        window_.reset();
        DestroyWindow(target_);
    }

    HWND target_ = nullptr;
};

}  // namespace forms
