// "すべて元に戻す": every window the effects changed gets back what it had,
// the parked windows come back, and nothing else is touched; what was
// changed is known to a restarted Vitrane too.
#include "common/parked_registry.h"
#include "corvel_fixture.h"
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr WORD kAlpha = VK_F11, kOnTop = VK_F12, kTaskbar = VK_F8, kTray = VK_F9;

constexpr RECT kTranslucent{20, 20, 320, 220}, kOwnKey{340, 20, 640, 220},
    kTopmost{660, 20, 960, 220}, kTaskbarPlace{20, 260, 320, 460}, kFaded{340, 260, 640, 460},
    kUntouched{660, 260, 960, 460}, kParkedPlace{20, 500, 320, 700};

HWND CompanionOf(const EffectsTarget& target) {
    return FindWindowW(nullptr, (L"Corvel-" + target.HandleText()).c_str());
}

void EndCompanionOf(const EffectsTarget& target) {
    HWND corvel = CompanionOf(target);
    DWORD pid = 0;
    if (!corvel || !GetWindowThreadProcessId(corvel, &pid)) return;
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
        TerminateProcess(p, 0);
        WaitForSingleObject(p, 5000);
        CloseHandle(p);
    }
}

bool Topmost(HWND hwnd) {
    return HasExStyle(hwnd, WS_EX_TOPMOST);
}

// What Vitrane records of a window of this process before it first changes
// it: "window process start layering key alpha flags topmost tool app".
std::wstring RecordOf(const EffectsTarget& target, const std::wstring& look) {
    return target.HandleText() + L" " + std::to_wstring(GetCurrentProcessId()) + L" " +
           std::to_wstring(common::ProcessStartTime(GetCurrentProcess())) + L" " + look;
}

class EffectsRestore : public EffectsTest {
  protected:
    // The item right after "透過率", with the clip menu off.
    void ChooseRestoreAll() {
        ASSERT_TRUE(OpenTrayMenu());
        Tap(VK_DOWN);
        Tap(VK_DOWN);
        Tap(VK_RETURN);
        ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
    }
};

TEST_F(EffectsRestore, EverythingTheEffectsDidIsUndoneAndNothingElse) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"},
                         {L"USE_SHOWTASK", std::to_wstring(kTaskbar)},
                         {L"USE_CORVEL", std::to_wstring(kTray)}}),
              nullptr);
    EffectsTarget parked(0, L"parked", kParkedPlace);
    EffectsTarget translucent(0, L"translucent", kTranslucent);
    EffectsTarget ownKey(WS_EX_LAYERED, L"own key", kOwnKey);
    EffectsTarget topmost(0, L"topmost", kTopmost);
    EffectsTarget taskbar(WS_EX_TOOLWINDOW, L"taskbar", kTaskbarPlace);
    EffectsTarget faded(0, L"faded", kFaded);
    EffectsTarget untouched(WS_EX_LAYERED | WS_EX_TOPMOST, L"untouched", kUntouched);
    ASSERT_TRUE(SetLayeredWindowAttributes(ownKey.Hwnd(), RGB(255, 0, 255), 0, LWA_COLORKEY));
    ASSERT_TRUE(SetLayeredWindowAttributes(untouched.Hwnd(), 0, 200, LWA_ALPHA));
    const auto ownKeyBefore = AttributesOf(ownKey.Hwnd());
    const auto untouchedBefore = AttributesOf(untouched.Hwnd());
    const LONG taskbarBefore = ExStyle(taskbar.Hwnd());
    PumpFor(200);

    ASSERT_TRUE(Hold(parked.Free(), kTray, false, [&] { return CompanionOf(parked) != nullptr; }));
    ShowWindow(parked.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(parked.Hwnd()); })) << "parked";
    ASSERT_TRUE(WaitFor([&] { return ParkedValues().count(parked.HandleText()) == 1; }));

    ASSERT_TRUE(Hold(translucent.Free(), kAlpha, false,
                     [&] { return LayeredAlpha(translucent.Hwnd()) == 128; }));
    ASSERT_TRUE(Hold(ownKey.Free(), kAlpha, false,
                     [&] { return AttributesOf(ownKey.Hwnd()) != ownKeyBefore; }));
    ASSERT_TRUE(Hold(topmost.Free(), kOnTop, false, [&] { return Topmost(topmost.Hwnd()); }));
    ASSERT_TRUE(Hold(taskbar.Free(), kTaskbar, false, [&] {
        return HasExStyle(taskbar.Hwnd(), WS_EX_APPWINDOW) && IsWindowVisible(taskbar.Hwnd());
    }));
    const POINT start = faded.Free();
    MoveCursor(start.x, start.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    ASSERT_TRUE(WaitFor(
        [&] { return FindWindowOf(vitrane_.Pid(), L"Vitrane.FadeIndicator") != nullptr; }, 5000));
    MoveCursor(start.x + 100, start.y);
    EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(faded.Hwnd()) == 128; }, 5000));
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(WaitFor(
        [&] { return FindWindowOf(vitrane_.Pid(), L"Vitrane.FadeIndicator") == nullptr; }, 5000));
    EXPECT_EQ(ChangedValues().size(), 5u) << "one record for each window changed";

    ChooseRestoreAll();
    EXPECT_TRUE(WaitFor([&] {
        return IsWindowVisible(parked.Hwnd()) && !IsIconic(parked.Hwnd()) &&
               CompanionOf(parked) == nullptr;
    })) << "the parked window is given back and its companion ends";
    EXPECT_TRUE(WaitFor([&] {
        return !HasExStyle(translucent.Hwnd(), WS_EX_LAYERED) &&
               AttributesOf(ownKey.Hwnd()) == ownKeyBefore && !Topmost(topmost.Hwnd()) &&
               ExStyle(taskbar.Hwnd()) == taskbarBefore && !HasExStyle(faded.Hwnd(), WS_EX_LAYERED);
    })) << "translucent "
        << ExStyle(translucent.Hwnd()) << ", topmost " << Topmost(topmost.Hwnd()) << ", taskbar "
        << ExStyle(taskbar.Hwnd()) << ", faded " << ExStyle(faded.Hwnd());
    EXPECT_TRUE(IsWindowVisible(taskbar.Hwnd()));
    EXPECT_EQ(AttributesOf(untouched.Hwnd()), untouchedBefore) << "its own layering stays";
    EXPECT_TRUE(Topmost(untouched.Hwnd())) << "and so does its own place on top";
    EXPECT_TRUE(WaitFor([] { return ChangedValues().empty(); }));
    EndCompanionOf(parked);
}

