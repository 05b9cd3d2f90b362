#include "common/parked_registry.h"

#include "common/companion_contract.h"
#include "common/unique_handle.h"
#include "common/volatile_key.h"

namespace common {
namespace {

constexpr const wchar_t* kParkedSubKey = L"Parked";

unique_hkey OpenParked(REGSAM access) {
    return OpenSubKey(kParkedSubKey, access);
}

unique_hkey CreateParked() {
    return CreateVolatileSubKey(kParkedSubKey, KEY_SET_VALUE | KEY_QUERY_VALUE);
}

}  // namespace

uint32_t OwnProcessId() {
    return GetCurrentProcessId();
}

uint64_t ProcessStartTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

uint64_t ProcessStartOf(uint32_t processId) {
    // The limited right (Vista on) is given on processes with more rights as
    // well; XP knows only the full one.
    constexpr DWORD kQueryLimitedInformation = 0x1000;
    HANDLE raw = OpenProcess(kQueryLimitedInformation, FALSE, processId);
    if (!raw) raw = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!raw) return 0;
    unique_handle_t process(raw);
    return ProcessStartTime(process.get());
}

bool CompanionRunning(const ParkedWindow& record) {
    HANDLE raw =
        OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, record.CompanionProcess);
    if (!raw) {
        if (GetLastError() != ERROR_ACCESS_DENIED) return false;
        // Its start time cannot be read (a companion started with more rights,
        // or the id now belongs to another user's or a system process): only
        // a live companion still has its window, in that very process.
        HWND companion = FindWindowW(nullptr, CompanionCaption(record.Window).c_str());
        DWORD owner = 0;
        return companion && GetWindowThreadProcessId(companion, &owner) &&
               owner == record.CompanionProcess;
    }
    unique_handle_t process(raw);
    // A process that has ended but is still held open by someone counts as gone.
    if (WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) return false;
    return ProcessStartTime(process.get()) == record.CompanionStart;
}

bool WriteParked(const ParkedWindow& record) {
    unique_hkey key = CreateParked();
    if (!key) return false;
    return WriteTextValue(key.get(), ParkedValueName(record.Window), EncodeParked(record));
}

bool MakeParkedVolatile() {
    {
        unique_hkey key = OpenParked(KEY_CREATE_SUB_KEY);
        // Absent, the key is made volatile with the first record.
        if (!key) return true;
        // What cannot be told is left as it is.
        if (IsVolatile(key.get()).value_or(true)) return true;
    }
    std::vector<ParkedValue> kept = ReadAllParked();
    if (!MakeVolatile(kParkedSubKey)) return false;
    for (const auto& value : kept)
        if (value.Record) WriteParked(*value.Record);
    return true;
}

void RemoveParked(int32_t window, uint32_t companionProcess) {
    unique_hkey key = OpenParked(KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    std::wstring name = ParkedValueName(window);
    auto text = ReadTextValue(key.get(), name);
    if (!text) return;
    auto record = DecodeParked(name, *text);
    // A newer companion of the same window answers for it now.
    if (record && record->CompanionProcess != companionProcess) return;
    RegDeleteValueW(key.get(), name.c_str());
}

std::vector<ParkedValue> ReadAllParked() {
    std::vector<ParkedValue> values;
    unique_hkey key = OpenParked(KEY_QUERY_VALUE);
    if (!key) return values;
    for (auto& [name, text] : ReadTextValues(key.get()))
        values.push_back(
            {name, text.value_or(L""), text ? DecodeParked(name, *text) : std::nullopt});
    return values;
}

void DeleteParkedValue(const ParkedValue& value) {
    unique_hkey key = OpenParked(KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    if (ReadTextValue(key.get(), value.Name).value_or(L"") != value.Text) return;
    RegDeleteValueW(key.get(), value.Name.c_str());
}

}  // namespace common
