#!/bin/bash
# Checks that a 32-bit release program starts on Windows XP: PE subsystem
# version 5.01, only system DLLs imported, and none of the functions XP lacks.
set -euo pipefail
objdump=$1
exe=$2
dump=$("$objdump" -p "$exe")
fail=0
major=$(awk '/^MajorSubsystemVersion/{print $2}' <<<"$dump")
minor=$(awk '/^MinorSubsystemVersion/{print $2}' <<<"$dump")
if [[ "$major.$minor" != "5.1" ]]; then
    echo "FAIL: subsystem version $major.$minor, want 5.1"; fail=1
fi
allowed='^(kernel32|user32|gdi32|shell32|comctl32|advapi32|ntdll|msvcrt|comdlg32|ole32|oleaut32|version|shlwapi|uxtheme|imm32|winmm)\.dll$'
while read -r dll; do
    if ! grep -qiE "$allowed" <<<"$dll"; then echo "FAIL: imports $dll"; fail=1; fi
done < <(awk '/DLL Name:/{print $3}' <<<"$dump")
# Functions added after XP that toolchain runtimes are known to pull in.
newer='GetTickCount64|ConditionVariable|SRWLock|InitOnce|^Fls|GetCurrentProcessorNumber|CreateEventEx|CreateMutexEx|CreateSemaphoreEx|InitializeCriticalSectionEx|GetFinalPathNameByHandle|SetThreadStackGuarantee|GetSystemTimePreciseAsFileTime|GetDpiFor|SetProcessDpiAwareness|SetThreadDpiAwarenessContext|ChangeWindowMessageFilter|AddDllDirectory|GetLogicalProcessorInformation|CompareStringEx|LCMapStringEx|GetLocaleInfoEx|GetUserDefaultLocaleName|CreateSymbolicLink|QueryFullProcessImageName|Wow64'
imports=$(awk '/DLL Name:/{on=1} on && NF==3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print $3}' <<<"$dump")
bad=$(grep -E "$newer" <<<"$imports" || true)
if [[ -n "$bad" ]]; then echo "FAIL: imports functions Windows XP lacks: $bad"; fail=1; fi
count=$(wc -l <<<"$imports")
if [[ $fail -eq 0 ]]; then
    echo "OK: $(basename "$exe"): subsystem 5.01, $count imports from system DLLs, none newer than XP"
fi
exit $fail
