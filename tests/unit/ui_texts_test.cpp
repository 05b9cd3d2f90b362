// The per-language text tables: Japanese exactly as the programs have always
// read, English complete and fit for where each text is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <vector>

#include "common/language.h"
#include "common/ui_texts.h"
#include "core/version_text.h"

namespace {

using common::Language;
using common::TextOf;
using common::UiText;
using T = UiText;

constexpr Language kJa = Language::Japanese;
constexpr Language kEn = Language::English;

std::vector<UiText> AllTexts() {
    std::vector<UiText> all;
    for (size_t i = 1; i <= common::kUiTextCount; ++i) all.push_back(static_cast<UiText>(i));
    return all;
}

bool HasJapanese(std::wstring_view s) {
    for (wchar_t c : s) {
        auto u = static_cast<uint32_t>(c);
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

TEST(UiTexts, JapaneseIsTodaysTexts) {
    const std::map<UiText, std::wstring_view> today = {
        {T::TrayClip, L"クリップ"},
        {T::TrayRate, L"透過率"},
        {T::TrayRestoreAll, L"すべて元に戻す"},
        {T::TrayOptions, L"<<<設定>>>"},
        {T::TrayVersion, L"バージョン情報"},
        {T::TrayExit, L"終了"},
        {T::ClipAdd, L"－－追加－－"},
        {T::TrayTooltip, L"ウィンドウ透過ツール\r\n     Ver. {0}\r\n           {1}CPU搭載"},
        {T::AlreadyRunning, L"すでに起動済みです"},
        {T::AlreadyRunningTitle, L"警告"},
        {T::InputPrompt, L"登録する文字を入力してください。"},
        {T::InputTitle, L"入力"},
        {T::InputCancel, L"キャンセル"},
        {T::OK, L"OK"},
        {T::VersionCaption, L"バージョン情報"},
        {T::VersionTitle, L"ウィンドウ透過ツール　(Win2000・XP専用)"},
        {T::VersionLabel, L"ﾊﾞｰｼﾞｮﾝ {0}"},
        {T::Credit, L"© 2026 Vitrane"},
        {T::OptionsCaption, L"設定　　--ウィンドウ透過ツール--"},
        {T::HotkeyFrame, L"ホットキー"},
        {T::AlphaKeyLabel, L"透過機能："},
        {T::AlphaKeyTip, L"透過表示するときに使うキーを設定します"},
        {T::AlphaKeyHint, L"(＋Shiftで透過を解除)"},
        {T::OnTopKeyLabel, L"常に手前機能："},
        {T::OnTopKeyTip, L"常に手前表示をするときに使うキーを設定します"},
        {T::OnTopKeyHint, L"(＋Shiftで常に手前を解除)"},
        {T::TaskbarKeyLabel, L"タスクバー表示機能："},
        {T::TaskbarKeyTip, L"常に手前表示をするときに使うキーを設定します"},
        {T::TaskbarKeyHint, L"(＋Shiftでタスクバーに表示しない)"},
        {T::TrayKeyLabel, L"タスクトレイ機能："},
        {T::TrayKeyTip, L"常に手前表示をするときに使うキーを設定します"},
        {T::TrayKeyHint, L"(＋Shiftでタスクトレイから取り出す)"},
        {T::TransparencyFrame, L"透過機能"},
        {T::RateLabel, L"透過率："},
        {T::RateTip, L"透過する割合を設定します"},
        {T::SmoothFadeCheck, L"マウス（センターボタン）によるスムース透過を使用する"},
        {T::CpuFrame, L"CPUモニタ機能"},
        {T::CpuCheck, L"CPUモニタ機能を使用する"},
        {T::DrawColourLabel, L"描画色："},
        {T::BackColourLabel, L"背景色："},
        {T::IntervalLabel, L"描画間隔："},
        {T::IntervalUnit, L"(ms)"},
        {T::ClipFrame, L"クリップ機能"},
        {T::ClipCheck, L"クリップ機能を使用する"},
        {T::OptionsCancel, L"ｷｬﾝｾﾙ"},
        {T::KeyNone, L"-使用しない-"},
        {T::GeneralFrame, L"全般"},
        {T::WholeWindowCheck, L"ウィンドウ全体に効かせる"},
        {T::RestoreOnExitCheck, L"終了時にすべて元に戻す"},
        {T::StartWithWindowsCheck, L"Windows の起動時に開始"},
        {T::LanguageLabel, L"表示言語"},
        {T::LanguageName, L"日本語"},
        {T::CompanionShow, L"表示"},
        {T::CompanionHide, L"隠す"},
        {T::CompanionTakeOut, L"トレイからはずす"},
        {T::NoticeRefused, L"管理者権限のウィンドウには効きません"},
        {T::NoticeSelfDrawn, L"このウィンドウは透過できません"},
        {T::NoticeCompanionMissing, L"Corvel.exe が見つかりません"},
        {T::NoticeCompanionFailed, L"Corvel.exe を起動できません"},
    };
    for (UiText id : AllTexts()) {
        auto it = today.find(id);
        ASSERT_NE(it, today.end()) << "pin the Japanese of text " << static_cast<int>(id);
        EXPECT_EQ(TextOf(kJa, id), it->second) << static_cast<int>(id);
    }
    EXPECT_EQ(TextOf(kJa, T::None), L"");
    EXPECT_EQ(TextOf(kEn, T::None), L"");
}

TEST(UiTexts, EveryTextHasItsOwnEnglish) {
    // Language-neutral texts may read the same; every other one is translated.
    const std::set<UiText> same = {T::OK, T::Credit, T::IntervalUnit};
    for (UiText id : AllTexts()) {
        std::wstring_view en = TextOf(kEn, id);
        EXPECT_FALSE(en.empty()) << static_cast<int>(id);
        EXPECT_FALSE(HasJapanese(en)) << static_cast<int>(id);
        if (same.count(id)) {
            EXPECT_EQ(en, TextOf(kJa, id)) << static_cast<int>(id);
        } else {
            EXPECT_NE(en, TextOf(kJa, id)) << static_cast<int>(id);
        }
    }
    EXPECT_EQ(TextOf(kEn, T::LanguageName), L"English");
    EXPECT_EQ(TextOf(kEn, T::TrayRate), L"&Transparency");
    EXPECT_EQ(TextOf(kEn, T::TrayExit), L"E&xit");
}

// The character a menu text's mnemonic names, or 0 when it has none.
wchar_t Mnemonic(std::wstring_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;
            continue;
        }
        return towupper(text[i + 1]);
    }
    return 0;
}

TEST(UiTexts, EnglishMenusHaveOneMnemonicPerItemNoneTwice) {
    // The items of one menu; a letter typed in it must choose one item.
    const std::vector<std::vector<UiText>> menus = {
        {T::TrayClip, T::TrayRate, T::TrayRestoreAll, T::TrayOptions, T::TrayVersion, T::TrayExit},
        {T::ClipAdd},
        {T::CompanionShow, T::CompanionHide, T::CompanionTakeOut},
    };
    for (const auto& menu : menus) {
        std::set<wchar_t> keys;
        for (UiText id : menu) {
            std::wstring_view en = TextOf(kEn, id);
            wchar_t key = Mnemonic(en);
            EXPECT_NE(key, 0) << static_cast<int>(id);
            EXPECT_EQ(std::count(en.begin(), en.end(), L'&'), 1) << static_cast<int>(id);
            EXPECT_TRUE(keys.insert(key).second) << "mnemonic used twice in one menu";
            EXPECT_EQ(Mnemonic(TextOf(kJa, id)), 0) << "the Japanese stays as it was";
        }
    }
}

TEST(UiTexts, FillInReplacesNumberedPlaceholders) {
    struct Case {
        const wchar_t* pattern;
        std::wstring want;
    } cases[] = {
        {L"{0}-{1}", L"a-bc"},
        {L"{1}{0}{1}", L"bcabc"},
        {L"v {0}.", L"v a."},
        {L"{2} stays", L"{2} stays"},
        {L"{x} {", L"{x} {"},
        {L"{0", L"{0"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(common::FillIn(c.pattern, {L"a", L"bc"}), c.want);
}

TEST(UiTexts, EnglishVersionTextsAndTooltipFitTheTray) {
    common::FileVersion v{1, 40, 0, 0};
    EXPECT_EQ(core::VersionLabel(v, kEn), L"Version 1.40.00");
    EXPECT_EQ(core::TrayTooltip(v, 2, kEn),
              L"Window transparency tool\r\nVersion 1.40.00\r\nProcessors: 2");
    // Whole, not cut, up to four-digit processor counts and two-digit majors.
    for (int32_t cpus : {1, 64, 1024, 9999}) {
        std::wstring tip = core::TrayTooltip({99, 99, 99, 0}, cpus, kEn);
        EXPECT_LE(tip.size(), 63u);
        EXPECT_EQ(tip.substr(tip.size() - std::to_wstring(cpus).size()), std::to_wstring(cpus));
    }
    // The English title claims no particular Windows.
    std::wstring_view title = TextOf(kEn, T::VersionTitle);
    for (std::wstring_view claim : {L"2000", L"XP", L"only"})
        EXPECT_EQ(title.find(claim), std::wstring_view::npos);
    auto texts = core::VersionDialogTexts(v, kEn);
    EXPECT_EQ(texts.Caption, L"About Vitrane");
    EXPECT_EQ(texts.Label, L"Version 1.40.00");
    auto ja = core::VersionDialogTexts(v, kJa);
    EXPECT_EQ(ja.Caption, L"バージョン情報");
    EXPECT_EQ(ja.Title, L"ウィンドウ透過ツール　(Win2000・XP専用)");
    EXPECT_EQ(ja.Label, L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
}

TEST(Language, StoredTextChoosesExactlyJaOrEn) {
    struct Case {
        const wchar_t* stored;
        Language want;
    } cases[] = {{L"ja", kJa},  {L"en", kEn}, {L"", kJa},      {L"EN", kJa},
                 {L" en", kJa}, {L"fr", kJa}, {L"en-US", kJa}, {L"english", kJa}};
    for (const auto& c : cases) EXPECT_EQ(common::LanguageFromStored(c.stored), c.want) << c.stored;
    for (Language l : common::kLanguages) {
        EXPECT_EQ(common::LanguageFromStored(common::LanguageCode(l)), l);
        EXPECT_EQ(common::LanguageAt(common::LanguageIndex(l)), l);
    }
    EXPECT_EQ(common::LanguageAt(-1), kJa);
    EXPECT_EQ(common::LanguageAt(2), kJa);
    EXPECT_EQ(common::LanguageIndex(kJa), 0) << "日本語 first in the list";
}

}  // namespace
