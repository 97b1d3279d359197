// Global atoms: one table shared by the user's processes, kept in a file in
// the endpoint folder and changed only under its fcntl lock. Atoms are
// 0xC000 + the entry's index; names compare without regard to case, as on
// Windows. Registered window messages are permanent atoms of the same table.
//
// Every change bumps a generation counter at the head of the file. A process
// keeps its last reading of the table together with that generation and maps
// the file's head, so that a lookup while nothing has changed (the far end
// turning the same atom into a mapping name on every message) costs no system
// call at all.
#include "posix_internal.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace win {

namespace {

constexpr ATOM kFirstAtom = 0xC000;
constexpr std::size_t kMaxEntries = 0x4000;
constexpr std::size_t kMaxName = 255;
constexpr std::uint64_t kMagic = 0x31534D4F5441564CULL; // "LVATOMS1"

struct Header {
    std::uint64_t magic;
    std::uint64_t generation; // bumped by every change
};

struct Entry {
    std::uint32_t refs;      // 0 = free slot
    std::uint32_t permanent; // registered messages are never deleted
    char name[kMaxName + 1];
};

// What this process last read of one table file.
struct Reading {
    const Header *head = nullptr; // the file's head, mapped shared
    std::uint64_t generation = ~std::uint64_t(0);
    std::vector<Entry> entries;
};

std::mutex g_readingsMutex;
std::map<std::string, Reading> g_readings; // table path -> last reading

std::string tablePath()
{
    const std::string folder = posix::endpointFolder();
    return folder.empty() ? std::string() : folder + "/atoms";
}

std::uint64_t generationOf(const Header *head)
{
    // The head is changed by other processes through the file.
    return std::atomic_ref<const std::uint64_t>(head->generation).load(std::memory_order_acquire);
}

// The table under its lock: read whole, changed, written back with a new
// generation. A file with another layout, or a torn tail, counts as empty.
class AtomTable {
public:
    explicit AtomTable(const std::string &path) : m_path(path), m_lock(path)
    {
        if (!m_lock.ok())
            return;
        const off_t size = ::lseek(m_lock.fd(), 0, SEEK_END);
        Header head{};
        if (size >= off_t(sizeof(Header)) && ::pread(m_lock.fd(), &head, sizeof head, 0) == sizeof head &&
            head.magic == kMagic) {
            m_head = head;
            const std::size_t count =
                std::min<std::size_t>((std::size_t(size) - sizeof(Header)) / sizeof(Entry), kMaxEntries);
            m_entries.resize(count);
            if (count && ::pread(m_lock.fd(), m_entries.data(), count * sizeof(Entry), sizeof(Header)) !=
                             ssize_t(count * sizeof(Entry)))
                m_entries.clear();
        } else {
            m_head = {kMagic, 0};
        }
        for (Entry &e : m_entries)
            e.name[kMaxName] = '\0';
        m_ok = true;
    }
    bool ok() const { return m_ok; }
    std::uint64_t generation() const { return m_head.generation; }
    const std::vector<Entry> &entries() const { return m_entries; }

