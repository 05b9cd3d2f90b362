// The options of the general group: the three stored keys after the twelve,
// what the dialog loads and writes for them, the start-with-Windows value,
// and the group's place in the dialog.
#include <gtest/gtest.h>

#include <set>

#include "support/fake_run_entry.h"
#include "support/memory_store.h"
#include "settings/key_table.h"
#include "settings/loaded_settings.h"
#include "settings/options_layout.h"
#include "settings/options_values.h"
#include "settings/start_with_windows.h"

namespace {

using namespace settings;
using common::Language;

TEST(LaterKeys, NamesAndDefaultsAfterTheTwelve) {
    ASSERT_EQ(kStoredKeys.size(), 15u);
    const std::pair<const wchar_t*, const wchar_t*> later[] = {
        {L"TARGET_WHOLE", L"0"}, {L"RESTORE_ON_EXIT", L"0"}, {L"LANGUAGE", L"ja"}};
    for (size_t i = 0; i < kLaterKeys.size(); ++i) {
        EXPECT_EQ(kLaterKeys[i].name, later[i].first);
        EXPECT_EQ(kLaterKeys[i].defaultText, later[i].second);
        EXPECT_EQ(&kLaterKeys[i], &kStoredKeys[12 + i]);
    }
    for (size_t i = 0; i < kStoredKeys.size(); ++i)
        EXPECT_EQ(&Info(kStoredKeys[i].key), &kStoredKeys[i]) << i;
    MemoryStore store;
    RunningSettings s = LoadStartupSettings(store);
    EXPECT_FALSE(s.TargetWhole);
    EXPECT_FALSE(s.RestoreOnExit);
    EXPECT_EQ(s.Language, Language::Japanese);
}

// A later key that cannot be used is its default, also over a value in force.
TEST(LaterKeys, UnusableValuesAreTheDefaultEvenOverWhatIsInForce) {
    RunningSettings inForce;
    inForce.TargetWhole = inForce.RestoreOnExit = true;
    inForce.Language = Language::English;
    struct Case {
        Key key;
        const wchar_t* stored;
        bool whole, restore;
        Language language;
    } cases[] = {
        {Key::TargetWhole, L"1", true, true, Language::Japanese},
        {Key::TargetWhole, L"0", false, true, Language::Japanese},
        {Key::TargetWhole, L"2", false, true, Language::Japanese},
        {Key::TargetWhole, L"on", false, true, Language::Japanese},
        {Key::RestoreOnExit, L"1", true, true, Language::Japanese},
        {Key::RestoreOnExit, L"", true, false, Language::Japanese},
        {Key::RestoreOnExit, L"-1", true, false, Language::Japanese},
        {Key::Language, L"en", true, true, Language::English},
        {Key::Language, L"ja", true, true, Language::Japanese},
        {Key::Language, L"EN", true, true, Language::Japanese},
        {Key::Language, L"de", true, true, Language::Japanese},
    };
    for (const auto& c : cases) {
        MemoryStore store;
        // The other two usable, so each row shows one key's rule.
        store.Write(Key::TargetWhole, L"1");
        store.Write(Key::RestoreOnExit, L"1");
        store.Write(c.key, c.stored);
        RunningSettings s = ApplyStored(store, inForce);
        SCOPED_TRACE(testing::Message() << Info(c.key).name.data() << " [" << c.stored << "]");
        EXPECT_EQ(s.TargetWhole, c.whole);
        EXPECT_EQ(s.RestoreOnExit, c.restore);
        EXPECT_EQ(s.Language, c.language);
    }
}

class GeneralValues : public ::testing::Test {
  protected:
    std::vector<Key> LaterWrites(size_t from) const {
        return {store.Writes().begin() + static_cast<ptrdiff_t>(from), store.Writes().end()};
    }
    MemoryStore store;
    std::vector<KeyEntry> table = DefaultKeyTable();
};

TEST_F(GeneralValues, LoadTicksOnlyAStoredOne) {
    store.Write(Key::TargetWhole, L"1");
    store.Write(Key::RestoreOnExit, L"2");
    store.Write(Key::Language, L"en");
    OptionsValues v = LoadOptionsValues(store, table);
    EXPECT_TRUE(v.WholeWindow);
    EXPECT_FALSE(v.RestoreOnExit);
    EXPECT_EQ(v.Language, Language::English);
}

// OK writes the twelve every time; a later key only when its value is not
// what the store already gives, after the twelve and in the table's order.
TEST_F(GeneralValues, OkWritesALaterKeyOnlyWhenItChanges) {
    struct Case {
        const wchar_t* whole;  // stored before, or null for nothing
        const wchar_t* language;
        bool chooseWhole, chooseRestore;
        Language chooseLanguage;
        std::vector<Key> written;
    } cases[] = {
        {nullptr, nullptr, false, false, Language::Japanese, {}},
        {L"x", L"fr", false, false, Language::Japanese, {}},  // unusable: already the default
        {nullptr, nullptr, true, false, Language::Japanese, {Key::TargetWhole}},
        {L"1", nullptr, false, false, Language::Japanese, {Key::TargetWhole}},
        {L"1", L"en", true, false, Language::English, {}},
        {nullptr, L"en", false, false, Language::Japanese, {Key::Language}},
        {nullptr,
         nullptr,
         true,
         true,
         Language::English,
         {Key::TargetWhole, Key::RestoreOnExit, Key::Language}},
    };
    for (const auto& c : cases) {
        store = MemoryStore{};
        if (c.whole) store.Write(Key::TargetWhole, c.whole);
        if (c.language) store.Write(Key::Language, c.language);
        size_t before = store.Writes().size();
        OptionsValues v = LoadOptionsValues(store, table);
        v.WholeWindow = c.chooseWhole;
        v.RestoreOnExit = c.chooseRestore;
        v.Language = c.chooseLanguage;
        WriteOptionsValues(store, v, table);
        std::vector<Key> later = LaterWrites(before + kKeys.size());
        SCOPED_TRACE(testing::Message()
                     << (c.whole ? c.whole : L"-") << " / " << (c.language ? c.language : L"-"));
        for (size_t i = 0; i < kKeys.size(); ++i)
            EXPECT_EQ(store.Writes()[before + i], kKeys[i].key) << "the twelve first";
        EXPECT_EQ(later, c.written);
        RunningSettings s = LoadStartupSettings(store);
        EXPECT_EQ(s.TargetWhole, c.chooseWhole) << "the store gives what was chosen";
        EXPECT_EQ(s.RestoreOnExit, c.chooseRestore);
        EXPECT_EQ(s.Language, c.chooseLanguage);
    }
    store = MemoryStore{};
    OptionsValues v = LoadOptionsValues(store, table);
    v.Language = Language::English;
    v.WholeWindow = true;
    WriteOptionsValues(store, v, table);
    EXPECT_EQ(store.Read(Key::Language), L"en");
    EXPECT_EQ(store.Read(Key::TargetWhole), L"1");
}

TEST_F(GeneralValues, KeyListNamesItsFirstEntryInTheLanguage) {
    auto en = DefaultKeyTable(Language::English);
    ASSERT_EQ(en.size(), table.size());
    EXPECT_EQ(table[0].Name, L"-使用しない-");
    EXPECT_EQ(en[0].Name, L"-Not used-");
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(en[i].Code, table[i].Code);
        if (i > 0) {
            EXPECT_EQ(en[i].Name, table[i].Name);
        }
    }
}

