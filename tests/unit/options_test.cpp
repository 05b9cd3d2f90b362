// The options dialog's platform-free side: geometry, control table, what it
// loads and writes; and the version dialog's fade.
#include <gtest/gtest.h>

#include <set>

#include "support/memory_store.h"
#include "common/twips.h"
#include "core/version_fade.h"
#include "settings/options_layout.h"
#include "settings/options_values.h"

namespace {

using namespace settings;
using common::PixelRect;
using common::TwipsRect;
using common::TwipsToPixels;

TEST(Twips, ScaleToTheNearestPixel) {
    struct Case {
        int twips, dpi, px;
    } cases[] = {{1800, 96, 120}, {1335, 96, 89},   {7, 96, 0},    {8, 96, 1},
                 {15, 144, 2},    {1800, 288, 360}, {-15, 96, -1}, {6090, 120, 508}};
    for (auto c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.px) << c.twips << "@" << c.dpi;
}

TEST(Twips, NeighboursKeepTouchingAtAnyScale) {
    // OK ends where Cancel's gap starts, at every DPI, because both edges round alike.
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        PixelRect a = TwipsToPixels(TwipsRect{3780, 4740, 1035, 315}, dpi);
        PixelRect b = TwipsToPixels(TwipsRect{4815, 4740, 165, 315}, dpi);
        EXPECT_EQ(a.Left + a.Width, b.Left) << dpi;
    }
}

TEST(OptionsLayout, EveryControlFitsItsContainerAndTheDialog) {
    std::set<int> ids;
    for (const auto& c : OptionsControls()) {
        EXPECT_TRUE(ids.insert(c.Id).second) << "duplicate id " << c.Id;
        EXPECT_NE(c.Id, 1) << "IDOK is kept free: there is no default button";
        TwipsRect outer{0, 0, kOptionsClientWidth, kOptionsClientHeight};
        if (c.Container) {
            const ControlSpec* frame = FindControl(c.Container);
            ASSERT_NE(frame, nullptr) << c.Id;
            EXPECT_EQ(frame->Kind, ControlKind::Frame);
            outer = {0, 0, frame->Place.Width, frame->Place.Height};
        }
        EXPECT_GE(c.Place.Left, outer.Left) << c.Id;
        EXPECT_GE(c.Place.Top, outer.Top) << c.Id;
        EXPECT_LE(c.Place.Left + c.Place.Width, outer.Width) << c.Id;
        EXPECT_LE(c.Place.Top + c.Place.Height, outer.Height) << c.Id;
    }
    EXPECT_EQ(ids.size(), 34u);
}

TEST(OptionsLayout, TabOrderHoldsEveryInputOnce) {
    std::set<int> inTab(kOptionsTabOrder.begin(), kOptionsTabOrder.end());
    EXPECT_EQ(inTab.size(), kOptionsTabOrder.size());
    for (const auto& c : OptionsControls()) {
        bool input = c.Kind != ControlKind::Frame && c.Kind != ControlKind::Label &&
                     c.Kind != ControlKind::GreyLabel && c.Kind != ControlKind::ColourSample;
        EXPECT_EQ(inTab.count(c.Id) == 1, input) << c.Id;
    }
    EXPECT_EQ(kOptionsTabOrder.front(), kOptionsOK);
}

TEST(OptionsLayout, PlacesInFramesAreOffsetByTheFrame) {
    TwipsRect r = DialogPlace(*FindControl(kDrawColourEdit));
    EXPECT_EQ(r.Left, 60 + 1080);
    EXPECT_EQ(r.Top, 3180 + 540);
    EXPECT_EQ(DialogPlace(*FindControl(kOptionsOK)).Left, 3780);
}

class OptionsValuesTest : public ::testing::Test {
  protected:
    MemoryStore store;
    std::vector<KeyEntry> table = DefaultKeyTable();
};

TEST_F(OptionsValuesTest, AnEmptyStoreShowsTheDefaults) {
    OptionsValues v = LoadOptionsValues(store, table);
    EXPECT_EQ(v.KeyIndex, (std::array<int, 4>{11, 12, 0, 0}));
    EXPECT_EQ(v.RateIndex, 4);
    EXPECT_FALSE(v.SmoothAlpha || v.Cpu || v.Clip);
    EXPECT_EQ(v.CpuTime, L"1000");
    EXPECT_EQ(v.DrawSample, 0x00FF00u);
    EXPECT_EQ(v.BackSample, 0u);
    EXPECT_TRUE(store.Writes().empty());
}

