// Letting messages from programs of lower integrity through. Wine takes the
// calls but enforces no integrity levels, so what is proved here is which
// calls are made, with a stand-in for user32 that offers what each Windows has.
#include <gtest/gtest.h>

#include "common/message_filter.h"
#include "filter_recorder.h"
#include "main_window_fixture.h"

namespace forms {
namespace {

using e2e::FilterRecorder;
using Call = FilterRecorder::Call;
using Offers = FilterRecorder::Offers;

constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the process-wide call

TEST(MessageFilter, TheCallThisWindowsHasIsMadeForEachMessage) {
    const HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    struct Case {
        const char* what;
        Offers offers;
        std::vector<Call> calls;
    } cases[] = {
        {"Windows 7 on: for the window alone",
         Offers::WindowAndProcess,
         {{true, window, 49000, kAllow, true}, {true, window, 1026, kAllow, true}}},
        {"Vista: for the whole process",
         Offers::ProcessOnly,
         {{false, nullptr, 49000, kAllow, true}, {false, nullptr, 1026, kAllow, true}}},
        {"XP: nothing to call", Offers::Neither, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FilterRecorder recorder(c.offers);
        common::LetThroughFromLowerIntegrity(window, {49000, 1026}, &FilterRecorder::Find);
        EXPECT_EQ(recorder.Calls(), c.calls);
    }
}

// The programs look the functions up in user32 itself, where Windows (and
// Wine) export them.
TEST(MessageFilter, TheProgramsFindBothInUser32) {
    EXPECT_NE(common::FindUser32Function("ChangeWindowMessageFilterEx"), nullptr);
    EXPECT_NE(common::FindUser32Function("ChangeWindowMessageFilter"), nullptr);
    EXPECT_EQ(common::FindUser32Function("NoSuchFunction"), nullptr);
}

class MainWindowFilter : public MainWindowTest {};

// Elevated, Vitrane would otherwise never hear the shell's restart (its icon
// gone for good) nor, by the letter of the documentation, the icon's clicks.
TEST_F(MainWindowFilter, TheShellsRestartAndTheIconsCallbackGetThrough) {
    const UINT restart = RegisterWindowMessageW(L"TaskbarCreated");
    {
        FilterRecorder recorder(Offers::WindowAndProcess);
        HWND main = Load(&FilterRecorder::Find).hwnd();
        EXPECT_EQ(recorder.Calls(), (std::vector<Call>{{true, main, restart, kAllow, true},
                                                       {true, main, 512, kAllow, true}}));
    }
    window_.reset();
    {
        FilterRecorder recorder(Offers::ProcessOnly);
        Load(&FilterRecorder::Find);
        EXPECT_EQ(recorder.Calls(), (std::vector<Call>{{false, nullptr, restart, kAllow, true},
                                                       {false, nullptr, 512, kAllow, true}}));
    }
}

}  // namespace
}  // namespace forms
