// The tray key: one companion per window, started from Vitrane's own folder
// with a quoted path, released again with Shift.
#include <shlobj.h>

#include <cstring>
#include <iterator>
#include <memory>

#include "common/parked_record.h"
#include "common/parked_registry.h"
#include "corvel_fixture.h"
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr WORD kTray = VK_F9;

class EffectsCompanion : public EffectsTest {
  protected:
    void TearDown() override {
        EndCompanions();
        EffectsTest::TearDown();
        if (!folder_.empty()) {
            for (const wchar_t* file : {L"Vitrane.exe", L"Corvel.exe", L"starts.txt"})
                DeleteFileW((folder_ + file).c_str());
            RemoveDirectoryW(folder_.c_str());
        }
    }

    // A fresh folder with a copy of Vitrane.exe and, as its Corvel.exe, a copy
    // of `corvel` if one is given; Vitrane started from it.
    HWND StartCopy(const std::wstring& folderName, const std::wstring& corvel) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + folderName + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        DeleteFileW((folder_ + L"starts.txt").c_str());
        CopyFileW(ProgramPath(L"Vitrane.exe").c_str(), (folder_ + L"Vitrane.exe").c_str(), FALSE);
        if (!corvel.empty()) CopyFileW(corvel.c_str(), (folder_ + L"Corvel.exe").c_str(), FALSE);
        WriteSetting(L"USE_CORVEL", std::to_wstring(kTray));
        vitrane_ = Process::Start(folder_ + L"Vitrane.exe");
        EXPECT_TRUE(tray_->WaitForEvent([&](const TrayEvent& e) {
            return e.Op == NIM_ADD && ClassOf(e.Owner) == kVitraneClass;
        }));
        return main_ = FindWindowOf(vitrane_.Pid(), kVitraneClass);
    }

    // Ends the companions Vitrane started (they are this test's doing).
    void EndCompanions() {
        std::vector<DWORD> pids;
        for (HWND w : CompanionWindows()) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            pids.push_back(pid);
        }
        // Those still starting up have no window yet.
        if (vitrane_.Valid()) {
            HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
            PROCESSENTRY32W pe{};
            pe.dwSize = sizeof(pe);
            for (BOOL ok = Process32FirstW(snap, &pe); ok; ok = Process32NextW(snap, &pe))
                if (pe.th32ParentProcessID == vitrane_.Pid()) pids.push_back(pe.th32ProcessID);
            CloseHandle(snap);
        }
        for (DWORD pid : pids) {
            if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(p, 0);
                WaitForSingleObject(p, 5000);
                CloseHandle(p);
            }
        }
    }

    static std::vector<HWND> CompanionWindows() {
        std::vector<HWND> found;
        EnumWindows(&CollectCompanion, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    // A named function: a lambda converts only to a cdecl pointer, and on
    // i686 the enumeration callback is stdcall.
    static BOOL CALLBACK CollectCompanion(HWND w, LPARAM lp) {
        if (ClassOf(w) == kCorvelClass) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
        return TRUE;
    }

    // The stand-in beside this driver.
    static std::wstring StandIn() {
        wchar_t self[MAX_PATH * 2];
        DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
        std::wstring path(self, n);
        return path.substr(0, path.find_last_of(L'\\') + 1) + L"corvel_stand_in.exe";
    }

    // The command lines the stand-in was started with, one per start.
    std::vector<std::wstring> Starts() const {
        std::vector<std::wstring> lines;
        HANDLE f =
            CreateFileW((folder_ + L"starts.txt").c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return lines;
        std::wstring text(GetFileSize(f, nullptr) / sizeof(wchar_t), L'\0');
        DWORD read = 0;
        ReadFile(f, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
        CloseHandle(f);
        for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    HWND CompanionOf(const EffectsTarget& target) const {
        return FindWindowW(nullptr, (L"Corvel-" + target.HandleText()).c_str());
    }

    std::wstring folder_;
};

TEST_F(EffectsCompanion, HeldTrayKeyStartsExactlyOneCompanion) {
    ASSERT_NE(StartWith({{L"USE_CORVEL", std::to_wstring(kTray)}}), nullptr);
    EffectsTarget target(0, L"parked by key");
    // Held for a second after the companion shows: every tick looks again.
    Hold(
        target.Free(), kTray, false, [&] { return false; }, 1000);
    ASSERT_TRUE(WaitFor([&] { return CompanionOf(target) != nullptr; }));
    PumpFor(500);
    EXPECT_EQ(ChildProcesses(vitrane_.Pid(), L"Corvel.exe"), 1);
    EXPECT_EQ(CompanionWindows().size(), 1u);
    HWND corvel = CompanionOf(target);
    // The caption is the handle Corvel read from its command line.
    EXPECT_EQ(WindowText(corvel), L"Corvel-" + target.HandleText());
    EXPECT_EQ(tray_->EventsOf(corvel, NIM_ADD).size(), 1u);

    // Pressed again while it runs: nothing new.
    HoldFor(target.Free(), kTray, false, 300);
    EXPECT_EQ(ChildProcesses(vitrane_.Pid(), L"Corvel.exe"), 1);

    // Shift + tray key: the release message; Corvel gives the window back and ends.
    DWORD pid = 0;
    GetWindowThreadProcessId(corvel, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(Hold(target.Free(), kTray, true,
                     [&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }));
    CloseHandle(process);
    EXPECT_TRUE(IsWindowVisible(target.Hwnd()));
    EXPECT_TRUE(vitrane_.Running());
    EndCompanions();
}

TEST_F(EffectsCompanion, ShiftWithoutCompanionStartsNothing) {
    ASSERT_NE(StartWith({{L"USE_CORVEL", std::to_wstring(kTray)}}), nullptr);
    EffectsTarget target;
    HoldFor(target.Free(), kTray, true, 500);
    PumpFor(500);
    EXPECT_EQ(ChildProcesses(vitrane_.Pid(), L"Corvel.exe"), 0);
    EXPECT_EQ(CompanionOf(target), nullptr);
}

// A companion that takes long to show its caption is started once all the
// same, from the program's own folder (blanks in its name) with the path quoted.
TEST_F(EffectsCompanion, SlowCompanionIsStartedOnceWithAQuotedPath) {
    ASSERT_NE(StartCopy(L"vitrane e2e stand-in", StandIn()), nullptr);
    EffectsTarget target;
    HoldFor(target.Free(), kTray, false, 1000);
    EXPECT_TRUE(WaitFor([&] { return CompanionOf(target) != nullptr; }));
    HoldFor(target.Free(), kTray, false, 300);
    EXPECT_EQ(Starts(),
              std::vector<std::wstring>{L"\"" + folder_ + L"Corvel.exe\" " + target.HandleText()});
}

TEST_F(EffectsCompanion, FolderWithBlanksStillStartsTheRealCorvel) {
    ASSERT_NE(StartCopy(L"vitrane e2e real", ProgramPath(L"Corvel.exe")), nullptr);
    EffectsTarget target;
    EXPECT_TRUE(Hold(target.Free(), kTray, false, [&] { return CompanionOf(target) != nullptr; }))
        << "Corvel did not take the handle from its command line";
}

TEST_F(EffectsCompanion, MissingCompanionCostsOnlyThatStep) {
    ASSERT_NE(StartCopy(L"vitrane-e2e-alone", L""), nullptr);
    EffectsTarget target;
    HoldFor(target.Free(), kTray, false, 500);
    EXPECT_TRUE(vitrane_.Running());
    EXPECT_TRUE(Hold(target.Free(), VK_F11, false, [&] {
        return LayeredAlpha(target.Hwnd()) == 128;
    })) << "polling goes on";
}

// Started from a folder without Corvel.exe: the user is told, near the
// cursor, once for each press of the key however long it is held, and the
// polling goes on.
TEST_F(EffectsCompanion, AMissingCompanionIsToldOncePerPress) {
    ASSERT_NE(StartCopy(L"vitrane-e2e-no-corvel", L""), nullptr);
    const std::wstring missing = L"Corvel.exe が見つかりません";
    EffectsTarget target;
    const POINT at = target.Free();
    MoveCursor(at.x, at.y);
    PumpFor(50);
    KeyDown(kTray);
    ASSERT_TRUE(WaitFor([&] { return NoticeShows(missing); }));
    HWND notice = Notice();
    EXPECT_TRUE(HasExStyle(notice, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST |
                                       WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW));
    EXPECT_NE(GetForegroundWindow(), notice) << "it never takes the focus";
    RECT r{};
    GetWindowRect(notice, &r);
    EXPECT_TRUE(r.top >= at.y && r.top < at.y + 100 && r.left > at.x - 400 && r.left < at.x + 50)
        << "near the cursor: " << r.left << "," << r.top;
    const POINT inside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_NE(WindowFromPoint(inside), notice) << "clicks go through it";

    EXPECT_TRUE(NoticeGone()) << "held on, it goes all the same: it is not shown again each tick";
    PumpFor(300);
    EXPECT_EQ(Notice(), nullptr);
    KeyUp(kTray);
    PumpFor(100);
    EXPECT_TRUE(Hold(at, kTray, false, [&] { return NoticeShows(missing); }))
        << "a new press tells again";
    EXPECT_TRUE(vitrane_.Running());
    EXPECT_TRUE(Hold(at, VK_F11, false, [&] { return LayeredAlpha(target.Hwnd()) == 128; }))
        << "polling goes on";
}

// The notices speak the language the options chose.
TEST_F(EffectsCompanion, TheNoticeSpeaksTheChosenLanguage) {
    WriteSetting(L"LANGUAGE", L"en");
    ASSERT_NE(StartCopy(L"vitrane-e2e-no-corvel", L""), nullptr);
    EffectsTarget target;
    EXPECT_TRUE(Hold(target.Free(), kTray, false,
                     [&] { return NoticeShows(L"Corvel.exe was not found"); }));
}

bool Parked(HWND w) {
    return !IsWindowVisible(w) && IsIconic(w);
}
bool Restored(HWND w) {
    return IsWindowVisible(w) && !IsIconic(w);
}

// A companion that dies (killed, crashed) cannot give its window back:
// Vitrane, which started it, does.
TEST_F(EffectsCompanion, AKilledCompanionsWindowIsGivenBack) {
    ASSERT_NE(StartWith({{L"USE_CORVEL", std::to_wstring(kTray)}}), nullptr);
    EffectsTarget target(0, L"left behind");
    ASSERT_TRUE(Hold(target.Free(), kTray, false, [&] { return CompanionOf(target) != nullptr; }));
    DWORD pid = 0;
    GetWindowThreadProcessId(CompanionOf(target), &pid);
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return Parked(target.Hwnd()); })) << "the companion hid nothing";
    ASSERT_TRUE(WaitFor([&] { return ParkedValues().count(target.HandleText()) == 1; }));

    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    EXPECT_TRUE(WaitFor([&] { return Restored(target.Hwnd()); }))
        << "the window stayed hidden after its companion died";
    EXPECT_TRUE(WaitFor([&] { return ParkedValues().empty(); }));
    EXPECT_TRUE(vitrane_.Running());
}

// The records tell which companions to look at: one that an earlier run of
// Vitrane (or anyone) started is seen to as well.
TEST_F(EffectsCompanion, ACompanionStartedElsewhereIsWatchedToo) {
    ASSERT_NE(StartWith({}), nullptr);
    TargetWindow target(L"parked elsewhere");
    Process corvel = Process::Start(ProgramPath(L"Corvel.exe"), target.HandleText());
    ASSERT_TRUE(WaitFor([&] {
        return FindWindowW(nullptr, (L"Corvel-" + target.HandleText()).c_str()) != nullptr;
    }));
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ParkedValues().count(target.HandleText()) == 1; }));
    ASSERT_TRUE(WaitFor([&] { return Parked(target.Hwnd()); }));
    corvel.Kill();
    EXPECT_TRUE(WaitFor([&] { return Restored(target.Hwnd()); }))
        << "the window stayed hidden after its companion died";
    EXPECT_TRUE(WaitFor([&] { return ParkedValues().empty(); }));
}

