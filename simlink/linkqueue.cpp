// Queuing read and write requests into the shared block, sending the block,
// and delivering the answer.
//
// The far end's answer is untrusted: every record header must come back as it
// was queued (id, offset, size, destination key), the walk must stay inside
// the block, and the end marker must still be there. An answer that breaks
// this delivers nothing. Read results are copied with the sizes the caller
// queued, never with sizes taken from the block.
#include "SimLinkClient.h"
#include "linkqueue.h"

#include <cstring>
#include <vector>

namespace {

struct QueuedRecord {
    std::uint32_t id;
    std::uint32_t offset;
    std::uint32_t size;
    std::uint32_t key;   // read records only: 1 + index into g_destinations, 0 for none
    std::size_t position; // of the header inside the block
};

std::vector<QueuedRecord> g_queued;
std::vector<void *> g_destinations;

std::size_t usedBytes()
{
    return static_cast<std::size_t>(m_pNext - m_pView);
}

bool fitsInBlock(std::size_t header, DWORD dwSize)
{
    // Room for this record and the end marker; exactly MAX_SIZE is accepted.
    return std::uint64_t(usedBytes()) + 4 + header + dwSize <= MAX_SIZE;
}

std::uint32_t loadWord(const std::uint8_t *p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void storeWord(std::uint8_t *p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
}

// True when the block holds exactly the records queued, in order, followed by
// the end marker.
bool answerMatches(const std::vector<QueuedRecord> &sent, std::size_t end)
{
    for (const QueuedRecord &r : sent) {
        const std::uint8_t *h = m_pView + r.position;
        if (loadWord(h) != r.id || loadWord(h + 4) != r.offset || loadWord(h + 8) != r.size)
            return false;
        if (r.id == FS6IPC_READSTATEDATA_ID && loadWord(h + 12) != r.key)
            return false;
    }
    return end + 4 <= FS6IPC_MAPPING_SIZE && loadWord(m_pView + end) == 0;
}

} // namespace

namespace simlink::detail {

void clearQueue()
{
    g_queued.clear();
    g_destinations.clear();
}

} // namespace simlink::detail

bool FSUIPC_Read(DWORD dwOffset, DWORD dwSize, void *pDest, DWORD &dwResult)
{
    if (!m_pView) {
        dwResult = FSUIPC_ERR_NOTOPEN;
        return false;
    }
    if (!fitsInBlock(sizeof(FS6IPC_READSTATEDATA_HDR), dwSize)) {
        dwResult = FSUIPC_ERR_SIZE;
        return false;
    }
    std::uint32_t key = 0;
    if (pDest) {
        g_destinations.push_back(pDest);
        key = static_cast<std::uint32_t>(g_destinations.size());
    }
    g_queued.push_back({FS6IPC_READSTATEDATA_ID, dwOffset, dwSize, key, usedBytes()});
    storeWord(m_pNext, FS6IPC_READSTATEDATA_ID);
    storeWord(m_pNext + 4, dwOffset);
    storeWord(m_pNext + 8, dwSize);
    storeWord(m_pNext + 12, key);
    m_pNext += sizeof(FS6IPC_READSTATEDATA_HDR);
    if (dwSize) {
        std::memset(m_pNext, 0, dwSize);
        m_pNext += dwSize;
    }
    dwResult = FSUIPC_ERR_OK;
    return true;
}

bool FSUIPC_Write(DWORD dwOffset, DWORD dwSize, const void *pSrce, DWORD &dwResult)
{
    if (!m_pView) {
        dwResult = FSUIPC_ERR_NOTOPEN;
        return false;
    }
    if (!fitsInBlock(sizeof(FS6IPC_WRITESTATEDATA_HDR), dwSize)) {
        dwResult = FSUIPC_ERR_SIZE;
        return false;
    }
    if (dwSize && !pSrce) {
        dwResult = FSUIPC_ERR_DATA; // nothing to copy from
        return false;
    }
    g_queued.push_back({FS6IPC_WRITESTATEDATA_ID, dwOffset, dwSize, 0, usedBytes()});
    storeWord(m_pNext, FS6IPC_WRITESTATEDATA_ID);
    storeWord(m_pNext + 4, dwOffset);
    storeWord(m_pNext + 8, dwSize);
    m_pNext += sizeof(FS6IPC_WRITESTATEDATA_HDR);
    if (dwSize) {
        std::memcpy(m_pNext, pSrce, dwSize);
        m_pNext += dwSize;
    }
    dwResult = FSUIPC_ERR_OK;
    return true;
}

bool FSUIPC_Process(DWORD &dwResult)
{
    if (!m_pView) {
        dwResult = FSUIPC_ERR_NOTOPEN;
        return false;
    }
    if (m_pNext == m_pView) {
        dwResult = FSUIPC_ERR_NODATA;
        return false;
    }
    // From here on the queue is empty whatever the far end does.
    const std::size_t end = usedBytes();
    storeWord(m_pNext, 0);
    m_pNext = m_pView;
    const std::vector<QueuedRecord> sent = std::move(g_queued);
    const std::vector<void *> destinations = std::move(g_destinations);
    simlink::detail::clearQueue();

    win::DWORD_PTR answer = 0;
    bool sentOk = false;
    for (int attempt = 0; attempt < m_timing.attempts && !sentOk; ++attempt) {
        sentOk = win::SendMessageTimeout(m_hWnd, m_msg, m_atom, 0, win::SMTO_BLOCK, m_timing.sendTimeoutMs,
                                         &answer) != 0;
        if (!sentOk)
            win::Sleep(m_timing.retryPauseMs);
    }
    if (!sentOk) {
        dwResult = win::GetLastError() == 0 ? FSUIPC_ERR_TIMEOUT : FSUIPC_ERR_SENDMSG;
        return false;
    }
    if (static_cast<DWORD>(answer) != FS6IPC_MESSAGE_SUCCESS || !answerMatches(sent, end)) {
        dwResult = FSUIPC_ERR_DATA;
        return false;
    }
    for (const QueuedRecord &r : sent) {
        if (r.id == FS6IPC_READSTATEDATA_ID && r.key && r.size)
            std::memcpy(destinations[r.key - 1], m_pView + r.position + sizeof(FS6IPC_READSTATEDATA_HDR), r.size);
    }
    dwResult = FSUIPC_ERR_OK;
    return true;
}
