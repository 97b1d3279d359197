// The endpoint folder, the per-thread last error, and the small process calls.
#include "posix_internal.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
}

DWORD GetLastError() { return t_lastError; }
void SetLastError(DWORD error) { t_lastError = error; }
DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

void Sleep(DWORD milliseconds)
{
    timespec left{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

} // namespace win

namespace win::posix {

DWORD setLastErrorFromErrno(int err)
{
    DWORD code;
    switch (err) {
    case 0: code = ERROR_SUCCESS; break;
    case ENOENT: code = ERROR_FILE_NOT_FOUND; break;
    case EACCES:
    case EPERM: code = ERROR_ACCESS_DENIED; break;
    case ENOMEM:
    case ENOSPC: code = ERROR_NOT_ENOUGH_MEMORY; break;
    case EBADF: code = ERROR_INVALID_HANDLE; break;
    case EEXIST: code = ERROR_ALREADY_EXISTS; break;
    case EINVAL:
    case ENAMETOOLONG: code = ERROR_INVALID_PARAMETER; break;
    default: code = 0x20000000u | static_cast<DWORD>(err); break; // application-defined range
    }
    SetLastError(code);
    return code;
}

uid_t effectiveUser()
{
    static const uid_t uid = ::geteuid();
    return uid;
}

std::string endpointPath()
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    return (runtime && *runtime) ? std::string(runtime) + "/veltrano"
                                 : "/tmp/veltrano-" + std::to_string(effectiveUser());
}

std::string endpointFolder(std::string *whyRefused)
{
    auto refuse = [&](const std::string &why) {
        if (whyRefused)
            *whyRefused = why;
        SetLastError(ERROR_ACCESS_DENIED);
        return std::string();
    };
    const uid_t uid = effectiveUser();
    const std::string folder = endpointPath();
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0) {
        if (errno != ENOENT || (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST))
            return refuse("cannot create " + folder);
        if (::lstat(folder.c_str(), &st) != 0)
            return refuse("cannot inspect " + folder);
    }
    if (S_ISLNK(st.st_mode))
        return refuse(folder + " is a symbolic link, not a folder");
    if (!S_ISDIR(st.st_mode))
        return refuse(folder + " is not a folder");
    if (st.st_uid != uid)
        return refuse(folder + " belongs to another user");
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        return refuse(folder + " is writable by others");
    // Our own folder that others may read or search: close it.
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return refuse("cannot restrict " + folder);
    return folder;
}

namespace {

std::recursive_mutex &fileLockMutex()
{
    static std::recursive_mutex m;
    return m;
}

// Lock files stay open for the life of the process: fcntl locks belong to
// the process and closing any descriptor of a file drops them all, so each
// file is opened once and only locked and unlocked afterwards.
struct OpenLockFile {
    int fd;
    dev_t dev;
    ino_t ino;
};
std::map<std::string, OpenLockFile> &openLockFiles()
{
    static std::map<std::string, OpenLockFile> files;
    return files;
}

int lockFileFor(const std::string &path)
{
    struct stat now {};
    const bool exists = ::stat(path.c_str(), &now) == 0;
    auto &files = openLockFiles();
    auto it = files.find(path);
    if (it != files.end()) {
        if (exists && now.st_dev == it->second.dev && now.st_ino == it->second.ino)
            return it->second.fd;
        ::close(it->second.fd); // the file was replaced: start again
        files.erase(it);
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        setLastErrorFromErrno(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != effectiveUser() || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return -1;
    }
    files[path] = {fd, st.st_dev, st.st_ino};
    return fd;
}

bool setLock(int fd, short type)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    while (::fcntl(fd, F_SETLKW, &fl) != 0) {
        if (errno != EINTR) {
            setLastErrorFromErrno(errno);
            return false;
        }
    }
    return true;
}

} // namespace

FileLock::FileLock(const std::string &path)
{
    fileLockMutex().lock();
    m_mutexHeld = true;
    if (path.empty())
        return;
    const int fd = lockFileFor(path);
    if (fd >= 0 && setLock(fd, F_WRLCK))
        m_fd = fd;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        setLock(m_fd, F_UNLCK);
    if (m_mutexHeld)
        fileLockMutex().unlock();
}

} // namespace win::posix
