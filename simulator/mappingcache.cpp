#include "mappingcache.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

// Only the link's own mappings are opened for a message, never an arbitrary
// object of the user that an atom happens to name.
constexpr std::string_view kLinkPrefix = "FsasmLib:IPC:";

} // namespace

MappingCache::~MappingCache() { clear(); }

bool MappingCache::identify(const std::string &name, Identity &id)
{
    // The layer keeps a named mapping as POSIX shared memory, visible in /dev/shm.
    const std::string path = "/dev/shm" + win::posix::sharedMemoryName(name);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    id = {st.st_dev, st.st_ino, st.st_size};
    return true;
}

void MappingCache::release(Entry &e)
{
    if (e.view)
        win::UnmapViewOfFile(e.view);
    if (e.handle)
        win::CloseHandle(e.handle);
    e.view = nullptr;
    e.handle = nullptr;
}

void MappingCache::drop(const std::string &name)
{
    for (Entry &e : m_entries)
        if (e.name == name)
            release(e);
    std::erase_if(m_entries, [&](const Entry &e) { return e.name == name; });
}

void MappingCache::clear()
{
    for (Entry &e : m_entries)
        release(e);
    m_entries.clear();
}

std::span<std::uint8_t> MappingCache::viewFor(win::ATOM atom)
{
    char buffer[256];
    const win::UINT n = win::GlobalGetAtomName(atom, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer)
        return {};
    const std::string name(buffer, n);
    if (name.compare(0, kLinkPrefix.size(), kLinkPrefix) != 0)
        return {};

    Identity before{};
    if (!identify(name, before)) {
        drop(name);
        return {};
    }
    ++m_tick;
    for (Entry &e : m_entries) {
        if (e.name == name && e.id == before) {
            e.lastUse = m_tick;
            return {static_cast<std::uint8_t *>(e.view), e.length};
        }
    }
    drop(name); // gone or replaced by a new object of the same name

    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(before.size), kMaxBlock);
    if (length < 4)
        return {};
    Entry e{name, before, nullptr, nullptr, length, m_tick};
    e.handle = win::OpenFileMapping(win::FILE_MAP_WRITE, 0, name.c_str());
    if (e.handle)
        e.view = win::MapViewOfFile(e.handle, win::FILE_MAP_WRITE, 0, 0, length);
    ++m_opens;
    // The object must not have changed between looking and opening.
    Identity after{};
    if (!e.view || !identify(name, after) || !(after == before)) {
        release(e);
        return {};
    }
    if (m_entries.size() >= kMaxEntries) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const Entry &a, const Entry &b) { return a.lastUse < b.lastUse; });
        release(*oldest);
        m_entries.erase(oldest);
    }
    m_entries.push_back(e);
    return {static_cast<std::uint8_t *>(e.view), e.length};
}