// At start-up Vitrane gives back what companions of an earlier run left
// hidden, and nothing else: a companion that still runs answers for its
// window, and a window that is no longer the recorded one, or is on screen
// again, is left as it is.
TEST_F(EffectsCompanion, StartUpGivesBackOnlyWhatDeadCompanionsLeftHidden) {
    Process dead = Process::Start(ProgramPath(L"Corvel.exe"), L"none");
    ASSERT_TRUE(dead.WaitExit());  // held open below, so its id stays its own
    const uint32_t self = GetCurrentProcessId(), deadId = dead.Pid();
    const uint64_t selfStart = common::ProcessStartTime(GetCurrentProcess()),
                   deadStart = common::ProcessStartTime(dead.Handle());
    enum Start { Hidden, Minimized };
    struct Case {
        const char* what;
        Start state;
        uint32_t owner, companion;
        uint64_t companionStart;
        bool givenBack, recordKept;
    } cases[] = {
        {"companion dead", Hidden, self, deadId, deadStart, true, false},
        {"companion running", Hidden, self, self, selfStart, false, true},
        {"another program's window now", Hidden, deadId, deadId, deadStart, false, false},
        {"on screen again, minimized", Minimized, self, deadId, deadStart, false, false},
        {"a reused companion id", Hidden, self, self, selfStart + 1, true, false},
    };
    std::vector<std::unique_ptr<TargetWindow>> windows;
    for (const auto& c : cases) {
        windows.push_back(
            std::make_unique<TargetWindow>(std::wstring(c.what, c.what + strlen(c.what))));
        HWND w = windows.back()->Hwnd();
        ShowWindow(w, SW_MINIMIZE);
        if (c.state == Hidden) ShowWindow(w, SW_HIDE);
        int32_t handle = std::stoi(windows.back()->HandleText());
        WriteParkedValue(common::ParkedValueName(handle),
                         common::EncodeParked({handle, c.owner, c.companion, c.companionStart}));
    }
    TargetWindow closed(L"closed meanwhile");
    int32_t closedHandle = std::stoi(closed.HandleText());
    closed.Destroy();
    WriteParkedValue(common::ParkedValueName(closedHandle),
                     common::EncodeParked({closedHandle, self, deadId, deadStart}));
    WriteParkedValue(L"junk", L"1 2 3");

    ASSERT_NE(StartWith({}), nullptr);
    // One pass looks at every record: when the first is done, all are.
    ASSERT_TRUE(WaitFor([&] { return ParkedValues().size() == 1; }));
    PumpFor(300);
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].what);
        HWND w = windows[i]->Hwnd();
        if (cases[i].givenBack) {
            EXPECT_TRUE(WaitFor([&] { return Restored(w); }));
        } else {
            EXPECT_TRUE(IsIconic(w)) << "touched";
            EXPECT_EQ(IsWindowVisible(w) != FALSE, cases[i].state == Minimized) << "touched";
        }
        EXPECT_EQ(ParkedValues().count(windows[i]->HandleText()), cases[i].recordKept ? 1u : 0u);
    }
}

