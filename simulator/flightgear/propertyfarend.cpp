#include "propertyfarend.h"

namespace fg {

PropertyFarEnd::PropertyFarEnd(const LinkIdentity &identity, std::function<void()> wake)
    : FarEndCore(identity.version, identity.simIndex), m_wake(std::move(wake))
{
    // Any write may touch a mapped variable; which rows it touches is known
    // only once the aircraft's rows are in.
    m_effects.add(0, OffsetSpace::kSize, [this](OffsetSpace &, const WriteEvent &e) {
        const std::uint64_t end = std::uint64_t(e.offset) + e.size;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const catalogue::Variable &v = m_rows[i].variable;
            if (m_rows[i].writes() && e.offset < v.end() && v.offset < end)
                m_dirty[i] = true;
        }
    });
}

std::vector<std::string> PropertyFarEnd::useRows(std::vector<PropertyRow> rows)
{
    std::lock_guard lock(m_mutex);
    m_rows = std::move(rows);
    m_rowPaths.assign(m_rows.size(), {});
    m_paths.clear();
    m_pathIndex.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const PropertyRow &row = m_rows[i];
        if (row.conversion == Conversion::Fixed)
            storeFixed(row, m_space);
        if (!row.reads())
            continue;
        for (const std::string &path : readPathsOf(row)) {
            const auto [it, added] = m_pathIndex.try_emplace(path, m_paths.size());
            if (added)
                m_paths.push_back(path);
            m_rowPaths[i].push_back(it->second);
        }
    }
    // Paths only written (a swap's, a lever written and never read) are
    // known too, so their last sent text is kept.
    for (const PropertyRow &row : m_rows)
        for (const std::string &path : row.paths)
            m_pathIndex.try_emplace(path, m_pathIndex.size());
    m_texts.assign(m_pathIndex.size(), {});
    m_textSetAt.assign(m_pathIndex.size(), 0);
    m_writtenAt.assign(m_rows.size(), 0);
    m_dirty.assign(m_rows.size(), false);
    m_pending.clear();
    return m_paths;
}

PropertyFarEnd::Batch PropertyFarEnd::startBatch()
{
    std::lock_guard lock(m_mutex);
    Batch b{++m_batches, std::move(m_pending)};
    m_pending.clear();
    m_setsSent += b.setsFirst.size();
    return b;
}

std::vector<PropertySet> PropertyFarEnd::takeSets()
{
    std::lock_guard lock(m_mutex);
    std::vector<PropertySet> sets = std::move(m_pending);
    m_pending.clear();
    m_setsSent += sets.size();
    return sets;
}

void PropertyFarEnd::applyAnswers(std::uint64_t generation, const std::vector<Answer> &answers)
{
    std::lock_guard lock(m_mutex);
    if (answers.size() != m_paths.size())
        return;
    for (std::size_t p = 0; p < answers.size(); ++p)
        if (answers[p] && m_textSetAt[p] < generation)
            m_texts[p] = *answers[p];
    std::vector<std::string_view> rowAnswers;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rowPaths[i].empty() || m_writtenAt[i] >= generation)
            continue;
        rowAnswers.clear();
        bool whole = true;
        for (std::size_t p : m_rowPaths[i]) {
            whole = whole && answers[p];
            rowAnswers.push_back(answers[p] ? std::string_view(*answers[p]) : std::string_view());
        }
        if (!whole || storeAnswers(m_rows[i], rowAnswers, m_space) == ReadOutcome::Refused)
            ++m_refused;
    }
}

void PropertyFarEnd::afterWrites()
{
    const std::size_t before = m_pending.size();
    const CurrentText current = [this](std::string_view path) { return currentText(path); };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (!m_dirty[i])
            continue;
        m_dirty[i] = false;
        m_writtenAt[i] = m_batches;
        for (PropertySet &set : setsFor(m_rows[i], m_space, current)) {
            if (const auto it = m_pathIndex.find(set.path); it != m_pathIndex.end()) {
                m_texts[it->second] = set.value;
                m_textSetAt[it->second] = m_batches;
            }
            m_pending.push_back(std::move(set));
        }
    }
    if (m_pending.size() > before && m_wake)
        m_wake();
}

std::string_view PropertyFarEnd::currentText(std::string_view path) const
{
    const auto it = m_pathIndex.find(std::string(path));
    return it == m_pathIndex.end() ? std::string_view() : std::string_view(m_texts[it->second]);
}

std::uint64_t PropertyFarEnd::refusedAnswers() const
{
    std::lock_guard lock(m_mutex);
    return m_refused;
}

std::uint64_t PropertyFarEnd::setsSent() const
{
    std::lock_guard lock(m_mutex);
    return m_setsSent;
}

std::size_t PropertyFarEnd::rowCount() const
{
    std::lock_guard lock(m_mutex);
    return m_rows.size();
}

} // namespace fg
