#include <gtest/gtest.h>

#include "support/memory_store.h"
#include "settings/loaded_settings.h"

using namespace settings;

TEST(RunningSettings, EmptyStoreGivesTheDefaults) {
    MemoryStore store;
    RunningSettings s = LoadStartupSettings(store);
    EXPECT_EQ(s.Hotkeys.AlphaKey, 122);
    EXPECT_EQ(s.Hotkeys.OnTopKey, 123);
    EXPECT_EQ(s.Hotkeys.TaskbarKey, 0);
    EXPECT_EQ(s.Hotkeys.TrayParkKey, 0);
    EXPECT_EQ(s.AlphaIndex, 4);
    EXPECT_FALSE(s.CpuMonitor);
    EXPECT_FALSE(s.SmoothAlpha);
    EXPECT_FALSE(s.ClipMenu);
    EXPECT_EQ(s.CpuInterval, 1000);
    EXPECT_EQ(s.CpuDrawColour, 0x00FF00u);
    EXPECT_EQ(s.CpuBackColour, 0u);
    EXPECT_TRUE(store.Writes().empty()) << "start-up writes nothing";
}

TEST(RunningSettings, StoredValuesAreUsed) {
    MemoryStore store;
    store.Write(Key::UseAlpha, L"0");
    store.Write(Key::UseOnTop, L"65");
    store.Write(Key::UseShowTask, L"119");
    store.Write(Key::UseCorvel, L"120");
    store.Write(Key::Alpha, L"8");
    store.Write(Key::UseCpuMon, L"2");
    store.Write(Key::UseSmoothAlpha, L"1");
    store.Write(Key::UseClipboard, L"1");
    store.Write(Key::CpuTime, L"250");
    store.Write(Key::CpuCol1, L"ff");
    store.Write(Key::CpuCol2, L"FFFFFF");
    RunningSettings s = LoadStartupSettings(store);
    EXPECT_EQ(s.Hotkeys.AlphaKey, 0) << "0 switches the key off; the default is only for absence";
    EXPECT_EQ(s.Hotkeys.OnTopKey, 65) << "codes outside the key table are still polled";
    EXPECT_EQ(s.Hotkeys.TaskbarKey, 119);
    EXPECT_EQ(s.Hotkeys.TrayParkKey, 120);
    EXPECT_EQ(s.AlphaIndex, 8);
    EXPECT_TRUE(s.CpuMonitor) << "any non-zero number is on";
    EXPECT_TRUE(s.SmoothAlpha);
    EXPECT_TRUE(s.ClipMenu);
    EXPECT_EQ(s.CpuInterval, 250);
    EXPECT_EQ(s.CpuDrawColour, 0xFFu);
    EXPECT_EQ(s.CpuBackColour, 0xFFFFFFu);
}

TEST(RunningSettings, UnusableValuesFallBackToEachKeysDefault) {
    for (const wchar_t* bad : {L"abc", L"", L"99", L"-1", L"99999999999", L"0"}) {
        MemoryStore store;
        for (Key k :
             {Key::UseAlpha, Key::UseOnTop, Key::Alpha, Key::CpuTime, Key::UseCpuMon, Key::CpuCol1})
            store.Write(k, bad);
        RunningSettings s = LoadStartupSettings(store);
        std::wstring text = bad;
        auto n = ReadNumber(store, Key::UseAlpha);
        if (n) {
            EXPECT_EQ(s.Hotkeys.AlphaKey, *n) << "a number is a key code, used as stored";
        } else {
            EXPECT_EQ(s.Hotkeys.AlphaKey, 122);
            EXPECT_EQ(s.Hotkeys.OnTopKey, 123);
        }
        bool alphaOk = n && *n >= 0 && *n <= 8;
        EXPECT_EQ(s.AlphaIndex, alphaOk ? *n : 4) << "ALPHA [" << bad << "]";
        bool timeOk = n && *n >= 1;
        EXPECT_EQ(s.CpuInterval, timeOk ? *n : 1000) << "CPU_TIME [" << bad << "]";
        EXPECT_EQ(s.CpuMonitor, n && *n != 0);
    }
}

TEST(Readers, GiveNothingForUnusableText) {
    MemoryStore store;
    store.Write(Key::Alpha, L"9");
    store.Write(Key::CpuTime, L"-5");
    store.Write(Key::UseSmoothAlpha, L"x");
    store.Write(Key::CpuCol2, L"1000000");
    EXPECT_FALSE(ReadAlphaIndex(store));
    EXPECT_FALSE(ReadInterval(store));
    EXPECT_FALSE(ReadSwitch(store, Key::UseSmoothAlpha));
    EXPECT_FALSE(ReadColour(store, Key::CpuCol2));
    store.Write(Key::CpuTime, L"2147483647");
    EXPECT_EQ(ReadInterval(store), 2147483647);
}

