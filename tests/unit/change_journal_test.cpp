#include <gtest/gtest.h>

#include "effects/change_journal.h"

namespace {

using effects::ChangedWindow;
using effects::ChangeJournal;
using effects::LayeredWith;
using effects::NotLayered;
using effects::WindowOwner;

ChangedWindow Record(int32_t window, WindowOwner owner, bool topmost) {
    return ChangedWindow{window, owner, {NotLayered(), topmost, false, false}};
}

TEST(ChangeJournal, TheFirstLookOfAWindowIsKept) {
    ChangeJournal journal;
    const WindowOwner owner{10, 500};
    EXPECT_TRUE(journal.Remember(Record(1, owner, false))) << "new: to be stored";
    EXPECT_FALSE(journal.Remember(Record(1, owner, true))) << "known: nothing to store";
    ASSERT_NE(journal.Find(1, owner), nullptr);
    EXPECT_FALSE(journal.Find(1, owner)->Before.Topmost) << "the look before the first change";
    EXPECT_EQ(journal.Records().size(), 1u);
}

TEST(ChangeJournal, AHandleOfAnotherProcessIsAnotherWindow) {
    ChangeJournal journal;
    journal.Remember(Record(1, {10, 500}, false));
    journal.Remember(Record(2, {10, 500}, false));
    EXPECT_EQ(journal.Find(1, {10, 501}), nullptr) << "the id used again by a later process";
    EXPECT_EQ(journal.Find(1, {11, 500}), nullptr);
    EXPECT_EQ(journal.Find(3, {10, 500}), nullptr);

    ChangedWindow reused{1, {11, 600}, {LayeredWith(5, 6, 1), true, true, true}};
    EXPECT_TRUE(journal.Remember(reused)) << "the old record gives way, and the new is stored";
    ASSERT_NE(journal.Find(1, {11, 600}), nullptr);
    EXPECT_EQ(*journal.Find(1, {11, 600}), reused);
    EXPECT_EQ(journal.Find(1, {10, 500}), nullptr);
    EXPECT_EQ(journal.Records().size(), 2u);
}

TEST(ChangeJournal, ForgetAndTakeAll) {
    ChangeJournal journal;
    for (int32_t w : {1, 2, 3}) journal.Remember(Record(w, {10, 500}, false));
    journal.Forget(2);
    EXPECT_EQ(journal.Find(2, {10, 500}), nullptr);
    auto all = journal.TakeAll();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].Window, 1);
    EXPECT_EQ(all[1].Window, 3);
    EXPECT_TRUE(journal.Empty());
    EXPECT_TRUE(journal.Remember(Record(1, {10, 500}, false))) << "after it, new again";
}

}  // namespace
