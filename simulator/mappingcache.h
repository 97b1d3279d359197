#pragma once
// The views of the panels' shared blocks, kept open between messages.
// Opening and mapping per message is slow, but a cached view must still be
// the object the client means now: a client that closes and reopens its link
// creates a new object under the same name. Each use compares the object
// behind the name (device, inode, size) with the cached one and reopens when
// it changed. Used on the serving thread only.
#include "platform/winapi.h"

#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

class MappingCache {
public:
    // The link's mapping size; a larger object is used only this far.
    static constexpr std::size_t kMaxBlock = 0x8000;
    static constexpr std::size_t kMaxEntries = 8;

    MappingCache() = default;
    ~MappingCache();
    MappingCache(const MappingCache &) = delete;
    MappingCache &operator=(const MappingCache &) = delete;

    // The block named by the atom, or empty when it cannot be opened, is not
    // a link mapping, or changed while being opened.
    std::span<std::uint8_t> viewFor(win::ATOM atom);
    void clear();
    std::size_t size() const { return m_entries.size(); }
    std::uint64_t opens() const { return m_opens; }

private:
    struct Identity {
        dev_t dev;
        ino_t ino;
        off_t size;
        bool operator==(const Identity &) const = default;
    };
    struct Entry {
        std::string name;
        Identity id;
        win::HANDLE handle;
        void *view;
        std::size_t length;
        std::uint64_t lastUse;
    };

    static bool identify(const std::string &name, Identity &id);
    void release(Entry &e);
    void drop(const std::string &name);

    std::vector<Entry> m_entries;
    std::uint64_t m_tick = 0;
    std::uint64_t m_opens = 0;
};
