#pragma once
// The far end veltrano-fg serves: the shared far-end core whose offset space
// is a cache of FlightGear's property tree. The property link fills it from
// each refresh's answers; the panel's reads are answered from it at once;
// the panel's writes land in it as usual and become property sets, handed to
// the property link to send at once.
//
// A write is not undone by a refresh that was asked before it: answers of a
// batch sent before a variable was last written leave that variable alone.
//
// Thread use: blocks on the window's serving thread, commands on the
// operator's, rows, batches and answers on the property link's; everything
// under the core's mutex.
#include "farendcore.h"
#include "propertyconversion.h"
#include "propertytable.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace fg {

class PropertyFarEnd : public FarEndCore {
public:
    // `wake` is called (under the lock, so it must only signal) when sets
    // are waiting to be sent.
    PropertyFarEnd(const LinkIdentity &identity, std::function<void()> wake = {});

    // Takes a new set of rows (on connecting, for the aircraft found): their
    // fixed values are stored at once. Returns the paths each refresh asks
    // for, in the order answers are expected.
    std::vector<std::string> useRows(std::vector<PropertyRow> rows);

    struct Batch {
        std::uint64_t generation;
        std::vector<PropertySet> setsFirst; // to send before the batch's gets
    };
    // A refresh about to be sent: the sets waiting go out ahead of it, so its
    // answers already show them.
    Batch startBatch();
    // The sets waiting, for sending between refreshes.
    std::vector<PropertySet> takeSets();
    // One answer per path of useRows(), in order, for the batch of that
    // generation; none for a line that was refused (too long), which
    // leaves the variables of that path as they are.
    using Answer = std::optional<std::string>;
    void applyAnswers(std::uint64_t generation, const std::vector<Answer> &answers);

    std::uint64_t refusedAnswers() const;
    std::uint64_t setsSent() const;
    std::size_t rowCount() const;

protected:
    void afterWrites() override;

private:
    std::string_view currentText(std::string_view path) const;

    std::function<void()> m_wake;
    std::vector<PropertyRow> m_rows;
    std::vector<std::vector<std::size_t>> m_rowPaths; // per row: indices into m_paths
    std::vector<std::string> m_paths;
    std::unordered_map<std::string, std::size_t> m_pathIndex;
    std::vector<std::string> m_texts;         // last answer (or set) per path
    std::vector<std::uint64_t> m_textSetAt;   // per path: batches sent before its last set
    std::vector<std::uint64_t> m_writtenAt;   // per row: batches sent before its last write
    std::vector<bool> m_dirty;                // per row: written since afterWrites
    std::vector<PropertySet> m_pending;
    std::uint64_t m_batches = 0;
    std::uint64_t m_refused = 0;
    std::uint64_t m_setsSent = 0;
};

} // namespace fg
