#pragma once
// What an open link leaves in the user's space, seen from outside: its named
// shared object and its atom. Looking changes nothing (no reclaiming).
#include "platform/winapi.h"

#include <string>
#include <sys/stat.h>

inline bool sharedObjectExists(const std::string &mappingName)
{
    struct stat st {};
    return ::lstat(("/dev/shm" + win::posix::sharedMemoryName(mappingName)).c_str(), &st) == 0;
}

// True when an atom of that name is in the table (the first slots suffice
// for a test's own folder).
inline bool atomNamed(const std::string &name)
{
    for (win::ATOM a = 0xC000; a < 0xC040; ++a) {
        char buffer[256];
        if (win::GlobalGetAtomName(a, buffer, sizeof buffer) && name == buffer)
            return true;
    }
    return false;
}
