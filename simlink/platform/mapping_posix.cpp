// Named paging-file mappings on POSIX shared memory.
//
// Windows keeps a named mapping only while a handle to it is open; POSIX keeps
// the name after a crash. To keep the Windows meaning, the creator holds a
// shared flock on the object for as long as its handle is open. A name whose
// object nobody holds that way was left by a process that died: it is removed
// and does not count as existing. Creating a named mapping also removes every
// other such object of this user's and this layer's names, so that panels
// killed one after another do not fill the shared-memory folder.
#include "posix_internal.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <cstring>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

struct KernelObject {
    int fd = -1;
    std::string shmName; // empty for an unnamed mapping
    std::size_t size = 0;
    bool creator = false;
    bool writable = true;
};

namespace {

std::mutex g_viewsMutex;
std::map<const void *, std::size_t> g_views; // view address -> length, for unmapping

std::string lockPath()
{
    const std::string folder = posix::endpointFolder();
    return folder.empty() ? std::string() : folder + "/mappings.lock";
}

HANDLE fail(int err)
{
    posix::setLastErrorFromErrno(err);
    return nullptr;
}

// True when the object behind fd is ours and no live creator holds it.
bool isStale(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != posix::effectiveUser())
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    ::flock(fd, LOCK_UN);
    return true;
}

// Removes the stale objects of this user's mapping names (see isStale).
void removeStaleObjects()
{
    const std::string ours = posix::sharedMemoryName("").substr(1); // the prefix in /dev/shm
    DIR *dir = ::opendir("/dev/shm");
    if (!dir)
        return;
    while (const dirent *e = ::readdir(dir)) {
        if (std::strncmp(e->d_name, ours.c_str(), ours.size()) != 0)
            continue;
        const std::string shm = std::string("/") + e->d_name;
        const int fd = ::shm_open(shm.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW, 0);
        if (fd < 0)
            continue;
        // An object still without a size may be another folder's creation
        // in progress (its creator locks it first, then sizes it).
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_size > 0 && isStale(fd))
            ::shm_unlink(shm.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

HANDLE createNamed(const std::string &shm, std::size_t size)
{
    posix::FileLock guard(lockPath()); // one creator at a time among our processes
    if (!guard.ok())
        return nullptr;
    removeStaleObjects();
    for (int attempt = 0; attempt < 2; ++attempt) {
        int fd = ::shm_open(shm.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            // Held before it has a size, so that no one takes it for stale.
            if (::flock(fd, LOCK_SH) != 0 || ::fchmod(fd, 0600) != 0 ||
                ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
                const int err = errno;
                ::close(fd);
                ::shm_unlink(shm.c_str());
                return fail(err);
            }
            SetLastError(ERROR_SUCCESS);
            return new KernelObject{fd, shm, size, true, true};
        }
        if (errno != EEXIST)
            return fail(errno);
        fd = ::shm_open(shm.c_str(), O_RDWR | O_CLOEXEC, 0);
        if (fd < 0)
            continue; // vanished meanwhile: try creating again
        if (isStale(fd)) {
            ::close(fd);
            ::shm_unlink(shm.c_str());
            continue;
        }
        struct stat st {};
        if (::fstat(fd, &st) != 0 || st.st_uid != posix::effectiveUser()) {
            ::close(fd);
            return fail(EACCES);
        }
        // A live mapping of that name: hand out the existing object, as Windows does.
        SetLastError(ERROR_ALREADY_EXISTS);
        return new KernelObject{fd, shm, static_cast<std::size_t>(st.st_size), false, true};
    }
    return fail(EEXIST);
}

} // namespace

HANDLE CreateFileMapping(HANDLE file, void * /*security*/, DWORD protect, DWORD sizeHigh, DWORD sizeLow,
                         const char *name)
{
    if (file != INVALID_HANDLE_VALUE || protect != PAGE_READWRITE || sizeHigh != 0 || sizeLow == 0)
        return fail(EINVAL);
    if (!name) {
        const int fd = ::memfd_create("veltrano-mapping", MFD_CLOEXEC);
        if (fd < 0 || ::ftruncate(fd, sizeLow) != 0) {
            const int err = errno;
            if (fd >= 0)
                ::close(fd);
            return fail(err);
        }
        SetLastError(ERROR_SUCCESS);
        return new KernelObject{fd, {}, sizeLow, true, true};
    }
    return createNamed(posix::sharedMemoryName(name), sizeLow);
}

HANDLE OpenFileMapping(DWORD access, BOOL /*inheritHandle*/, const char *name)
{
    if (!name)
        return fail(EINVAL);
    const bool writable = (access & (FILE_MAP_WRITE | FILE_MAP_ALL_ACCESS)) != 0;
    const std::string shm = posix::sharedMemoryName(name);
    const int fd = ::shm_open(shm.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC, 0);
    if (fd < 0)
        return fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != posix::effectiveUser()) {
        ::close(fd);
        return fail(EACCES);
    }
    SetLastError(ERROR_SUCCESS);
    return new KernelObject{fd, shm, static_cast<std::size_t>(st.st_size), false, writable};
}

void *MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, std::size_t bytes)
{
    if (!mapping || mapping == INVALID_HANDLE_VALUE || offsetHigh != 0 || offsetLow > mapping->size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::size_t length = bytes ? bytes : mapping->size - offsetLow;
    if (length == 0 || length > mapping->size - offsetLow || offsetLow % static_cast<DWORD>(::getpagesize())) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const bool write = (access & (FILE_MAP_WRITE | FILE_MAP_ALL_ACCESS)) != 0;
    if (write && !mapping->writable) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    void *view = ::mmap(nullptr, length, PROT_READ | (write ? PROT_WRITE : 0), MAP_SHARED, mapping->fd, offsetLow);
    if (view == MAP_FAILED) {
        posix::setLastErrorFromErrno(errno);
        return nullptr;
    }
    std::lock_guard lock(g_viewsMutex);
    g_views[view] = length;
    SetLastError(ERROR_SUCCESS);
    return view;
}

BOOL UnmapViewOfFile(const void *view)
{
    std::size_t length = 0;
    {
        std::lock_guard lock(g_viewsMutex);
        auto it = g_views.find(view);
        if (it == g_views.end()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        length = it->second;
        g_views.erase(it);
    }
    ::munmap(const_cast<void *>(view), length);
    return 1;
}

BOOL CloseHandle(HANDLE object)
{
    if (!object || object == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    // The creator's handle is the object's lifetime: with it the name goes.
    // Views stay valid until unmapped, as on Windows.
    if (object->creator && !object->shmName.empty())
        ::shm_unlink(object->shmName.c_str());
    ::close(object->fd);
    delete object;
    return 1;
}

} // namespace win

namespace win::posix {

std::string sharedMemoryName(const std::string &mappingName)
{
    // One flat name per user; '/' is not allowed inside a POSIX name.
    std::string name = "/veltrano-" + std::to_string(posix::effectiveUser()) + "-";
    for (char c : mappingName)
        name += (c == '/' || c == '\\') ? '_' : c;
    return name;
}

} // namespace win::posix