TEST_F(EffectsRestore, ARestartedVitraneStillKnowsAndEachWindowIsWrittenOnce) {
    ASSERT_NE(StartVitrane(), nullptr);
    EffectsTarget translucent(0, L"translucent", kTranslucent);
    EffectsTarget topmost(0, L"topmost", kTopmost);
    EffectsTarget ownTopmost(WS_EX_TOPMOST, L"own topmost", kUntouched);

    ASSERT_TRUE(Hold(translucent.Free(), kAlpha, false,
                     [&] { return LayeredAlpha(translucent.Hwnd()) == 128; }));
    const std::wstring translucentRecord = RecordOf(translucent, L"0 0 255 0 0 0 0");
    EXPECT_EQ(
        ChangedValues(),
        (std::map<std::wstring, std::wstring>{{translucent.HandleText(), translucentRecord}}));
    const auto written = ChangedLastWrite();
    ASSERT_TRUE(written);
    // More of the same on that window, and its undo: nothing more is written.
    HoldFor(translucent.Free(), kAlpha, false, 500);
    ASSERT_TRUE(Hold(translucent.Free(), kAlpha, true,
                     [&] { return !HasExStyle(translucent.Hwnd(), WS_EX_LAYERED); }));
    ASSERT_TRUE(Hold(translucent.Free(), kAlpha, false,
                     [&] { return LayeredAlpha(translucent.Hwnd()) == 128; }));
    const auto after = ChangedLastWrite();
    ASSERT_TRUE(after);
    EXPECT_EQ(CompareFileTime(&*after, &*written), 0) << "written once, not per tick";

    ASSERT_TRUE(Hold(topmost.Free(), kOnTop, false, [&] { return Topmost(topmost.Hwnd()); }));
    const std::wstring topmostRecord = RecordOf(topmost, L"0 0 255 0 0 0 0");
    vitrane_.Kill();

    // What it left, in an ordinary key as an imported .reg file leaves it,
    // beside records that are no longer true: a handle of this process whose
    // start time is not this one's, a closed window, a value that is no record.
    HWND closed = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    const std::wstring closedText =
        std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(closed)));
    DestroyWindow(closed);
    ClearChanged();
    WriteChangedValue(translucent.HandleText(), translucentRecord, false);
    WriteChangedValue(topmost.HandleText(), topmostRecord, false);
    WriteChangedValue(ownTopmost.HandleText(),
                      ownTopmost.HandleText() + L" " + std::to_wstring(GetCurrentProcessId()) +
                          L" " +
                          std::to_wstring(common::ProcessStartTime(GetCurrentProcess()) + 1) +
                          L" 0 0 255 0 0 0 0",
                      false);
    WriteChangedValue(closedText, closedText + L" 1 2 0 0 255 0 0 0 0", false);
    WriteChangedValue(L"junk", L"not a record", false);

    ASSERT_NE(StartVitrane(), nullptr);
    const std::map<std::wstring, std::wstring> kept{{translucent.HandleText(), translucentRecord},
                                                    {topmost.HandleText(), topmostRecord}};
    EXPECT_TRUE(WaitFor([&] { return ChangedValues() == kept; }))
        << "only what is still true is kept, " << ChangedValues().size() << " values";
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\hollin\\LayeredWindow\\Changed", 0,
                            KEY_CREATE_SUB_KEY, &key),
              ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExW(key, L"probe", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ, nullptr,
                              &child, nullptr),
              ERROR_CHILD_MUST_BE_VOLATILE)
        << "the key is volatile again";
    if (child) {
        RegCloseKey(child);
        RegDeleteKeyW(key, L"probe");
    }
    RegCloseKey(key);

    ChooseRestoreAll();
    EXPECT_TRUE(WaitFor([&] {
        return !HasExStyle(translucent.Hwnd(), WS_EX_LAYERED) && !Topmost(topmost.Hwnd());
    })) << "what the earlier run did is undone";
    EXPECT_TRUE(Topmost(ownTopmost.Hwnd())) << "a record of another process's window is not its";
    EXPECT_TRUE(WaitFor([] { return ChangedValues().empty(); }));
}

