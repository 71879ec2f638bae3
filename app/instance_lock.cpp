#include "app/instance_lock.h"

#include "winkit/text.h"

bool InstanceLockHeld(const std::string& name) {
    // The handle of a running copy's lock is left open: this process ends at once.
    return OpenMutexW(MUTEX_ALL_ACCESS, FALSE, winkit::Widen(name).c_str()) != nullptr;
}

HANDLE TakeInstanceLock(const std::string& name) {
    return CreateMutexW(nullptr, TRUE, winkit::Widen(name).c_str());
}