TEST(KeysTable, NamesAndDefaultsInDialogOrder) {
    const wchar_t* names[] = {L"USE_ALPHA", L"USE_ONTOP",     L"USE_SHOWTASK", L"USE_CORVEL",
                              L"ALPHA",     L"USE_SMS_ALPHA", L"USE_CPU_MON",  L"USE_CLIPBOARD",
                              L"CLIP_TEXT", L"CPU_TIME",      L"CPU_COL1",     L"CPU_COL2"};
    const wchar_t* defaults[] = {L"122", L"123", L"0", L"0",    L"4",      L"0",
                                 L"0",   L"0",   L"",  L"1000", L"00FF00", L"000000"};
    for (size_t i = 0; i < kKeys.size(); ++i) {
        EXPECT_EQ(kKeys[i].name, names[i]);
        EXPECT_EQ(kKeys[i].defaultText, defaults[i]);
        EXPECT_EQ(static_cast<size_t>(kKeys[i].key), i);
    }
}

// Re-applying after the options dialog starts from what is in force, not from
// the defaults: each row stores one key and reads back the field it feeds.
TEST(RunningSettings, StoredValueReplacesTheOneInForceOnlyWhenUsable) {
    RunningSettings inForce;
    inForce.Hotkeys = {65, 66, 67, 68};
    inForce.AlphaIndex = 7;
    inForce.CpuMonitor = inForce.SmoothAlpha = inForce.ClipMenu = true;
    inForce.CpuInterval = 500;
    inForce.CpuDrawColour = 0x123456;
    inForce.CpuBackColour = 0x654321;

    using Field = int64_t (*)(const RunningSettings&);
    const Field alphaKey = [](const RunningSettings& s) -> int64_t { return s.Hotkeys.AlphaKey; };
    const Field onTopKey = [](const RunningSettings& s) -> int64_t { return s.Hotkeys.OnTopKey; };
    const Field taskbarKey = [](const RunningSettings& s) -> int64_t {
        return s.Hotkeys.TaskbarKey;
    };
    const Field trayKey = [](const RunningSettings& s) -> int64_t { return s.Hotkeys.TrayParkKey; };
    const Field rate = [](const RunningSettings& s) -> int64_t { return s.AlphaIndex; };
    const Field cpu = [](const RunningSettings& s) -> int64_t { return s.CpuMonitor; };
    const Field smooth = [](const RunningSettings& s) -> int64_t { return s.SmoothAlpha; };
    const Field clip = [](const RunningSettings& s) -> int64_t { return s.ClipMenu; };
    const Field interval = [](const RunningSettings& s) -> int64_t { return s.CpuInterval; };
    const Field draw = [](const RunningSettings& s) -> int64_t { return s.CpuDrawColour; };
    const Field back = [](const RunningSettings& s) -> int64_t { return s.CpuBackColour; };

    struct Case {
        Key key;
        const wchar_t* stored;
        Field field;
        int64_t expected;
    };
    const Case cases[] = {
        {Key::UseAlpha, L"90", alphaKey, 90},
        {Key::UseAlpha, L"x", alphaKey, 65},  // kept
        {Key::UseOnTop, L"0", onTopKey, 0},   // no key is a usable value
        {Key::UseShowTask, L"&H20", taskbarKey, 32},
        {Key::UseCorvel, L"", trayKey, 68},  // kept
        {Key::Alpha, L"2", rate, 2},
        {Key::Alpha, L"9", rate, 7},   // kept: no such rate
        {Key::Alpha, L"-1", rate, 7},  // kept
        {Key::UseCpuMon, L"0", cpu, 0},
        {Key::UseCpuMon, L"5", cpu, 1},
        {Key::UseCpuMon, L"on", cpu, 0},  // unreadable: off, though it was on
        {Key::UseSmoothAlpha, L"", smooth, 0},
        {Key::UseClipboard, L"1", clip, 1},
        {Key::UseClipboard, L"?", clip, 0},
        {Key::CpuTime, L"250", interval, 250},
        {Key::CpuTime, L"0", interval, 500},  // kept: no timer runs that fast
        {Key::CpuCol1, L"ABCDEF", draw, 0xABCDEF},
        {Key::CpuCol1, L"1000000", draw, 0x123456},  // kept: no colour
        {Key::CpuCol2, L"zz", back, 0x654321},       // kept
        {Key::CpuCol2, L"0", back, 0},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        store.Write(c.key, c.stored);
        RunningSettings s = ApplyStored(store, inForce);
        EXPECT_EQ(c.field(s), c.expected) << Info(c.key).name.data() << " [" << c.stored << "]";
        EXPECT_EQ(store.Writes().size(), 1u) << "nothing is written back";
    }
}