TEST(StartWithWindows, TheValueStartsThisProgramInQuotes) {
    const std::wstring path = L"C:\\Program Files\\Vitrane\\Vitrane.exe";
    EXPECT_EQ(RunCommandFor(path), L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\"");
    struct Case {
        const wchar_t* value;
        bool starts;
    } cases[] = {
        {L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\"", true},
        {L"C:\\Program Files\\Vitrane\\Vitrane.exe", true},
        {L"  \"c:\\PROGRAM FILES\\vitrane\\VITRANE.EXE\"  ", true},
        {L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\" /quiet", true},
        {L"\"C:\\Program Files\\Vitrane\\Vitrane.exe", true},  // unclosed quote
        {L"\"D:\\Tools\\Vitrane.exe\"", false},                // another copy
        {L"\"C:\\Program Files\\Vitrane\\Vitrane.exe.bak\"", false},
        {L"C:\\Program Files\\Vitrane\\Vitrane.exe /quiet", false},  // unquoted: all is path
        {L"", false},
        {L"\"\"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(StartsProgram(c.value, path), c.starts) << c.value;
    EXPECT_FALSE(StartsProgram(L"\"\"", L""));
}

TEST(StartWithWindows, OkChangesTheValueOnlyWhenTheBoxChanged) {
    const std::wstring own = L"\"C:\\Program Files\\Vitrane\\Vitrane.exe\"";
    const std::wstring other = L"\"D:\\Tools\\Vitrane.exe\"";
    struct Case {
        std::optional<std::wstring> before;
        bool ticked;
        std::optional<std::wstring> after;
        int writes, removes;
    } cases[] = {
        {std::nullopt, false, std::nullopt, 0, 0},
        {std::nullopt, true, own, 1, 0},
        {own, true, own, 0, 0},
        {own, false, std::nullopt, 0, 1},
        {own + L" /quiet", true, own + L" /quiet", 0, 0},  // ours, left as it is
        {other, false, other, 0, 0},                       // another copy's, left alone
        {other, true, own, 1, 0},                          // unless the box is ticked
    };
    for (const auto& c : cases) {
        FakeRunEntry entry;
        entry.value = c.before;
        bool shown = StartsWithWindows(entry);
        ApplyStartWithWindows(entry, shown, c.ticked);
        SCOPED_TRACE(testing::Message() << c.before.value_or(L"(none)") << " ticked " << c.ticked);
        EXPECT_EQ(entry.value, c.after);
        EXPECT_EQ(entry.writes, c.writes);
        EXPECT_EQ(entry.removes, c.removes);
    }
}

TEST(GeneralLayout, BelowEverythingInsideTheDialogAfterTheOtherIds) {
    const ControlSpec* frame = FindControl(kGeneralFrame);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Kind, ControlKind::Frame);
    EXPECT_EQ(frame->Container, 0);
    EXPECT_LE(frame->Place.Top + frame->Place.Height, kOptionsClientHeight);
    EXPECT_LE(frame->Place.Left + frame->Place.Width, kOptionsClientWidth);
    std::set<int> ids;
    int lowest = 0;
    for (const auto& c : OptionsControls()) {
        ids.insert(c.Id);
        common::TwipsRect r = DialogPlace(c);
        lowest = std::max(lowest, r.Top + r.Height);
    }
    EXPECT_LE(lowest, frame->Place.Top) << "every other control keeps its place above the group";
    for (const auto& c : GeneralControls()) {
        EXPECT_TRUE(ids.insert(c.Id).second) << "duplicate id " << c.Id;
        EXPECT_GT(c.Id, kCreditLabel) << "ids after the existing ones";
        if (c.Id == kGeneralFrame) continue;
        EXPECT_EQ(c.Container, kGeneralFrame) << c.Id;
        EXPECT_GE(c.Place.Left, 0) << c.Id;
        EXPECT_GE(c.Place.Top, 0) << c.Id;
        EXPECT_LE(c.Place.Left + c.Place.Width, frame->Place.Width) << c.Id;
        EXPECT_LE(c.Place.Top + c.Place.Height, frame->Place.Height) << c.Id;
    }
    std::set<int> tab(kOptionsTabOrder.begin(), kOptionsTabOrder.end());
    for (int id : {kWholeWindowCheck, kRestoreOnExitCheck, kStartWithWindowsCheck, kLanguageList})
        EXPECT_EQ(tab.count(id), 1u) << id;
    EXPECT_EQ(kOptionsTabOrder.back(), kLanguageList) << "after every earlier control";
}

TEST(GeneralLayout, EveryLanguageHasTheSameControlsInTheSamePlaces) {
    for (auto [ja, en] :
         {std::pair{OptionsControls(Language::Japanese), OptionsControls(Language::English)},
          {GeneralControls(Language::Japanese), GeneralControls(Language::English)}}) {
        ASSERT_EQ(ja.size(), en.size());
        for (size_t i = 0; i < ja.size(); ++i) {
            EXPECT_EQ(ja[i].Id, en[i].Id);
            EXPECT_EQ(ja[i].Kind, en[i].Kind);
            EXPECT_EQ(ja[i].Place.Top, en[i].Place.Top);
            EXPECT_EQ(ja[i].Place.Width, en[i].Place.Width);
            EXPECT_EQ(ja[i].Text.empty(), en[i].Text.empty()) << ja[i].Id;
            EXPECT_EQ(ja[i].Tooltip.empty(), en[i].Tooltip.empty()) << ja[i].Id;
        }
    }
    EXPECT_EQ(FindControl(kLanguageLabel)->Text, L"表示言語");
    EXPECT_EQ(GeneralControls(Language::English)[1].Text, L"Act on the whole window");
}

}  // namespace
