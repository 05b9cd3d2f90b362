#include "main_window_fixture.h"

namespace forms {
namespace {

using settings::Key;
using Strings = std::vector<std::wstring>;

class MainWindowMenu : public MainWindowTest {};

const Strings kRates = {L"90%", L"80%", L"70%", L"60%", L"50%", L"40%", L"30%", L"20%", L"10%"};

TEST_F(MainWindowMenu, WithClipOffTheMenuBeginsWithTheRates) {
    auto& window = Load();
    auto root = Items(window.Menu().Root());
    EXPECT_EQ(Texts(window.Menu().Root()),
              (Strings{L"透過率", L"すべて元に戻す", L"-", L"<<<設定>>>", L"-", L"バージョン情報",
                       L"-", L"終了"}));
    ASSERT_NE(root[0].Sub, nullptr);
    EXPECT_EQ(Texts(root[0].Sub), kRates);
    auto rates = Items(root[0].Sub);
    for (size_t i = 0; i < rates.size(); ++i) EXPECT_EQ(rates[i].Checked, i == 4) << i;
}

TEST_F(MainWindowMenu, WithClipOnTheClipSubmenuComesFirst) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::ClipText, L"\r\na\r\n  \r\n b\r\nx&y");
    auto& window = Load();
    auto root = Items(window.Menu().Root());
    EXPECT_EQ(Texts(window.Menu().Root()),
              (Strings{L"クリップ", L"-", L"透過率", L"すべて元に戻す", L"-", L"<<<設定>>>", L"-",
                       L"バージョン情報", L"-", L"終了"}));
    ASSERT_NE(root[0].Sub, nullptr);
    // An ampersand is doubled so the item shows it rather than a mnemonic.
    EXPECT_EQ(Texts(root[0].Sub), (Strings{L"a", L" b", L"x&&y", L"-", L"－－追加－－"}));
    ASSERT_NE(window.Clips().Text(3), nullptr);
    EXPECT_EQ(*window.Clips().Text(3), L"x&y");
    EXPECT_EQ(window.Clips().Text(4), nullptr);
}

TEST_F(MainWindowMenu, NoClipTextsLeaveOnlyTheSeparatorAndAdd) {
    store_.Write(Key::UseClipboard, L"1");
    auto& window = Load();
    EXPECT_EQ(Texts(window.Clips().Handle()), (Strings{L"-", L"－－追加－－"}));
}

TEST_F(MainWindowMenu, ClipMenuIsRebuiltWithoutGaps) {
    store_.Write(Key::UseClipboard, L"1");
    store_.Write(Key::ClipText, L"\r\none\r\ntwo");
    auto& window = Load();
    store_.Write(Key::ClipText, L"\r\n\r\nthree");
    window.Clips().Reload();
    EXPECT_EQ(Texts(window.Clips().Handle()), (Strings{L"three", L"-", L"－－追加－－"}));
}

TEST_F(MainWindowMenu, StoredRateCarriesTheCheckMark) {
    for (auto [stored, checked] :
         {std::pair{L"0", 0}, {L"8", 8}, {L"3", 3}, {L"9", 4}, {L"x", 4}}) {
        store_.Write(Key::Alpha, stored);
        auto& window = Load();
        auto rates = Items(window.Menu().RateMenu());
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(rates[static_cast<size_t>(i)].Checked, i == checked)
                << stored << " item " << i;
        EXPECT_EQ(window.Settings().AlphaIndex, checked);
        window_.reset();
    }
}

TEST_F(MainWindowMenu, PickingARateMovesTheCheckAndStoresIt) {
    auto& window = Load();
    window.SelectRate(8);
    window.SelectRate(2);
    auto rates = Items(window.Menu().RateMenu());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(rates[static_cast<size_t>(i)].Checked, i == 2);
    EXPECT_EQ(window.Settings().AlphaIndex, 2);
    EXPECT_EQ(store_.Read(Key::Alpha), L"2");
}

TEST_F(MainWindowMenu, StartupStateFromTheStore) {
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
    window_.reset();

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

TEST_F(MainWindowMenu, TrayIconCarriesTheTooltipWithTheProcessorCount) {
    Load();
    auto adds = tray_->EventsOfOp(NIM_ADD);
    ASSERT_EQ(adds.size(), 1u);
    EXPECT_EQ(adds[0].Tip, L"ウィンドウ透過ツール\r\n     Ver. 1.40.00\r\n           2CPU搭載");
    EXPECT_EQ(adds[0].CallbackMessage, 512u);
}

}  // namespace
}  // namespace forms
