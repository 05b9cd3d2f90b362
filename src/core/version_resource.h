#pragma once

#include "common/file_version.h"

namespace core {

// This program's own VERSIONINFO; zeros when it has none.
common::FileVersion OwnFileVersion();

}  // namespace core
