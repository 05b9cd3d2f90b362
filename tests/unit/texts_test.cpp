#include <gtest/gtest.h>

#include "clip/clip_entries.h"
#include "common/file_version.h"
#include "common/text.h"
#include "core/version_text.h"
#include "effects/alpha_rate.h"

TEST(VersionText, LabelAndTooltip) {
    common::FileVersion v{1, 40, 0, 0};
    EXPECT_EQ(core::VersionLabel(v), L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
    EXPECT_EQ(core::VersionLabel({1, 4, 7, 0}), L"ﾊﾞｰｼﾞｮﾝ 1.04.07");
    EXPECT_EQ(core::TrayTooltip(v, 2),
              L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           2CPU搭載");
    EXPECT_EQ(core::TrayTooltip(v, 0).substr(31), L"           0CPU搭載");
}

TEST(VersionText, TooltipNeverExceedsTheTray) {
    common::FileVersion v{65535, 65535, 65535, 0};
    EXPECT_LE(core::TrayTooltip(v, 2147483647).size(), 63u);
}

TEST(CutUtf16, KeepsSurrogatePairsWhole) {
    std::wstring s = L"ab";
    s += static_cast<wchar_t>(0xD83D);
    s += static_cast<wchar_t>(0xDE00);
    EXPECT_EQ(common::CutUtf16(s, 3), L"ab");
    EXPECT_EQ(common::CutUtf16(s, 4), s);
    EXPECT_EQ(common::CutUtf16(L"abc", 0), L"");
}

TEST(VersionResource, FindsTheFixedInfo) {
    // A VS_VERSIONINFO head: lengths, type, key, padding, then VS_FIXEDFILEINFO.
    uint32_t blob[16] = {
        0x00340000,      0, 0, 0, 0, 0, 0, 0, 0xFEEF04BD, 0x00010000, (1u << 16) | 40u,
        (3u << 16) | 9u, 0, 0, 0, 0};
    auto v = common::ParseVersionResource(blob, sizeof(blob));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Major, 1);
    EXPECT_EQ(v->Minor, 40);
    EXPECT_EQ(v->Revision, 3);
    EXPECT_EQ(v->Build, 9);
    EXPECT_FALSE(common::ParseVersionResource(blob, 40));  // cut before the info
    EXPECT_FALSE(common::ParseVersionResource(nullptr, 0));
}

TEST(ClipEntries, SplitsOnCrLfOnlyAndSkipsBlankEntries) {
    struct Case {
        const wchar_t* stored;
        std::vector<std::wstring> want;
    } cases[] = {
        {L"", {}},
        {L"\r\na\r\n  \r\n b", {L"a", L" b"}},
        {L"one", {L"one"}},
        {L"a\nb\rc", {L"a\nb\rc"}},
        {L"\r\n\r\n\r\n", {}},
        {L"x\r\n\r\ny ", {L"x", L"y "}},
        {L"\r\n日本語\r\n\t", {L"日本語", L"\t"}},
        {L"\r\n\u3000\r\n \u3000 \r\n\u3000a\u3000", {L"\u3000a\u3000"}},  // full-width spaces
    };
    for (const auto& c : cases) EXPECT_EQ(clip::ClipEntries(c.stored), c.want);
}

TEST(ClipEntries, AppendAddsCrLfAndRefusesBlank) {
    EXPECT_EQ(clip::AppendClip(L"", L"abc"), L"\r\nabc");
    struct Case {
        const wchar_t* entry;
        std::optional<std::wstring> stored;
    } cases[] = {
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"\u3000", std::nullopt},
        {L"\u3000\u3000\u3000", std::nullopt},
        {L" \u3000 \u3000", std::nullopt},
        {L"\u3000x", L"\r\nabc\r\n\u3000x"},
        {L"\t", L"\r\nabc\r\n\t"},
        {L"  d ", L"\r\nabc\r\n  d "},
    };
    for (const auto& c : cases) EXPECT_EQ(clip::AppendClip(L"\r\nabc", c.entry), c.stored);
}

TEST(AlphaRate, TableAndCaptions) {
    const int alphas[] = {26, 51, 76, 102, 128, 153, 178, 204, 230};
    const wchar_t* captions[] = {L"90%", L"80%", L"70%", L"60%", L"50%",
                                 L"40%", L"30%", L"20%", L"10%"};
    for (int i = 0; i < effects::kRateCount; ++i) {
        EXPECT_EQ(effects::AlphaFromIndex(i), alphas[i]) << i;
        EXPECT_EQ(effects::RateCaption(i), captions[i]);
    }
}
