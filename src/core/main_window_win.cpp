#include "core/main_window.h"

#include "common/message_filter.h"
#include "common/ui_texts.h"
#include "common/window_helpers.h"
#include "core/version_text.h"
#include "settings/options_dialog.h"

namespace core {
namespace {

enum TimerId : UINT_PTR { kPollTimer = 1, kGraphTimer = 2, kTrayRetryTimer = 3 };

HICON LoadAppIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

}  // namespace

MainWindow::MainWindow(settings::SettingsStore& store, cpumon::CpuCounters& counters,
                       common::FileVersion version, common::FunctionFinder user32)
    : store_(store),
      counters_(counters),
      fileVersion_(version),
      user32_(user32),
      staticIcon_(LoadAppIcon(GetSystemMetrics(SM_CXSMICON))),
      appIcon_(LoadAppIcon(GetSystemMetrics(SM_CXICON))),
      clips_(store),
      version_(core::VersionDialogTexts(version, common::kDefaultLanguage), appIcon_.get()) {
    if (!staticIcon_) staticIcon_.reset(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
}

// The parts that hold the window's timers and icon go before the window.
MainWindow::~MainWindow() {
    graph_.reset();
    tray_.reset();
}

bool MainWindow::Start() {
    RegisterClassOnce(kMainClassName, appIcon_.get(), staticIcon_.get(),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // A hidden top-level window: message-only windows miss the shell's broadcasts.
    if (!Create(0, kMainClassName, version_.Texts().Caption.c_str(),
                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT, 280, 120,
                nullptr, nullptr))
        return false;
    const settings::RunningSettings loaded = settings::LoadStartupSettings(store_);
    tray_.emplace(hwnd(), 0, kTrayCallback, kTrayRetryTimer);
    // Run with administrator rights (to act on elevated windows), Vitrane
    // still hears the shell: its restart and the icon's clicks.
    common::LetThroughFromLowerIntegrity(hwnd(), {tray_->ShellRestartMessage(), kTrayCallback},
                                         user32_);
    graph_.emplace(*tray_, counters_, kGraphTimer, staticIcon_.get());
    tray_->SetIcon(staticIcon_.get());
    processors_ = graph_->ProcessorCount();  // its first sample: later ones give the load
    ShowLanguage(loaded.Language);           // the tooltip the icon is added with
    tray_->Show();
    Apply(loaded);
    changer_.Load();
    companionWatch_.Start();
    SetPolling(true);
    return true;
}

void MainWindow::Apply(const settings::RunningSettings& s) {
    settings_ = s;
    if (s.Language != menu_->Language()) ShowLanguage(s.Language);
    menu_->CheckRate(s.AlphaIndex);
    graph_->Configure(s.CpuMonitor, s.CpuInterval, s.CpuDrawColour, s.CpuBackColour);
    fade_.Enable(s.SmoothAlpha);
    menu_->SetClipVisible(s.ClipMenu);
    clips_.Reload();
}

void MainWindow::ShowLanguage(common::Language language) {
    // The menu is made anew; Apply sets its check mark and clip submenu.
    menu_.reset();
    menu_.emplace(clips_.Handle(), language);
    clips_.SetLanguage(language);
    tray_->SetTip(TrayTooltip(fileVersion_, processors_, language));
    if (tray_->Added()) tray_->Modify();
    version_.SetTexts(hwnd(), VersionDialogTexts(fileVersion_, language));
}

void MainWindow::SetPolling(bool on) {
    polling_ = on;
    if (on)
        SetTimer(hwnd(), kPollTimer, 1, nullptr);
    else
        KillTimer(hwnd(), kPollTimer);
}

void MainWindow::ResumePolling() {
    // Polling stays off while either dialog is still open.
    if (!options_ && !IsWindowVisible(hwnd())) SetPolling(true);
}

void MainWindow::OnPollTick() {
    std::optional<effects::Notice> notice =
        hotkeys_.Poll(settings_.Hotkeys, settings_.AlphaIndex, settings_.TargetWhole);
    if (auto faded = fade_.Step(settings_.TargetWhole)) notice = faded;
    if (notice)
        notice_.Show(
            std::wstring(common::TextOf(settings_.Language, effects::NoticeText(*notice))));
}

void MainWindow::SelectRate(int index) {
    settings_.AlphaIndex = index;
    menu_->CheckRate(index);
    store_.Write(settings::Key::Alpha, std::to_wstring(index));
    // An open options dialog would otherwise store its own rate over it.
    if (options_) options_->ShowRate(index);
}

void MainWindow::AddClip() {
    std::optional<std::wstring> added = clips_.AddEntry(hwnd());
    // Likewise its clip list, which OK stores.
    if (added && options_) options_->AppendClipEntry(*added);
}

void MainWindow::OpenOptions() {
    // One dialog at a time: choosing the item again brings the open one forward.
    if (options_) {
        options_->BringToFront();
        return;
    }
    auto dialog = std::make_unique<settings::OptionsDialog>(store_, settings_.Language);
    SetPolling(false);
    bool running = true;
    if (dialog->Create(hwnd())) {
        options_ = dialog.get();
        running = dialog->ShowModal();
        options_ = nullptr;
    }
    dialog.reset();
    if (!running || !hwnd()) return;  // 終了 was chosen meanwhile: nothing more to apply
    ResumePolling();
    // Whatever closed the dialog, the store is read again over what is in
    // force, and the rate in force is stored.
    Apply(settings::ApplyStored(store_, settings_));
    SelectRate(settings_.AlphaIndex);
}

void MainWindow::ShowVersion() {
    SetPolling(false);
    version_.Show(hwnd());
}

void MainWindow::HideVersion() {
    version_.Hide(hwnd());
    ResumePolling();
}

void MainWindow::RestoreAll() {
    changer_.RestoreAll();
    effects::ReleaseAllParked();
}

void MainWindow::Quit() {
    tray_->Delete();
    DestroyWindow(hwnd());
}

void MainWindow::OnTrayNotify(UINT mouseMessage) {
    // The menu opens on the right button's release (and on the keyboard's
    // context menu), never while the window is shown as the version dialog.
    if (mouseMessage != WM_RBUTTONUP && mouseMessage != WM_CONTEXTMENU) return;
    if (IsWindowVisible(hwnd()) || menuOpen_) return;
    menuOpen_ = true;
    UINT cmd = menu_->Track(hwnd());
    menuOpen_ = false;
    if (cmd) RunCommand(cmd);
}

void MainWindow::RunCommand(UINT id) {
    if (int rate = TrayMenu::RateOf(id); rate >= 0) {
        SelectRate(rate);
    } else if (id == clip::kClipAddCommand) {
        AddClip();
    } else if (clips_.Run(id, hwnd())) {
    } else if (id == kMenuRestoreAll) {
        RestoreAll();
    } else if (id == kMenuOptions) {
        OpenOptions();
    } else if (id == kMenuVersion) {
        ShowVersion();
    } else if (id == kMenuExit) {
        // Only this way out gives everything back first, and only when asked.
        if (settings_.RestoreOnExit) RestoreAll();
        Quit();
    } else if (id == kVersionOK) {
        HideVersion();
    }
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (tray_ && tray_->HandleMessage(msg, wp)) return 0;
    switch (msg) {
        case kTrayCallback:
            // The tray's notification carries the mouse message in lParam.
            if (!IsWindowVisible(hwnd())) OnTrayNotify(static_cast<UINT>(lp));
            return 0;
        case WM_TIMER:
            if (wp == kPollTimer) {
                OnPollTick();
            } else if (wp == kGraphTimer) {
                graph_->OnGraphTick();
            }
            return 0;
        case WM_COMMAND:
            RunCommand(LOWORD(wp));
            return 0;
        case common::kWmDpiChanged:
            version_.OnDpiChanged(hwnd(), HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_DRAWITEM:
            if (version_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_CLOSE:
            // The close box of the version dialog hides it and the program
            // goes on; sent to the hidden window (a graceful taskkill, an
            // uninstaller) it ends the program.
            if (IsWindowVisible(hwnd()))
                HideVersion();
            else
                Quit();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (!wp) return 0;
            // An installer closing the application while the shell stays
            // takes the icon away; at log-off or shutdown it is left to the shell.
            if (lp & ENDSESSION_CLOSEAPP) {
                Quit();
            } else {
                tray_->Abandon();
                DestroyWindow(hwnd());
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Default(msg, wp, lp);
}

}  // namespace core
