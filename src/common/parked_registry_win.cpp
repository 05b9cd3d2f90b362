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

std::optional<std::wstring> ReadText(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ || bytes > 256)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return text;
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
    std::wstring data = EncodeParked(record);
    return RegSetValueExW(key.get(), ParkedValueName(record.Window).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
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
    auto text = ReadText(key.get(), name);
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
    for (DWORD i = 0;; ++i) {
        wchar_t name[64];
        DWORD length = 64;
        LONG result =
            RegEnumValueW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_MORE_DATA) continue;  // a name no record has
        if (result != ERROR_SUCCESS) break;
        std::wstring valueName(name, length);
        auto text = ReadText(key.get(), valueName);
        values.push_back(
            {valueName, text.value_or(L""), text ? DecodeParked(valueName, *text) : std::nullopt});
    }
    return values;
}

void DeleteParkedValue(const ParkedValue& value) {
    unique_hkey key = OpenParked(KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key) return;
    if (ReadText(key.get(), value.Name).value_or(L"") != value.Text) return;
    RegDeleteValueW(key.get(), value.Name.c_str());
}

}  // namespace common
