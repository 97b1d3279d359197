#pragma once
// Pieces shared by the POSIX backend files of the Windows-call layer.
#include "winapi.h"

#include <string>
#include <sys/types.h>

namespace win::posix {

// The endpoint folder's path, not checked (endpointFolder checks it).
std::string endpointPath();
// The process's effective user, asked once.
uid_t effectiveUser();

// Sets the thread's last error from errno and returns the Windows value used.
DWORD setLastErrorFromErrno(int err);

// An open descriptor whose whole-file fcntl write lock is held for the
// lifetime of the guard. fcntl locks do not exclude threads of one process, so
// the guard also takes a process-wide mutex for the same file.
class FileLock {
public:
    explicit FileLock(const std::string &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool ok() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
    bool m_mutexHeld = false;
};

} // namespace win::posix
