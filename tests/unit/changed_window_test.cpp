#include <gtest/gtest.h>

#include <string>

#include "effects/changed_window.h"

namespace {

using effects::ChangedWindow;
using effects::DecodeChanged;
using effects::EncodeChanged;
using effects::LayeredWith;
using effects::NotLayered;
using effects::SelfDrawnLayering;

TEST(ChangedWindow, WhatIsWrittenIsReadBack) {
    const ChangedWindow records[] = {
        {1234, {56, 133000000000000000ull}, {NotLayered(), false, false, false}},
        {-2147483647 - 1,
         {4294967295u, 18446744073709551615ull},
         {SelfDrawnLayering(), true, true, true}},
        {2147483647, {1, 1}, {LayeredWith(0x00FFFFFF, 0, 1), false, true, false}},
        {7, {8, 9}, {LayeredWith(0x123456, 200, 3), true, false, true}},
        {7, {8, 9}, {LayeredWith(0, 128, 2), false, false, true}},
    };
    for (const auto& r : records) {
        std::wstring data = EncodeChanged(r);
        SCOPED_TRACE(std::string(data.begin(), data.end()));
        auto back = DecodeChanged(effects::ChangedValueName(r.Window), data);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, r);
    }
    EXPECT_EQ(EncodeChanged({-5, {6, 7}, {LayeredWith(16777215, 26, 3), true, false, true}}),
              L"-5 6 7 1 16777215 26 3 1 0 1");
}

// A key or alpha without its flag is nothing the window shows: the system
// may keep an old value there.
TEST(ChangedWindow, AttributesCountOnlyWithTheirFlags) {
    EXPECT_EQ(LayeredWith(0xFF00FF, 128, 1), LayeredWith(0xFF00FF, 0, 1));
    EXPECT_EQ(LayeredWith(0xFF00FF, 128, 2), LayeredWith(0, 128, 2));
    EXPECT_NE(LayeredWith(0xFF00FF, 128, 1), LayeredWith(0x00FF00, 128, 1));
    EXPECT_NE(LayeredWith(0, 128, 2), LayeredWith(0, 129, 2));
    EXPECT_NE(LayeredWith(0xFF00FF, 128, 3), LayeredWith(0xFF00FF, 128, 1));
}

// Anything but exactly the written form is no record: it is never acted upon.
TEST(ChangedWindow, OnlyTheExactFormIsARecord) {
    struct Case {
        const wchar_t* name;
        const wchar_t* data;
    } cases[] = {
        {L"12", L""},
        {L"12", L"12 3 4 0 0 255 0 0 0"},      // a field short
        {L"12", L"12 3 4 0 0 255 0 0 0 0 0"},  // one too many
        {L"12", L"12 3 4 0 0 255 0  0 0 0"},   // two blanks
        {L"12", L"12 3 4 3 0 255 0 0 0 0"},    // no such layering
        {L"12", L"12 3 4 1 0 256 2 0 0 0"},    // alpha past a byte
        {L"12", L"12 3 4 1 0 128 4 0 0 0"},    // a flag that is none of the two
        {L"12", L"12 3 4 0 5 255 0 0 0 0"},    // a key beside no layering
        {L"12", L"12 3 4 2 0 128 0 0 0 0"},    // an alpha beside a self-drawn one
        {L"12", L"12 3 4 0 0 255 0 2 0 0"},    // a bit that is not 0 or 1
        {L"12", L"12 3 4 0 0 255 0 0 0 01"},
        {L"12", L"12 -3 4 0 0 255 0 0 0 0"},
        {L"12", L"12 3 18446744073709551616 0 0 255 0 0 0 0"},
        {L"13", L"12 3 4 0 0 255 0 0 0 0"},  // filed under another window
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name " << c.name);
        EXPECT_FALSE(DecodeChanged(c.name, c.data));
    }
    EXPECT_TRUE(DecodeChanged(L"12", L"12 3 4 0 0 255 0 0 0 0"));
    EXPECT_TRUE(DecodeChanged(L"12", L"12 3 4 1 5 255 1 0 0 0"));
}

}  // namespace
