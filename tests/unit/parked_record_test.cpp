#include <gtest/gtest.h>

#include <string>

#include "common/parked_record.h"

namespace {

using common::ActionForParked;
using common::DecodeParked;
using common::EncodeParked;
using common::ParkedAction;
using common::ParkedWindow;
using common::ParkedWindowNow;

TEST(ParkedRecord, WhatIsWrittenIsReadBack) {
    const ParkedWindow records[] = {
        {1234, 56, 78, 133000000000000000ull},
        {-2147483647 - 1, 4294967295u, 1, 18446744073709551615ull},
        {2147483647, 1, 4294967295u, 1},
    };
    for (const auto& r : records) {
        std::wstring data = EncodeParked(r);
        SCOPED_TRACE(std::string(data.begin(), data.end()));
        auto back = DecodeParked(common::ParkedValueName(r.Window), data);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, r);
    }
    EXPECT_EQ(EncodeParked({-5, 6, 7, 8}), L"-5 6 7 8");
    EXPECT_EQ(common::ParkedValueName(-5), L"-5");
}

// Anything but exactly the written form is no record: it is never acted upon.
TEST(ParkedRecord, OnlyTheExactFormIsARecord) {
    struct Case {
        const wchar_t* name;
        const wchar_t* data;
    } cases[] = {
        {L"12", L""},
        {L"12", L"12 3 4"},
        {L"12", L"12 3 4 5 6"},
        {L"12", L"12  3 4 5"},
        {L"12", L" 12 3 4 5"},
        {L"12", L"12 3 4 5 "},
        {L"12", L"012 3 4 5"},
        {L"12", L"+12 3 4 5"},
        {L"12", L"12 -3 4 5"},
        {L"12", L"12 3 x 5"},
        {L"12", L"12 3 4 5.0"},
        {L"12", L"12\t3 4 5"},
        {L"12", L"12 4294967296 4 5"},  // past 32 bits
        {L"12", L"12 3 4 18446744073709551616"},
        {L"2147483648", L"2147483648 3 4 5"},
        {L"0", L"-0 3 4 5"},
        {L"13", L"12 3 4 5"},  // filed under another window
        {L"012", L"12 3 4 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name " << c.name);
        EXPECT_FALSE(DecodeParked(c.name, c.data));
    }
    EXPECT_TRUE(DecodeParked(L"12", L"12 3 4 5"));
    EXPECT_TRUE(DecodeParked(L"0", L"0 0 0 0"));
}

TEST(ParkedRecord, OnlyAHiddenWindowOfTheSameProgramIsGivenBack) {
    const ParkedWindow record{1234, 56, 78, 9};
    struct Case {
        const char* what;
        ParkedWindowNow now;
        ParkedAction action;
    } cases[] = {
        {"companion runs, window hidden", {true, 56, false}, ParkedAction::Keep},
        {"companion runs, window gone", {true, 0, false}, ParkedAction::Keep},
        {"companion gone, window hidden", {false, 56, false}, ParkedAction::TakeOut},
        {"companion gone, window shown again", {false, 56, true}, ParkedAction::Forget},
        {"companion gone, window closed", {false, 0, false}, ParkedAction::Forget},
        {"companion gone, handle of another program", {false, 57, false}, ParkedAction::Forget},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ActionForParked(record, c.now), c.action);
    }
}

}  // namespace
