#include "vitrane_fixture.h"

namespace e2e {
namespace {

class CpuGraphTray : public VitraneTest {
  protected:
    HWND StartGraph(const wchar_t* draw, const wchar_t* back) {
        WriteSetting(L"USE_CPU_MON", L"1");
        WriteSetting(L"CPU_TIME", L"50");
        WriteSetting(L"CPU_COL1", draw);
        WriteSetting(L"CPU_COL2", back);
        return StartVitrane();
    }
    bool WaitForModifies(HWND main, size_t n) {
        return WaitFor([&] { return tray_->EventsOf(main, NIM_MODIFY).size() >= n; });
    }
};

// How one colour of the graph reaches the tray: a pixel colour, or transparent.
struct Look {
    uint32_t rgb;
    bool clear;
    bool Matches(const TrayIconPixels& p, int x, int y) const {
        return p.ClearAt(x, y) == clear && (clear || p.At(x, y) == rgb);
    }
};

// The drawn rows of column x (a run up from the bottom under the background),
// or -1 when the column is not of that shape.
int ColumnHeight(const TrayIconPixels& p, int x, Look draw, Look back) {
    int y = 15;
    while (y >= 0 && draw.Matches(p, x, y)) --y;
    int drawn = 15 - y;
    for (; y >= 0; --y)
        if (!back.Matches(p, x, y)) return -1;
    return drawn;
}

TEST_F(CpuGraphTray, ModifiesCarryTheGraphInTheStoredColours) {
    struct Case {
        const wchar_t *draw, *back;
        Look drawLook, backLook;
    } cases[] = {
        {L"0000FF", L"FFFFFF", {0xFF0000, false}, {0xFFFFFF, false}},  // red on white
        {L"C0C0C0", L"000000", {0, true}, {0x000000, false}},
        {L"FF8000", L"C0C0C0", {0x0080FF, false}, {0, true}},
        {L"zz", L"", {0x00FF00, false}, {0x000000, false}},  // unusable: green on black
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.draw) + " on " + Narrow(c.back));
        tray_->Clear();
        HWND main = StartGraph(c.draw, c.back);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitForModifies(main, 4)) << "the graph replaces the icon on every tick";
        std::wstring tip = tray_->EventsOf(main, NIM_ADD).front().Tip;
        auto mods = tray_->EventsOf(main, NIM_MODIFY);
        std::vector<std::vector<int>> heights;
        for (const auto& m : mods) {
            EXPECT_EQ(m.Tip, tip) << "the tooltip stays the start-up text";
            ASSERT_TRUE(m.Icon.has_value());
            ASSERT_EQ(m.Icon->Width, 16);
            ASSERT_EQ(m.Icon->Height, 16);
            std::vector<int> h;
            for (int x = 0; x < 16; ++x) {
                h.push_back(ColumnHeight(*m.Icon, x, c.drawLook, c.backLook));
                EXPECT_GE(h.back(), 1) << "column " << x << ": a base line at least";
            }
            heights.push_back(h);
        }
        // A fresh program: fifteen base lines, the first sample on the right.
        for (int x = 0; x < 15; ++x) EXPECT_EQ(heights[0][x], 1) << "column " << x;
        // Each tick moves the columns one to the left.
        for (size_t k = 1; k < heights.size(); ++k)
            for (int x = 0; x < 15; ++x)
                EXPECT_EQ(heights[k][x], heights[k - 1][x + 1]) << "tick " << k << " col " << x;
        vitrane_.Kill();
    }
}

TEST_F(CpuGraphTray, FailedModifyIsFollowedByDeleteAndAdd) {
    tray_->SetAnswer(NIM_MODIFY, FALSE);  // the shell has lost the icon
    HWND main = StartGraph(L"0000FF", L"FFFFFF");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return tray_->EventsOf(main, NIM_ADD).size() >= 2; }));
    tray_->SetAnswer(NIM_MODIFY, TRUE);
    auto events = tray_->EventsOf(main);
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events[0].Op, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(events[1].Op, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(events[2].Op, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(events[3].Op, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(events[3].Tip, events[0].Tip);
    ASSERT_TRUE(events[3].Icon.has_value());
    EXPECT_EQ(events[3].Icon->At(0, 15), 0xFF0000u) << "the icon comes back as the graph";

    // Once the shell answers again, the ticks only modify.
    tray_->Clear();
    ASSERT_TRUE(WaitForModifies(main, 4));
    auto after = tray_->EventsOf(main);
    size_t firstModify = 0;
    while (after[firstModify].Op != NIM_MODIFY) ++firstModify;  // a tick under way may still re-add
    for (size_t i = firstModify; i < after.size(); ++i)
        EXPECT_EQ(after[i].Op, static_cast<DWORD>(NIM_MODIFY)) << "event " << i;
}

// The shell came back with another notification area window and said
// nothing (Wine never broadcasts TaskbarCreated): the icon is added there,
// once, and the ticks go on modifying it.
TEST_F(CpuGraphTray, ANewNotificationAreaGetsTheIconAgain) {
    HWND main = StartGraph(L"0000FF", L"FFFFFF");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForModifies(main, 2));
    const std::wstring tip = tray_->EventsOf(main, NIM_ADD).front().Tip;
    auto newer = std::make_unique<FakeTray>();  // found first from now on
    ASSERT_TRUE(newer->WaitForEvent([&](const TrayEvent& e) {
        return e.Op == NIM_ADD && e.Owner == main;
    })) << "the new notification area never got the icon";
    ASSERT_TRUE(WaitFor([&] { return newer->EventsOf(main, NIM_MODIFY).size() >= 3; }));
    auto adds = newer->EventsOf(main, NIM_ADD);
    EXPECT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].Tip, tip);
    ASSERT_TRUE(adds[0].Icon.has_value());
    EXPECT_EQ(adds[0].Icon->At(0, 15), 0xFF0000u) << "it comes back as the graph";
    auto events = newer->EventsOf(main);
    size_t add = 0;
    while (events[add].Op != NIM_ADD) ++add;
    for (size_t i = add + 1; i < events.size(); ++i)
        EXPECT_EQ(events[i].Op, static_cast<DWORD>(NIM_MODIFY)) << "event " << i;
}

TEST_F(CpuGraphTray, MonitorOffLeavesTheStaticIcon) {
    WriteSetting(L"USE_CPU_MON", L"0");
    WriteSetting(L"CPU_TIME", L"20");
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    PumpFor(1500);  // dozens of intervals
    EXPECT_TRUE(tray_->EventsOf(main, NIM_MODIFY).empty());
    EXPECT_EQ(tray_->EventsOf(main).size(), 1u);
}

}  // namespace
}  // namespace e2e
