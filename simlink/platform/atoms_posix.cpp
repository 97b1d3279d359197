// Global atoms: one table shared by the user's processes, kept in a file in
// the endpoint folder and changed only under its fcntl lock. Atoms are
// 0xC000 + the entry's index; names compare without regard to case, as on
// Windows. Registered window messages are permanent atoms of the same table.
#include "posix_internal.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <strings.h>
#include <unistd.h>
#include <vector>

namespace win {

namespace {

constexpr ATOM kFirstAtom = 0xC000;
constexpr std::size_t kMaxEntries = 0x4000;
constexpr std::size_t kMaxName = 255;

struct Entry {
    std::uint32_t refs;      // 0 = free slot
    std::uint32_t permanent; // registered messages are never deleted
    char name[kMaxName + 1];
};

// The table file holds the entries one after another; a short or torn tail is
// ignored rather than trusted.
class AtomTable {
public:
    AtomTable() : m_lock(tablePath())
    {
        if (!m_lock.ok())
            return;
        const off_t size = ::lseek(m_lock.fd(), 0, SEEK_END);
        if (size < 0)
            return;
        const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(size) / sizeof(Entry), kMaxEntries);
        m_entries.resize(count);
        if (count && ::pread(m_lock.fd(), m_entries.data(), count * sizeof(Entry), 0) !=
                         static_cast<ssize_t>(count * sizeof(Entry)))
            m_entries.clear();
        for (Entry &e : m_entries)
            e.name[kMaxName] = '\0';
        m_ok = true;
    }
    bool ok() const { return m_ok; }

    int find(const char *name) const
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].refs && ::strcasecmp(m_entries[i].name, name) == 0)
                return static_cast<int>(i);
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
                return static_cast<int>(i);
        if (m_entries.size() >= kMaxEntries)
            return -1;
        m_entries.push_back(Entry{});
        return static_cast<int>(m_entries.size() - 1);
    }
    Entry &entry(int index) { return m_entries[static_cast<std::size_t>(index)]; }

    bool store(int index)
    {
        const off_t where = static_cast<off_t>(index) * static_cast<off_t>(sizeof(Entry));
        if (::pwrite(m_lock.fd(), &entry(index), sizeof(Entry), where) != static_cast<ssize_t>(sizeof(Entry))) {
            posix::setLastErrorFromErrno(errno);
            return false;
        }
        return true;
    }

private:
    static std::string tablePath()
    {
        const std::string folder = posix::endpointFolder();
        return folder.empty() ? std::string() : folder + "/atoms";
    }
    posix::FileLock m_lock;
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
    AtomTable table;
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

} // namespace

ATOM GlobalAddAtom(const char *name) { return addAtom(name, false); }

UINT RegisterWindowMessage(const char *name) { return addAtom(name, true); }

ATOM GlobalDeleteAtom(ATOM atom)
{
    if (atom < kFirstAtom)
        return 0; // integer atoms are not in the table
    AtomTable table;
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
    AtomTable table;
    const Entry *e = table.ok() ? table.at(atom) : nullptr;
    if (!e) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const std::size_t len = std::min<std::size_t>(std::strlen(e->name), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, e->name, len);
    buffer[len] = '\0';
    return static_cast<UINT>(len);
}

} // namespace win
