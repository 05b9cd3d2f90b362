#include "corvel_fixture.h"

namespace e2e {
namespace {

class CorvelStartup : public CorvelTest {};

TEST_F(CorvelStartup, CaptionAndFirstIconAtFrameFiveWithTheTitle) {
    for (bool withIcon : {true, false}) {
        SCOPED_TRACE(withIcon ? "class with a small icon" : "class without a small icon");
        tray_->Clear();
        TargetWindow target(L"Corvel e2e 窓", withIcon);
        HWND corvel = StartCorvel(target);
        ASSERT_NE(corvel, nullptr);
        EXPECT_EQ(WindowText(corvel), L"Corvel-" + target.HandleText());
        EXPECT_EQ(FindWindowW(nullptr, (L"Corvel-" + target.HandleText()).c_str()), corvel)
            << "Vitrane finds the companion by its caption alone";
        EXPECT_FALSE(IsWindowVisible(corvel));
        LONG style = GetWindowLongW(corvel, GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_FALSE(style & (WS_SYSMENU | WS_CLIPCHILDREN));
        EXPECT_FALSE(GetWindowLongW(corvel, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        auto adds = tray_->EventsOf(corvel, NIM_ADD);
        ASSERT_EQ(adds.size(), 1u);
        EXPECT_EQ(adds[0].Id, 0u);
        EXPECT_EQ(adds[0].Flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(adds[0].CallbackMessage, kCorvelCallback);
        EXPECT_EQ(adds[0].Tip, L"Corvel e2e 窓");
        ASSERT_TRUE(adds[0].Icon.has_value());
        EXPECT_EQ(FrameShown(*adds[0].Icon), 5);
        PumpFor(300);
        EXPECT_TRUE(target.Shown()) << "start-up leaves the target as it was";
        EXPECT_TRUE(tray_->EventsOf(corvel, NIM_MODIFY).empty());
        corvel_.Kill();
    }
}

TEST_F(CorvelStartup, FailedAddIsRetriedUntilTheShellTakesTheIcon) {
    tray_->SetAnswer(NIM_ADD, FALSE);  // as if the notification area were not there yet
    TargetWindow target(L"retry");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    tray_->SetAnswer(NIM_ADD, TRUE);
    ASSERT_TRUE(WaitFor([&] { return tray_->EventsOf(corvel, NIM_ADD).size() >= 2; }, 10000))
        << "a parked window must not be left without its icon";
    size_t adds = tray_->EventsOf(corvel, NIM_ADD).size();
    PumpFor(3500);
    EXPECT_EQ(tray_->EventsOf(corvel, NIM_ADD).size(), adds) << "no more adds once one succeeded";
    EXPECT_EQ(FrameShown(*tray_->EventsOf(corvel, NIM_ADD).back().Icon), 5);
}

TEST_F(CorvelStartup, LongTitleIsCutTo63CharactersOnACharacterBoundary) {
    std::wstring title(62, L'長');
    title += L"\U0001F600";  // a surrogate pair across the 63rd unit
    title += L"tail";
    TargetWindow target(title);
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    auto adds = tray_->EventsOf(corvel, NIM_ADD);
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].Tip, std::wstring(62, L'長'));

    tray_->Clear();
    TargetWindow untitled(L"");
    Process second = Launch(untitled.HandleText());
    ASSERT_TRUE(tray_->WaitForEvent([&](const TrayEvent& e) { return e.Op == NIM_ADD; }));
    EXPECT_EQ(tray_->EventsOfOp(NIM_ADD)[0].Tip, L"");
}

TEST_F(CorvelStartup, HandleWithBlanksOrSignIsTheSameHandle) {
    TargetWindow target(L"blanks");
    const std::wstring h = target.HandleText();
    for (const std::wstring& args : {L"  " + h + L"  ", L"+" + h, L"\t" + h}) {
        SCOPED_TRACE(Narrow(args));
        tray_->Clear();
        corvel_ = Launch(args);
        ASSERT_TRUE(tray_->WaitForEvent([](const TrayEvent& e) { return e.Op == NIM_ADD; }));
        EXPECT_EQ(WindowText(tray_->EventsOfOp(NIM_ADD)[0].Owner), L"Corvel-" + h);
        corvel_.Kill();
    }
    // Unquoted program path: the argument still starts after it.
    tray_->Clear();
    std::wstring path = ProgramPath(L"Corvel.exe");
    ASSERT_EQ(path.find(L' '), std::wstring::npos) << "this case needs a path without blanks";
    corvel_ = Process::StartCommandLine(path, path + L" " + h);
    EXPECT_TRUE(tray_->WaitForEvent([](const TrayEvent& e) { return e.Op == NIM_ADD; }));
}

TEST_F(CorvelStartup, BadArgumentsEndSilentlyWithoutWindowOrIcon) {
    HWND closed = nullptr;
    {
        TargetWindow gone(L"gone");
        closed = gone.Hwnd();
    }
    ASSERT_FALSE(IsWindow(closed));
    TargetWindow target(L"kept");
    const std::wstring closedText =
        std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(closed)));
    for (const std::wstring& args :
         {std::wstring(L""), std::wstring(L"abc"), std::wstring(L"0"), std::wstring(L"4294967296"),
          closedText, target.HandleText() + L"x", std::wstring(L"1.5")}) {
        SCOPED_TRACE("argument \"" + Narrow(args) + "\"");
        Process p = Launch(args);
        ASSERT_TRUE(p.Valid());
        bool windowSeen = false;
        EXPECT_TRUE(WaitFor([&] {
            windowSeen = windowSeen || !WindowsOf(p.Pid()).empty();
            return !p.Running();
        })) << "the program did not end";
        EXPECT_FALSE(windowSeen);
        EXPECT_EQ(p.ExitCode(), 0u);
    }
    PumpFor(100);
    EXPECT_TRUE(tray_->Events().empty());
    EXPECT_TRUE(target.Shown());
}

TEST_F(CorvelStartup, SecondCorvelForTheSameWindowEndsAndAddsNoIcon) {
    TargetWindow target(L"once");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    Process second = Launch(target.HandleText());
    EXPECT_TRUE(second.WaitExit());
    EXPECT_EQ(second.ExitCode(), 0u);
    PumpFor(200);
    EXPECT_EQ(tray_->EventsOfOp(NIM_ADD).size(), 1u);
    EXPECT_TRUE(corvel_.Running());

    // Another window gets its own companion.
    TargetWindow other(L"other");
    Process third = Launch(other.HandleText());
    EXPECT_TRUE(WaitFor([&] { return tray_->EventsOfOp(NIM_ADD).size() == 2; }));
}

}  // namespace
}  // namespace e2e
