// The record a companion keeps of the window it hides, for Vitrane to give
// the window back should the companion die.
#include "common/parked_record.h"
#include "common/parked_registry.h"
#include "corvel_fixture.h"

namespace e2e {
namespace {

class CorvelParkedRecord : public CorvelTest {
  protected:
    // The record as this companion must write it for the target.
    std::wstring Expected(const TargetWindow& target) const {
        return common::EncodeParked({std::stoi(target.HandleText()), GetCurrentProcessId(),
                                     corvel_.Pid(), common::ProcessStartTime(corvel_.Handle())});
    }
};

// Recorded exactly while the companion keeps the window hidden.
TEST_F(CorvelParkedRecord, TheWindowIsRecordedWhileItIsHidden) {
    TargetWindow target(L"recorded");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    EXPECT_TRUE(ParkedValues().empty()) << "nothing is hidden yet";

    ParkByMinimize(target, corvel);
    std::map<std::wstring, std::wstring> parked{{target.HandleText(), Expected(target)}};
    EXPECT_EQ(ParkedValues(), parked);

    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return target.Shown(); }));
    EXPECT_TRUE(WaitFor([&] { return ParkedValues().empty(); })) << "shown again: no record";

    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return target.Parked(); }));
    EXPECT_TRUE(WaitFor([&] { return ParkedValues() == parked; })) << "hidden from the icon";

    // Its own program shows it again: from then on it is not the companion's to give back.
    ShowWindow(target.Hwnd(), SW_SHOWNORMAL);
    EXPECT_TRUE(WaitFor([&] { return ParkedValues().empty(); })) << "shown by its program";

    PostMessageW(corvel, kCorvelRelease, 964, 4649);
    EXPECT_TRUE(corvel_.WaitExit());
    EXPECT_TRUE(ParkedValues().empty());
}

// The system drops the records at log-off: the key that holds them is
// volatile, and the settings key above it is not.
TEST_F(CorvelParkedRecord, TheRecordsDoNotOutliveTheSession) {
    TargetWindow target(L"volatile");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    ASSERT_FALSE(ParkedValues().empty());
    auto createUnder = [](const wchar_t* path) {
        HKEY key = nullptr;
        LONG r = RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_READ, nullptr, &key, nullptr);
        if (key) {
            RegCloseKey(key);
            RegDeleteKeyW(HKEY_CURRENT_USER, path);
        }
        return r;
    };
    EXPECT_EQ(createUnder(L"Software\\hollin\\LayeredWindow\\Parked\\probe"),
              ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_EQ(createUnder(L"Software\\hollin\\LayeredWindow\\probe"), ERROR_SUCCESS);
}

}  // namespace
}  // namespace e2e
