// Global atoms: one table shared by the user's processes, kept in a file in
// the endpoint folder and changed only under its fcntl lock. Atoms are
// 0xC000 + the entry's index; names compare without regard to case, as on
// Windows. Registered window messages are permanent atoms of the same table.
//
// Every change bumps a generation counter at the head of the file. A process
// keeps its last reading of the table together with that generation, so that
// a lookup while nothing has changed (the far end turning the same atom into a
// mapping name on every message) costs one read of the head. The head is read
// with pread, never through a mapping: any process of the user can shrink the
// file, and touching a mapped page past its end kills the reader (SIGBUS).
//
// Atoms are not released when their process dies, as on Windows; but a table
// of 0x4000 slots filled by killed panels would refuse every later open. So
// each process that holds an atom holds a read lock on the atom's byte of a
// second file, atoms.owners; fcntl locks end with their process. Adding an
// atom first frees the entries that nobody holds any more. Registered
// messages are permanent and never freed.
#include "posix_internal.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <fcntl.h>
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

// What this process last read of one table file, and a descriptor of that
// file for reading its head. The descriptor is never closed while it names
// the table: closing any descriptor of a file drops the process's fcntl locks
// on it.
struct Reading {
    int fd = -1;
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

// The owners file of one table: which atoms this process holds, each with
// a read lock on its byte for as long as it holds it. Used under the table's
// lock only. The descriptor stays open: closing it would drop the locks.
class Owners {
public:
    explicit Owners(const std::string &tablePathName)
    {
        static std::map<std::string, State> states;
        State &st = states[tablePathName];
        if (st.fd < 0)
            st.fd = ::open((tablePathName + ".owners").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        m_state = &st;
    }
    void hold(std::size_t index)
    {
        if (m_state->held[index]++ == 0)
            lock(index, F_RDLCK);
    }
    void release(std::size_t index)
    {
        auto it = m_state->held.find(index);
        if (it == m_state->held.end())
            return; // added by another process
        if (--it->second == 0) {
            lock(index, F_UNLCK);
            m_state->held.erase(it);
        }
    }
    // True when no process holds the atom; false when unsure.
    bool abandoned(std::size_t index) const
    {
        if (m_state->fd < 0 || m_state->held.count(index))
            return false;
        struct flock fl = range(index, F_WRLCK);
        return ::fcntl(m_state->fd, F_GETLK, &fl) == 0 && fl.l_type == F_UNLCK;
    }

private:
    struct State {
        int fd = -1;
        std::map<std::size_t, int> held; // index -> references this process holds
    };
    static struct flock range(std::size_t index, short type)
    {
        struct flock fl {};
        fl.l_type = type;
        fl.l_whence = SEEK_SET;
        fl.l_start = off_t(index);
        fl.l_len = 1;
        return fl;
    }
    void lock(std::size_t index, short type)
    {
        struct flock fl = range(index, type);
        if (m_state->fd >= 0)
            ::fcntl(m_state->fd, F_SETLK, &fl); // read locks never wait: nobody takes a write lock
    }
    State *m_state;
};

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

    // Frees every entry that no living process holds (see Owners).
    void reclaimAbandoned(const Owners &owners)
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].refs && !m_entries[i].permanent && owners.abandoned(i)) {
                m_entries[i] = Entry{};
                store(int(i));
            }
    }

    // Keeps this reading for lookups without the lock.
    void remember()
    {
        std::lock_guard lock(g_readingsMutex);
        Reading &r = g_readings[m_path];
        struct stat ours {}, table {};
        if (r.fd >= 0 && (::fstat(r.fd, &ours) != 0 || ::fstat(m_lock.fd(), &table) != 0 ||
                          ours.st_dev != table.st_dev || ours.st_ino != table.st_ino)) {
            ::close(r.fd); // a table file that was replaced: ours names the old one
            r.fd = -1;
        }
        if (r.fd < 0)
            r.fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        r.generation = m_head.generation;
        r.entries = m_entries;
    }

    const std::string &path() const { return m_path; }

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
    Owners owners(table.path());
    table.reclaimAbandoned(owners);
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
    if (!table.entry(index).permanent)
        owners.hold(std::size_t(index));
    return static_cast<ATOM>(kFirstAtom + index);
}

UINT copyName(const Entry &e, char *buffer, int size)
{
    const std::size_t len = std::min<std::size_t>(std::strlen(e.name), std::size_t(size) - 1);
    std::memcpy(buffer, e.name, len);
    buffer[len] = '\0';
    return UINT(len);
}

// Answers from this process's last reading while nothing has changed since
// (same generation on disk); nothing when the table must be read again.
// Readings exist only for tables opened in a checked folder, so a folder is
// never touched here before it has been checked.
std::optional<UINT> nameFromReading(ATOM atom, char *buffer, int size)
{
    const std::string path = posix::endpointPath() + "/atoms";
    std::lock_guard lock(g_readingsMutex);
    auto it = g_readings.find(path);
    if (it == g_readings.end() || it->second.fd < 0)
        return std::nullopt;
    const Reading &r = it->second;
    // A short head (the file was cut) or a file no longer linked (replaced)
    // means reading the table again.
    Header head{};
    struct stat st {};
    if (::pread(r.fd, &head, sizeof head, 0) != ssize_t(sizeof head) || head.magic != kMagic ||
        head.generation != r.generation || ::fstat(r.fd, &st) != 0 || st.st_nlink == 0)
        return std::nullopt;
    const std::size_t i = atom >= kFirstAtom ? atom - kFirstAtom : r.entries.size();
    if (i < r.entries.size() && r.entries[i].refs)
        return copyName(r.entries[i], buffer, size);
    SetLastError(ERROR_INVALID_HANDLE);
    return UINT(0);
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
    if (!e->permanent) {
        Owners(table.path()).release(std::size_t(atom - kFirstAtom));
        if (--e->refs == 0)
            *e = Entry{};
    }
    return table.store(atom - kFirstAtom) ? 0 : atom;
}

UINT GlobalGetAtomName(ATOM atom, char *buffer, int size)
{
    if (!buffer || size <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (const std::optional<UINT> n = nameFromReading(atom, buffer, size))
        return *n;
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
