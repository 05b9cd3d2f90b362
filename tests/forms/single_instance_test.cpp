// The start-up guard against a second copy, with the mutex made here.
#include <gtest/gtest.h>

#include "core/single_instance.h"

namespace forms {
namespace {

TEST(SingleInstanceGuard, FirstCopyThenSecond) {
    core::SingleInstance first;
    EXPECT_TRUE(first.IsFirst());
    core::SingleInstance second;
    EXPECT_FALSE(second.IsFirst());
}

// A copy run as administrator makes the name with an access list that lets
// an ordinary copy of the same user neither create nor open it.
TEST(SingleInstanceGuard, NameHeldByACopyWithMoreRights) {
    ACL acl{};
    ASSERT_TRUE(InitializeAcl(&acl, sizeof(acl), ACL_REVISION));  // no entry: nobody gets in
    SECURITY_DESCRIPTOR sd{};
    ASSERT_TRUE(InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&sd, TRUE, &acl, FALSE));
    SECURITY_ATTRIBUTES sa{sizeof(sa), &sd, FALSE};
    common::unique_handle_t held(CreateMutexW(&sa, FALSE, core::InstanceMutexName().c_str()));
    ASSERT_TRUE(held);

    SetLastError(0);
    common::unique_handle_t opened(CreateMutexW(nullptr, FALSE, core::InstanceMutexName().c_str()));
    ASSERT_FALSE(opened) << "the access list keeps others out";
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    core::SingleInstance guard;
    EXPECT_FALSE(guard.IsFirst()) << "a copy runs, though its name cannot be opened";
}

}  // namespace
}  // namespace forms
