#include "form_fixture.h"

namespace forms {
namespace {

using settings::Key;
using Strings = std::vector<std::wstring>;

class MainFormMenu : public MainFormTest {};

const Strings kRates = {L"90%", L"80%", L"70%", L"60%", L"50%", L"40%", L"30%", L"20%", L"10%"};

TEST_F(MainFormMenu, WithClipOffTheMenuBeginsWithTheRates) {
    auto& form = Load();
    auto root = Items(form.Menu().Root());
    EXPECT_EQ(Texts(form.Menu().Root()),
              (Strings{L"透過率", L"-", L"<<<設定>>>", L"-", L"バージョン情報", L"-", L"終了"}));
    ASSERT_NE(root[0].Sub, nullptr);
    EXPECT_EQ(Texts(root[0].Sub), kRates);
    auto rates = Items(root[0].Sub);
    for (size_t i = 0; i < rates.size(); ++i) EXPECT_EQ(rates[i].Checked, i == 4) << i;
}

TEST_F(MainFormMenu, WithClipOnTheClipSubmenuComesFirst) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::ClipText, L"\r\na\r\n  \r\n b\r\nx&y");
    auto& form = Load();
    auto root = Items(form.Menu().Root());
    EXPECT_EQ(Texts(form.Menu().Root()), (Strings{L"クリップ", L"-", L"透過率", L"-", L"<<<設定>>>",
                                                  L"-", L"バージョン情報", L"-", L"終了"}));
    ASSERT_NE(root[0].Sub, nullptr);
    // An ampersand is doubled so the item shows it rather than a mnemonic.
    EXPECT_EQ(Texts(root[0].Sub), (Strings{L"a", L" b", L"x&&y", L"-", L"－－追加－－"}));
    ASSERT_NE(form.Clips().Text(3), nullptr);
    EXPECT_EQ(*form.Clips().Text(3), L"x&y");
    EXPECT_EQ(form.Clips().Text(4), nullptr);
}

TEST_F(MainFormMenu, NoClipTextsLeaveOnlyTheSeparatorAndAdd) {
    store_.Write(Key::UseClipboard, L"1");
    auto& form = Load();
    EXPECT_EQ(Texts(form.Clips().Handle()), (Strings{L"-", L"－－追加－－"}));
}

TEST_F(MainFormMenu, ClipMenuIsRebuiltWithoutGaps) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::ClipText, L"\r\none\r\ntwo");
    auto& form = Load();
    store_.Write(Key::ClipText, L"\r\n\r\nthree");
    form.Clips().Reload();
    EXPECT_EQ(Texts(form.Clips().Handle()), (Strings{L"three", L"-", L"－－追加－－"}));
}

TEST_F(MainFormMenu, StoredRateCarriesTheCheckMark) {
    for (auto [stored, checked] :
         {std::pair{L"0", 0}, {L"8", 8}, {L"3", 3}, {L"9", 4}, {L"x", 4}}) {
        store_.Write(Key::Alpha, stored);
        auto& form = Load();
        auto rates = Items(form.Menu().RateMenu());
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(rates[static_cast<size_t>(i)].Checked, i == checked)
                << stored << " item " << i;
        EXPECT_EQ(form.Settings().AlphaIndex, checked);
        form_.reset();
    }
}

TEST_F(MainFormMenu, PickingARateMovesTheCheckAndStoresIt) {
    auto& form = Load();
    form.SelectRate(8);
    form.SelectRate(2);
    auto rates = Items(form.Menu().RateMenu());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(rates[static_cast<size_t>(i)].Checked, i == 2);
    EXPECT_EQ(form.Settings().AlphaIndex, 2);
    EXPECT_EQ(store_.Read(Key::Alpha), L"2");
}

TEST_F(MainFormMenu, StartupStateFromTheStore) {
    auto& fresh = Load();
    EXPECT_EQ(fresh.Settings().Hotkeys.AlphaKey, 122);
    EXPECT_EQ(fresh.Settings().Hotkeys.OnTopKey, 123);
    EXPECT_EQ(fresh.Settings().Hotkeys.TaskbarKey, 0);
    EXPECT_EQ(fresh.Settings().Hotkeys.TrayParkKey, 0);
    EXPECT_EQ(fresh.Fade().State(), effects::FadeGesture::Off);
    EXPECT_FALSE(fresh.Graph().Enabled());
    EXPECT_EQ(fresh.Graph().Interval(), 1000);
    EXPECT_TRUE(fresh.Polling());
    EXPECT_EQ(fresh.VersionLabel(), L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
    EXPECT_TRUE(store_.Writes().empty());
    form_.reset();

    store_.Write(Key::UseSmoothAlpha, L"1");
    store_.Write(Key::UseCpuMon, L"1");
    store_.Write(Key::CpuTime, L"250");
    store_.Write(Key::UseShowTask, L"65");
    store_.Write(Key::CpuCol1, L"ff");
    auto& set = Load();
    EXPECT_EQ(set.Fade().State(), effects::FadeGesture::Armed);
    EXPECT_TRUE(set.Graph().Enabled());
    EXPECT_EQ(set.Graph().Interval(), 250);
    EXPECT_EQ(set.Settings().Hotkeys.TaskbarKey, 65);
    EXPECT_EQ(set.Graph().DrawColour(), 0xFFu);
}

TEST_F(MainFormMenu, TrayIconCarriesTheTooltipWithTheProcessorCount) {
    Load();
    auto adds = tray_->EventsOfOp(NIM_ADD);
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].Tip, L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           2CPU搭載");
    EXPECT_EQ(adds[0].CallbackMessage, 512u);
}

}  // namespace
}  // namespace forms
