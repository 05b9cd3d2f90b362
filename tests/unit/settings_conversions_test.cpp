#include <gtest/gtest.h>

#include "settings/conversions.h"
#include "settings/key_table.h"

using namespace settings;

TEST(ToLong, AcceptsDecimalAndHexForms) {
    struct Case {
        const wchar_t* text;
        std::optional<int32_t> want;
    } cases[] = {
        {L"122", 122},
        {L"  45 ", 45},
        {L"-1", -1},
        {L"+7", 7},
        {L"0", 0},
        {L"2147483647", INT32_MAX},
        {L"-2147483648", INT32_MIN},
        {L"&H7A", 122},
        {L"&hff", 255},
        {L"&HFFFFFFFF", -1},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"abc", std::nullopt},
        {L"12a", std::nullopt},
        {L"1 2", std::nullopt},
        {L"-", std::nullopt},
        {L"2147483648", std::nullopt},
        {L"99999999999", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"&H", std::nullopt},
        {L"&H123456789", std::nullopt},
        {L"&HXYZ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ToLong(c.text), c.want) << "text: [" << c.text << "]";
}

TEST(Colour, ReadsHexInPlatformOrderAndRefusesOthers) {
    struct Case {
        const wchar_t* text;
        std::optional<uint32_t> want;
    } cases[] = {
        {L"00FF00", 0x00FF00u},     {L"000000", 0u},
        {L"0000FF", 0xFFu},         {L"ff", 0xFFu},
        {L"c0c0c0", 0xC0C0C0u},     {L"FFFFFF", 0xFFFFFFu},
        {L"1000000", std::nullopt}, {L"", std::nullopt},
        {L"zz", std::nullopt},      {L"FFFFFFFF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColourFromText(c.text), c.want) << "text: [" << c.text << "]";
}

TEST(Colour, TextIsSixUpperCaseDigits) {
    EXPECT_EQ(ColourText(0xFF), L"0000FF");
    EXPECT_EQ(ColourText(0x00FF00), L"00FF00");
    EXPECT_EQ(ColourText(0), L"000000");
    EXPECT_EQ(ColourText(0xabcdef), L"ABCDEF");
    // Round trip of what a user types in lower case.
    EXPECT_EQ(ColourText(*ColourFromText(L"c0ffc0")), L"C0FFC0");
}

TEST(KeyTable, HasTheTwentyFourEntriesInOrder) {
    auto t = DefaultKeyTable();
    ASSERT_EQ(t.size(), 24u);
    EXPECT_EQ(t[0].Name, L"-使用しない-");
    EXPECT_EQ(t[0].Code, 0);
    EXPECT_EQ(t[1].Name, L"F1");
    EXPECT_EQ(t[1].Code, 112);
    EXPECT_EQ(t[12].Name, L"F12");
    EXPECT_EQ(t[12].Code, 123);
    EXPECT_EQ(t[13].Code, 27);
    EXPECT_EQ(t[21].Name, L"Print");
    EXPECT_EQ(t[21].Code, 42);  // VK_PRINT, not print-screen
    EXPECT_EQ(t[23].Name, L"Pause");
    EXPECT_EQ(t[23].Code, 19);
}

TEST(KeyTable, CodeToIndexFallsBackToUnused) {
    auto t = DefaultKeyTable();
    EXPECT_EQ(CodeToIndex(t, 122), 11);
    EXPECT_EQ(CodeToIndex(t, 19), 23);
    EXPECT_EQ(CodeToIndex(t, 0), 0);
    EXPECT_EQ(CodeToIndex(t, 65), 0);  // 'A' is polled but not offered
    EXPECT_EQ(CodeToIndex(t, -1), 0);
    EXPECT_EQ(IndexToCode(t, 11), 122);
    EXPECT_EQ(IndexToCode(t, -1), 0);
    EXPECT_EQ(IndexToCode(t, 24), 0);
}

TEST(KeyTable, LastEqualEntryWins) {
    std::vector<KeyEntry> t{{L"none", 0}, {L"a", 5}, {L"b", 5}};
    EXPECT_EQ(CodeToIndex(t, 5), 2);
}
