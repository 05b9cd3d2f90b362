#include "vitrane_fixture.h"

namespace e2e {
namespace {

class Startup : public VitraneTest {};

std::wstring ExpectedTooltip() {
    SYSTEM_INFO si{};
    GetSystemInfo(&si);
    return L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           " +
           std::to_wstring(si.dwNumberOfProcessors) + L"CPU搭載";
}

TEST_F(Startup, EmptyStoreAddsExactlyOneIconWithTheTooltip) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    PumpFor(500);  // anything more would arrive now
    auto adds = tray_->EventsOf(main, NIM_ADD);
    ASSERT_EQ(adds.size(), 1u);
    const TrayEvent& add = adds[0];
    EXPECT_EQ(add.Id, 0u);
    EXPECT_EQ(add.Flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.CallbackMessage, 512u);
    EXPECT_EQ(add.Tip, ExpectedTooltip());
    ASSERT_TRUE(add.Icon.has_value());
    EXPECT_EQ(add.Icon->Width, GetSystemMetrics(SM_CXSMICON));
    EXPECT_FALSE(IsWindowVisible(main)) << "the main window stays hidden";
    EXPECT_TRUE(tray_->EventsOfOp(NIM_MODIFY).empty()) << "the graph is off by default";
    EXPECT_FALSE(ReadSetting(L"ALPHA").has_value()) << "start-up writes nothing";
}

TEST_F(Startup, SecondStartWarnsAndAddsNoIcon) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    Process second = Process::Start(ProgramPath(L"Vitrane.exe"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        box = FindWindowOf(second.Pid(), nullptr, L"警告");
        return box != nullptr;
    })) << "no warning box";
    HWND text = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child) == L"すでに起動済みです") text = child;
    EXPECT_NE(text, nullptr) << "the message reads すでに起動済みです";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(tray_->EventsOfOp(NIM_ADD).size(), 1u);
    EXPECT_TRUE(vitrane_.Running()) << "the first instance goes on";
}

TEST_F(Startup, UnusableStoredValuesStartCleanly) {
    const wchar_t* names[] = {L"ALPHA",         L"CPU_TIME",   L"USE_ALPHA",   L"USE_ONTOP",
                              L"USE_SHOWTASK",  L"USE_CORVEL", L"USE_CPU_MON", L"USE_SMS_ALPHA",
                              L"USE_CLIPBOARD", L"CPU_COL1",   L"CPU_COL2"};
    for (const wchar_t* bad : {L"abc", L"", L"99", L"-1", L"99999999999"}) {
        SCOPED_TRACE(Narrow(bad));
        for (const wchar_t* name : names) WriteSetting(name, bad);
        tray_->Clear();
        HWND main = StartVitrane();
        ASSERT_NE(main, nullptr);
        PumpFor(300);
        EXPECT_TRUE(vitrane_.Running());
        EXPECT_EQ(tray_->EventsOf(main, NIM_ADD).size(), 1u);
        vitrane_.Kill();
    }
}

TEST_F(Startup, FailedAddIsRetried) {
    tray_->SetAnswer(NIM_ADD, FALSE);  // as if the taskbar were not there yet
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    tray_->SetAnswer(NIM_ADD, TRUE);
    EXPECT_TRUE(WaitFor([&] { return tray_->EventsOf(main, NIM_ADD).size() >= 2; }, 10000));
    size_t adds = tray_->EventsOf(main, NIM_ADD).size();
    PumpFor(3500);
    EXPECT_EQ(tray_->EventsOf(main, NIM_ADD).size(), adds) << "no more adds once one succeeded";
}

}  // namespace
}  // namespace e2e
