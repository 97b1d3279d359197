#pragma once
// The simulator link: one connection per process to the far end's interface
// module, a window of class "UIPCMAIN" (or "FS98MAIN" when reached through the
// network client). Requests are queued into a shared block and sent with one
// registered window message; read results are copied back on the answer.
//
// A module of plain functions over module-level state, used from the
// user-interface thread only. Every operation reports a result code and
// returns true exactly when that code is FSUIPC_ERR_OK.
#include "platform/winapi.h"

#include <cstdint>
#include <string>

using win::ATOM;
using win::DWORD;
using win::HANDLE;
using win::HWND;
using win::UINT;

// Result codes.
enum : DWORD {
    FSUIPC_ERR_OK = 0,
    FSUIPC_ERR_OPEN = 1,
    FSUIPC_ERR_NOFS = 2,
    FSUIPC_ERR_REGMSG = 3,
    FSUIPC_ERR_ATOM = 4,
    FSUIPC_ERR_MAP = 5,
    FSUIPC_ERR_VIEW = 6,
    FSUIPC_ERR_VERSION = 7,
    FSUIPC_ERR_WRONGFS = 8,
    FSUIPC_ERR_NOTOPEN = 9,
    FSUIPC_ERR_NODATA = 10,
    FSUIPC_ERR_TIMEOUT = 11,
    FSUIPC_ERR_SENDMSG = 12,
    FSUIPC_ERR_DATA = 13,
    FSUIPC_ERR_RUNNING = 14,
    FSUIPC_ERR_SIZE = 15,
};

// Simulator identifiers (5 has no constant).
enum : DWORD {
    SIM_ANY = 0,
    SIM_FS98 = 1,
    SIM_FS2K = 2,
    SIM_CFS2 = 3,
    SIM_CFS1 = 4,
    SIM_FS2K2 = 6,
    SIM_FS2K4 = 7,
    SIM_FSX = 8,
    SIM_ESP = 9,
};

inline constexpr const char *FS6IPC_MSGNAME1 = "FsasmLib:IPC";
inline constexpr DWORD MAX_SIZE = 0x7F00;               // bound a queued request keeps to
inline constexpr DWORD FS6IPC_MAPPING_SIZE = MAX_SIZE + 256; // the last 256 bytes are never used
inline constexpr DWORD FS6IPC_READSTATEDATA_ID = 1;
inline constexpr DWORD FS6IPC_WRITESTATEDATA_ID = 2;
inline constexpr DWORD FS6IPC_MESSAGE_SUCCESS = 1;
inline constexpr DWORD FS6IPC_MESSAGE_FAILURE = 0;
inline constexpr DWORD LIB_VERSION = 2005;
inline constexpr DWORD FSUIPC_MIN_VERSION = 0x19980005;
inline constexpr DWORD FSUIPC_MARK = 0xFADE0000;

// Wire headers of the shared block: little-endian 32-bit fields, packed.
struct FS6IPC_READSTATEDATA_HDR {
    std::uint32_t dwId;
    std::uint32_t dwOffset;
    std::uint32_t nBytes;
    std::uint32_t pDest; // a key into the client's table of destinations
};
struct FS6IPC_WRITESTATEDATA_HDR {
    std::uint32_t dwId;
    std::uint32_t dwOffset;
    std::uint32_t nBytes;
};
static_assert(sizeof(FS6IPC_READSTATEDATA_HDR) == 16 && sizeof(FS6IPC_WRITESTATEDATA_HDR) == 12);

// Module state.
extern DWORD FSUIPC_Version;
extern DWORD FSUIPC_FS_Version;
extern DWORD FSUIPC_Lib_Version;
extern HWND m_hWnd;
extern UINT m_msg;
extern ATOM m_atom;
extern HANDLE m_hMap;
extern std::uint8_t *m_pView;
extern std::uint8_t *m_pNext;
extern bool fWideFS;

extern const char *const ResultText[16];
extern const char *const SimulationText[11];

// The wording of a result code; codes outside the table give an empty text.
const char *resultTextOf(DWORD code);

// The name of the shared block of a process: FsasmLib:IPC:<pid in hex>:1.
std::string mappingNameOf(DWORD processId);

// Why neither far-end window can be reached, in words, when something stands
// in the way (a refused endpoint folder, something else in a window's place);
// empty when the far end is simply not running.
std::string farEndProblem();

bool FSUIPC_Open(DWORD dwFSReq, DWORD &dwResult);
void FSUIPC_Close();
bool FSUIPC_Read(DWORD dwOffset, DWORD dwSize, void *pDest, DWORD &dwResult);
bool FSUIPC_Write(DWORD dwOffset, DWORD dwSize, const void *pSrce, DWORD &dwResult);
bool FSUIPC_Process(DWORD &dwResult);

// The link's waits. Tests shorten them; the program never changes them.
struct SimLinkTiming {
    UINT sendTimeoutMs = 2000; // one attempt of the message
    int attempts = 10;
    DWORD retryPauseMs = 100;     // after each failed attempt
    DWORD handshakePauseMs = 100; // after each handshake pass
};
extern SimLinkTiming m_timing;