// A resident program meets many windows: the record of one closed since
// goes when another is first changed.
TEST_F(EffectsRestore, TheRecordOfAClosedWindowGoes) {
    ASSERT_NE(StartVitrane(), nullptr);
    std::wstring closedText;
    {
        EffectsTarget closed(0, L"closed", kTranslucent);
        closedText = closed.HandleText();
        ASSERT_TRUE(
            Hold(closed.Free(), kAlpha, false, [&] { return LayeredAlpha(closed.Hwnd()) == 128; }));
        EXPECT_EQ(ChangedValues().count(closedText), 1u);
    }
    EffectsTarget next(0, L"next", kTopmost);
    ASSERT_TRUE(Hold(next.Free(), kOnTop, false, [&] { return Topmost(next.Hwnd()); }));
    EXPECT_TRUE(WaitFor([&] {
        auto values = ChangedValues();
        return values.size() == 1 && values.count(next.HandleText()) == 1;
    })) << ChangedValues().size()
        << " values";
}

// "終了" gives back what the effects did only when the options ask for it;
// otherwise the windows keep their looks, as they always did.
TEST_F(EffectsRestore, ExitGivesEverythingBackOnlyWhenAsked) {
    struct Case {
        const wchar_t* stored;  // RESTORE_ON_EXIT; nothing: never set
        bool restores;
    } cases[] = {{L"1", true}, {L"0", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? Narrow(c.stored) : "(nothing)");
        ClearSettings();
        if (c.stored) WriteSetting(L"RESTORE_ON_EXIT", c.stored);
        HWND main = StartWith({});
        ASSERT_NE(main, nullptr);
        EffectsTarget target(0, L"exit", kTranslucent);
        ASSERT_TRUE(
            Hold(target.Free(), kAlpha, false, [&] { return LayeredAlpha(target.Hwnd()) == 128; }));
        ASSERT_TRUE(Hold(target.Free(), kOnTop, false, [&] { return Topmost(target.Hwnd()); }));

        ASSERT_TRUE(OpenTrayMenu());
        Tap(VK_END);  // 終了
        Tap(VK_RETURN);
        EXPECT_TRUE(vitrane_.WaitExit());
        PumpFor(200);
        EXPECT_EQ(HasExStyle(target.Hwnd(), WS_EX_LAYERED), !c.restores);
        EXPECT_EQ(Topmost(target.Hwnd()), !c.restores);
        EXPECT_TRUE(IsWindowVisible(target.Hwnd()));
    }
}

}  // namespace
}  // namespace e2e
