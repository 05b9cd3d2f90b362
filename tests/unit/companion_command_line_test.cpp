#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/companion_contract.h"

namespace {

using common::ArgumentText;
using common::TargetHandleFromArgument;

TEST(CompanionCommandLine, ArgumentIsEverythingAfterTheProgramPath) {
    struct Case {
        const wchar_t* commandLine;
        const wchar_t* argument;
    } cases[] = {
        {LR"("C:\Program Files\V\Corvel.exe" 1234)", L"1234"},
        {LR"(C:\V\Corvel.exe 1234)", L"1234"},
        {LR"("C:\a b\Corvel.exe"1234)", L"1234"},
        {LR"("C:\a b\Corvel.exe"   1234  )", L"  1234  "},
        {L"Corvel.exe\t77", L"77"},
        {LR"("C:\a b\Corvel.exe")", L""},
        {LR"(C:\V\Corvel.exe)", L""},
        {LR"("C:\unclosed 1234)", L""},
        {L"", L""},
        {LR"("C:\x\Corvel.exe" 12 34)", L"12 34"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ArgumentText(c.commandLine), c.argument) << c.commandLine;
    }
}

TEST(CompanionCommandLine, OnlyA32BitDecimalIsAHandle) {
    struct Case {
        const wchar_t* argument;
        std::optional<int32_t> handle;
    } cases[] = {
        {L"1234", 1234},
        {L" 1234 ", 1234},
        {L"\t1234\t", 1234},
        {L"+1234", 1234},
        {L"0001234", 1234},
        {L"-5", -5},
        {L"0", 0},  // numeric; IsWindow turns it away later
        {L"2147483647", INT32_MAX},
        {L"-2147483648", INT32_MIN},
        {L"2147483648", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"4294967296", std::nullopt},
        {L"99999999999999999999999999", std::nullopt},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"abc", std::nullopt},
        {L"12a", std::nullopt},
        {L"12 34", std::nullopt},
        {L"1.5", std::nullopt},
        {L"1e3", std::nullopt},
        {L"&H10", std::nullopt},
        {L"+", std::nullopt},
        {L"--5", std::nullopt},
        {L"\uFF11\uFF12", std::nullopt},  // full-width digits are not decimal text here
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TargetHandleFromArgument(c.argument), c.handle) << '"' << c.argument << '"';
    }
}

TEST(CompanionNames, CaptionAndMutexCarryThePlainDecimalHandle) {
    EXPECT_EQ(common::CompanionCaption(1234), L"Corvel-1234");
    EXPECT_EQ(common::CompanionCaption(-5), L"Corvel--5");
    EXPECT_EQ(common::CompanionCaption(*TargetHandleFromArgument(L" +0012 ")), L"Corvel-12");
    EXPECT_EQ(common::CompanionMutexName(1234), L"Local\\Corvel-1234");
    EXPECT_NE(common::CompanionMutexName(1234), common::CompanionMutexName(12345));
}

}  // namespace
