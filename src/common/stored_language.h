// The language chosen in Vitrane's options, read from the registry (Corvel
// reads it when it starts and writes nothing).
#pragma once

#include "common/language.h"

namespace common {

Language ReadStoredLanguage();

}  // namespace common