TEST_F(OptionsValuesTest, StoredTextsThatCannotBeShownLeaveTheInitialState) {
    store.Write(Key::UseAlpha, L"65");     // no such entry
    store.Write(Key::UseOnTop, L"abc");    // no number
    store.Write(Key::UseShowTask, L"27");  // ESC
    store.Write(Key::UseCorvel, L"42");    // Print, not print-screen
    store.Write(Key::Alpha, L"9");
    store.Write(Key::UseSmoothAlpha, L"2");  // on for the program, but only 1 ticks the box
    store.Write(Key::UseCpuMon, L"1");
    store.Write(Key::UseClipboard, L"x");
    store.Write(Key::CpuCol1, L"zz");
    store.Write(Key::CpuCol2, L"1000000");
    OptionsValues v = LoadOptionsValues(store, table);
    EXPECT_EQ(v.KeyIndex, (std::array<int, 4>{0, 0, 13, 21}));
    EXPECT_FALSE(v.RateIndex.has_value());
    EXPECT_FALSE(v.SmoothAlpha);
    EXPECT_TRUE(v.Cpu);
    EXPECT_FALSE(v.Clip);
    EXPECT_EQ(v.DrawColourText, L"zz") << "the text is shown as stored";
    EXPECT_EQ(v.DrawSample, 0x00FF00u) << "the sample keeps green";
    EXPECT_EQ(v.BackSample, 0u) << "above FFFFFF is refused";
}

TEST_F(OptionsValuesTest, ConfirmingAColourTakesHexTextOrKeepsTheSample) {
    struct Case {
        const wchar_t* text;
        uint32_t sample;
    } cases[] = {{L"ff", 0x0000FF},   {L"00ff00", 0x00FF00}, {L"FFFFFF", 0xFFFFFF},
                 {L"", 0x123456},     {L"g", 0x123456},      {L"1000000", 0x123456},
                 {L"&Hff", 0x123456}, {L"-1", 0x123456}};
    for (auto c : cases) EXPECT_EQ(ConfirmColour(c.text, 0x123456), c.sample) << c.text;
}

TEST_F(OptionsValuesTest, OkWritesAllTwelveKeysInOrder) {
    OptionsValues v;
    v.KeyIndex = {10, 0, 21, 23};
    v.RateIndex = 0;
    v.SmoothAlpha = true;
    v.Clip = true;
    v.ClipText = L"\r\n a \r\n\r\nb";
    v.CpuTime = L"abc";
    v.DrawColourText = L"typed, not confirmed";
    v.DrawSample = 0x0000FF;
    v.BackSample = 0xABCDEF;
    WriteOptionsValues(store, v, table);
    std::vector<Key> order;
    for (const auto& k : kKeys) order.push_back(k.key);
    EXPECT_EQ(store.Writes(), order);
    const std::pair<Key, const wchar_t*> expected[] = {
        {Key::UseAlpha, L"121"}, {Key::UseOnTop, L"0"},     {Key::UseShowTask, L"42"},
        {Key::UseCorvel, L"19"}, {Key::Alpha, L"0"},        {Key::UseSmoothAlpha, L"1"},
        {Key::UseCpuMon, L"0"},  {Key::UseClipboard, L"1"}, {Key::ClipText, L"\r\n a \r\n\r\nb"},
        {Key::CpuTime, L"abc"},  {Key::CpuCol1, L"0000FF"}, {Key::CpuCol2, L"ABCDEF"},
    };
    for (auto [key, text] : expected) EXPECT_EQ(store.Read(key), text) << Info(key).name.data();
}

TEST_F(OptionsValuesTest, NoRateSelectedWritesTheMiddleRate) {
    OptionsValues v;
    v.RateIndex.reset();
    WriteOptionsValues(store, v, table);
    EXPECT_EQ(store.Read(Key::Alpha), L"4");
}

TEST(VersionFade, AlphaFollowsTheElapsedSecond) {
    struct Case {
        uint32_t ms;
        int alpha;
    } cases[] = {{0, 0},     {2, 0},     {3, 1},      {500, 100},
                 {997, 199}, {998, 200}, {1000, 200}, {60000, 200}};
    for (auto c : cases) EXPECT_EQ(core::FadeAlpha(c.ms), c.alpha) << c.ms;
}

TEST(VersionFade, ElapsedTimeIsRightAcrossTheCounterWrap) {
    EXPECT_EQ(core::ElapsedMs(0xFFFFFF00u, 0x00000100u), 0x200u);
    EXPECT_EQ(core::ElapsedMs(1000, 1500), 500u);
}

}  // namespace