// A Parked key that came back as an ordinary key (a .reg export imported
// again) would keep its records past log-off, when ids and handles are used
// anew. At start-up Vitrane gives back what it lists and makes it again,
// volatile, keeping the records of companions that still run.
TEST_F(EffectsCompanion, AnOrdinaryParkedKeyIsMadeVolatileAtStartUp) {
    CreateOrdinaryParkedKey();
    Process dead = Process::Start(ProgramPath(L"Corvel.exe"), L"none");
    ASSERT_TRUE(dead.WaitExit());  // held open, so its id stays its own
    TargetWindow left(L"left hidden");
    ShowWindow(left.Hwnd(), SW_MINIMIZE);
    ShowWindow(left.Hwnd(), SW_HIDE);
    const int32_t leftHandle = std::stoi(left.HandleText());
    WriteParkedValue(common::ParkedValueName(leftHandle),
                     common::EncodeParked({leftHandle, GetCurrentProcessId(), dead.Pid(),
                                           common::ProcessStartTime(dead.Handle())}));
    TargetWindow kept(L"still parked");
    Process corvel = Process::Start(ProgramPath(L"Corvel.exe"), kept.HandleText());
    ASSERT_TRUE(WaitFor(
        [&] { return FindWindowW(nullptr, (L"Corvel-" + kept.HandleText()).c_str()) != nullptr; }));
    ShowWindow(kept.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return ParkedValues().size() == 2 && Parked(kept.Hwnd()); }));
    const std::wstring keptRecord = ParkedValues()[kept.HandleText()];
    ASSERT_FALSE(ParkedKeyIsVolatile());

    ASSERT_NE(StartWith({}), nullptr);
    EXPECT_TRUE(WaitFor([&] { return Restored(left.Hwnd()); })) << "not given back";
    EXPECT_TRUE(WaitFor([] { return ParkedKeyIsVolatile(); })) << "still an ordinary key";
    EXPECT_EQ(ParkedValues(),
              (std::map<std::wstring, std::wstring>{{kept.HandleText(), keptRecord}}))
        << "the running companion's record went with the old key";
    EXPECT_TRUE(Parked(kept.Hwnd()));
    EXPECT_TRUE(corvel.Running());
}

}  // namespace
}  // namespace e2e