    int find(const char *name) const
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].refs && ::strcasecmp(m_entries[i].name, name) == 0)
                return int(i);
        return -1;
    }
    Entry *at(ATOM atom)
    {
        if (atom < kFirstAtom)
            return nullptr;
        const std::size_t i = atom - kFirstAtom;
        return (i < m_entries.size() && m_entries[i].refs) ? &m_entries[i] : nullptr;
    }
    int freeSlot()
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (!m_entries[i].refs)
                return int(i);
        if (m_entries.size() >= kMaxEntries)
            return -1;
        m_entries.push_back(Entry{});
        return int(m_entries.size() - 1);
    }
    Entry &entry(int index) { return m_entries[std::size_t(index)]; }

    // Writes one entry, then the head with the next generation.
    bool store(int index)
    {
        const off_t where = off_t(sizeof(Header)) + off_t(index) * off_t(sizeof(Entry));
        ++m_head.generation;
        if (::pwrite(m_lock.fd(), &entry(index), sizeof(Entry), where) != ssize_t(sizeof(Entry)) ||
            ::pwrite(m_lock.fd(), &m_head, sizeof m_head, 0) != ssize_t(sizeof m_head)) {
            posix::setLastErrorFromErrno(errno);
            return false;
        }
        remember();
        return true;
    }

    // Keeps this reading for lookups without the lock.
    void remember()
    {
        std::lock_guard lock(g_readingsMutex);
        Reading &r = g_readings[m_path];
        if (!r.head && ::lseek(m_lock.fd(), 0, SEEK_END) >= off_t(sizeof(Header))) {
            void *p = ::mmap(nullptr, sizeof(Header), PROT_READ, MAP_SHARED, m_lock.fd(), 0);
            if (p != MAP_FAILED)
                r.head = static_cast<const Header *>(p);
        }
        r.generation = m_head.generation;
        r.entries = m_entries;
    }

private:
    std::string m_path;
    posix::FileLock m_lock;
    Header m_head{kMagic, 0};
    std::vector<Entry> m_entries;
    bool m_ok = false;
};

bool validName(const char *name)
{
    if (!name || !*name || std::strlen(name) > kMaxName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

ATOM addAtom(const char *name, bool permanent)
{
    if (!validName(name))
        return 0;
    AtomTable table(tablePath());
    if (!table.ok())
        return 0;
    int index = table.find(name);
    if (index >= 0) {
        Entry &e = table.entry(index);
        if (permanent)
            e.permanent = 1;
        else if (!e.permanent)
            ++e.refs;
    } else {
        index = table.freeSlot();
        if (index < 0) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        Entry &e = table.entry(index);
        e = Entry{};
        e.refs = 1;
        e.permanent = permanent ? 1 : 0;
        std::strncpy(e.name, name, kMaxName);
    }
    if (!table.store(index))
        return 0;
    return static_cast<ATOM>(kFirstAtom + index);
}

UINT copyName(const Entry &e, char *buffer, int size)
{
    const std::size_t len = std::min<std::size_t>(std::strlen(e.name), std::size_t(size) - 1);
    std::memcpy(buffer, e.name, len);
    buffer[len] = '\0';
    return UINT(len);
}

} // namespace

ATOM GlobalAddAtom(const char *name) { return addAtom(name, false); }

UINT RegisterWindowMessage(const char *name) { return addAtom(name, true); }

ATOM GlobalDeleteAtom(ATOM atom)
{
    if (atom < kFirstAtom)
        return 0; // integer atoms are not in the table
    AtomTable table(tablePath());
    Entry *e = table.ok() ? table.at(atom) : nullptr;
    if (!e) {
        SetLastError(ERROR_INVALID_HANDLE);
        return atom;
    }
    if (!e->permanent && --e->refs == 0)
        *e = Entry{};
    return table.store(atom - kFirstAtom) ? 0 : atom;
}

UINT GlobalGetAtomName(ATOM atom, char *buffer, int size)
{
    if (!buffer || size <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    {
        // Nothing changed since our last reading: answer from it. Readings exist
        // only for tables opened in a checked folder.
        const std::string path = posix::endpointPath() + "/atoms";
        std::lock_guard lock(g_readingsMutex);
        auto it = g_readings.find(path);
        if (it != g_readings.end() && it->second.head && generationOf(it->second.head) == it->second.generation) {
            const std::vector<Entry> &entries = it->second.entries;
            const std::size_t i = atom >= kFirstAtom ? atom - kFirstAtom : entries.size();
            if (i < entries.size() && entries[i].refs)
                return copyName(entries[i], buffer, size);
            SetLastError(ERROR_INVALID_HANDLE);
            return 0;
        }
    }
    AtomTable table(tablePath());
    if (!table.ok())
        return 0;
    table.remember();
    const Entry *e = table.at(atom);
    if (!e) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return copyName(*e, buffer, size);
}

} // namespace win
