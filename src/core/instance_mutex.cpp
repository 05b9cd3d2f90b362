#include "core/instance_mutex.h"

namespace core {

bool AnotherInstanceRuns(bool gotHandle, uint32_t lastError) {
    if (gotHandle) return lastError == kErrorAlreadyExists;
    return lastError == kErrorAccessDenied;
}

}  // namespace core
