// System functions newer than XP, found at run time: one program file starts
// on XP and uses what Windows 7 to 11 offer.
#pragma once

#include <windows.h>

namespace common {

// Finds a function by its exported name; null where this Windows lacks it.
// The programs use FindUser32Function; a test hands in its own.
using FunctionFinder = void* (*)(const char* name);

void* FindUser32Function(const char* name);

}  // namespace common
