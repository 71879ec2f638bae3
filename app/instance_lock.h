#pragma once
// The single-instance lock: a named mutex in the system's default namespace, named after the
// executable's file name exactly as the system reports it (letter case included).
#include <windows.h>

#include <string>

// True when another copy holds the lock of that name.
bool InstanceLockHeld(const std::string& name);

// Creates the lock, owned by this thread. A failure goes unnoticed: the tool then runs without
// it, and releasing it has no effect.
HANDLE TakeInstanceLock(const std::string& name);
