// Opening and closing the link, the handshake, and the result tables.
#include "SimLinkClient.h"

#include "linkqueue.h"

#include <cstdio>
#include <cstdlib>

DWORD FSUIPC_Version = 0;
DWORD FSUIPC_FS_Version = 0;
DWORD FSUIPC_Lib_Version = LIB_VERSION;
HWND m_hWnd = nullptr;
UINT m_msg = 0;
ATOM m_atom = 0;
HANDLE m_hMap = nullptr;
std::uint8_t *m_pView = nullptr;
std::uint8_t *m_pNext = nullptr;
bool fWideFS = false;
SimLinkTiming m_timing;

const char *const ResultText[16] = {
    "Connected",
    "Attempt to Open when already Open",
    "Cannot link to FSUIPC or WideClient",
    "Failed to Register common message with Windows",
    "Failed to create Atom for mapping filename",
    "Failed to create a file mapping object",
    "Failed to open a view to the file map",
    "Incorrect version of FSUIPC, or not FSUIPC",
    "Sim is not version requested",
    "Call cannot execute, link not Open",
    "Call cannot execute: no requests accumulated",
    "IPC timed out all retries",
    "IPC sendmessage failed all retries",
    "IPC request contains bad data",
    "Maybe running on WideClient, but FS not running on Server, or wrong FSUIPC",
    "Read or Write request cannot be added, memory for Process is full",
};

const char *const SimulationText[11] = {
    "Any", "FS98", "FS2K", "CFS2", "CFS1", "FLY", "FS2002", "FS2004", "FSX", "ESP", "P3D",
};

const char *resultTextOf(DWORD code)
{
    return code < 16 ? ResultText[code] : "";
}

std::string mappingNameOf(DWORD processId)
{
    // The last field is always 1, also when the link is opened again.
    char name[64];
    std::snprintf(name, sizeof name, "%s:%X:%X", FS6IPC_MSGNAME1, static_cast<unsigned>(processId), 1u);
    return name;
}

namespace {

constexpr const char *kServerClass = "UIPCMAIN";
constexpr const char *kNetworkClientClass = "FS98MAIN";

bool closeAndFail(DWORD code, DWORD &dwResult)
{
    FSUIPC_Close();
    dwResult = code;
    return false;
}

// The process end closes a link that is still open. Registered on the first
// open, so it runs before the platform layer's own statics go away.
void closeAtExit()
{
    FSUIPC_Close();
}

} // namespace

std::string farEndProblem()
{
    for (const char *windowClass : {kServerClass, kNetworkClientClass}) {
        std::string why = win::posix::endpointProblem(windowClass);
        if (!why.empty())
            return why;
    }
    return {};
}

bool FSUIPC_Open(DWORD dwFSReq, DWORD &dwResult)
{
    fWideFS = false;
    if (m_pView) {
        dwResult = FSUIPC_ERR_OPEN;
        return false;
    }
    FSUIPC_Version = 0;
    FSUIPC_FS_Version = 0;

    m_hWnd = win::FindWindowEx(nullptr, nullptr, kServerClass, nullptr);
    if (!m_hWnd) {
        m_hWnd = win::FindWindowEx(nullptr, nullptr, kNetworkClientClass, nullptr);
        fWideFS = true;
    }
    if (!m_hWnd) {
        dwResult = FSUIPC_ERR_NOFS;
        return false;
    }
    m_msg = win::RegisterWindowMessage(FS6IPC_MSGNAME1);
    if (m_msg == 0) {
        dwResult = FSUIPC_ERR_REGMSG;
        return false;
    }

    static bool exitHookSet = false;
    if (!exitHookSet)
        exitHookSet = std::atexit(closeAtExit) == 0;

    const std::string name = mappingNameOf(win::GetCurrentProcessId());
    m_atom = win::GlobalAddAtom(name.c_str());
    if (m_atom == 0)
        return closeAndFail(FSUIPC_ERR_ATOM, dwResult);

    m_hMap = win::CreateFileMapping(win::INVALID_HANDLE_VALUE, nullptr, win::PAGE_READWRITE, 0, FS6IPC_MAPPING_SIZE,
                                    name.c_str());
    if (!m_hMap || win::GetLastError() == win::ERROR_ALREADY_EXISTS)
        return closeAndFail(FSUIPC_ERR_MAP, dwResult);

    m_pView = static_cast<std::uint8_t *>(win::MapViewOfFile(m_hMap, win::FILE_MAP_WRITE, 0, 0, 0));
    if (!m_pView)
        return closeAndFail(FSUIPC_ERR_VIEW, dwResult);
    m_pNext = m_pView;

    for (int pass = 0; pass < 5 && (FSUIPC_Version == 0 || FSUIPC_FS_Version == 0); ++pass) {
        const std::uint16_t libVersion = static_cast<std::uint16_t>(FSUIPC_Lib_Version);
        if (!FSUIPC_Read(0x3304, 4, &FSUIPC_Version, dwResult) ||
            !FSUIPC_Read(0x3308, 4, &FSUIPC_FS_Version, dwResult) ||
            (pass == 0 && !FSUIPC_Write(0x330A, 2, &libVersion, dwResult)) || !FSUIPC_Process(dwResult)) {
            const DWORD code = dwResult;
            return closeAndFail(code, dwResult);
        }
        win::Sleep(m_timing.handshakePauseMs);
    }

    if (FSUIPC_Version < FSUIPC_MIN_VERSION || (FSUIPC_FS_Version & 0xFFFF0000u) != FSUIPC_MARK)
        return closeAndFail(fWideFS ? FSUIPC_ERR_RUNNING : FSUIPC_ERR_VERSION, dwResult);
    FSUIPC_FS_Version &= 0xFFFF;
    if (dwFSReq != SIM_ANY && dwFSReq != FSUIPC_FS_Version)
        return closeAndFail(FSUIPC_ERR_WRONGFS, dwResult);

    dwResult = FSUIPC_ERR_OK;
    return true;
}

void FSUIPC_Close()
{
    m_hWnd = nullptr;
    m_msg = 0;
    m_pNext = nullptr;
    simlink::detail::clearQueue();
    if (m_atom) {
        win::GlobalDeleteAtom(m_atom);
        m_atom = 0;
    }
    if (m_pView) {
        win::UnmapViewOfFile(m_pView);
        m_pView = nullptr;
    }
    if (m_hMap) {
        win::CloseHandle(m_hMap);
        m_hMap = nullptr;
    }
}
