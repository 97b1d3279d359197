#pragma once
// The Windows calls the simulator link is written against, with their Windows
// meaning. The client side (find the far end's window, registered message,
// global atoms, named paging-file mapping, blocking timed send) is what the
// IPC client uses; the far-end side (serve a window class, open a mapping by
// name) is what a stand-in for the simulator needs.
//
// The POSIX backend keeps everything private to the user: endpoints live in
// one folder ($XDG_RUNTIME_DIR/veltrano, else /tmp/veltrano-<uid>) that must
// be owned by the user and closed to others.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace win {

using BOOL = int;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using ATOM = std::uint16_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using DWORD_PTR = std::uintptr_t;

struct WindowRef;    // a found or served top-level window
struct KernelObject; // a file mapping
using HWND = WindowRef *;
using HANDLE = KernelObject *;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t(0));

// Last-error values the layer reports.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

constexpr DWORD PAGE_READWRITE = 0x04;
constexpr DWORD FILE_MAP_WRITE = 0x0002;
constexpr DWORD FILE_MAP_READ = 0x0004;
constexpr DWORD FILE_MAP_ALL_ACCESS = 0x000F001F;
constexpr UINT SMTO_BLOCK = 0x0001;

// --- client side ---------------------------------------------------------

// A live top-level window of the class (parent, childAfter and windowName must
// be null). The same window gives the same handle on every call in a process.
HWND FindWindowEx(HWND parent, HWND childAfter, const char *className, const char *windowName);

// The same name gives the same identifier (0xC000..0xFFFF) in every process.
UINT RegisterWindowMessage(const char *name);

// Global atoms, shared by the user's processes and reference counted.
ATOM GlobalAddAtom(const char *name);
ATOM GlobalDeleteAtom(ATOM atom); // 0 on success, the atom on failure
UINT GlobalGetAtomName(ATOM atom, char *buffer, int size);

// A named mapping backed by the paging file. When the name exists already the
// handle of the existing object is returned and the last error is 183; a name
// left by a process that died does not count as existing.
HANDLE CreateFileMapping(HANDLE file, void *security, DWORD protect, DWORD sizeHigh, DWORD sizeLow,
                         const char *name);
HANDLE OpenFileMapping(DWORD access, BOOL inheritHandle, const char *name);
void *MapViewOfFile(HANDLE mapping, DWORD access, DWORD offsetHigh, DWORD offsetLow, std::size_t bytes);
BOOL UnmapViewOfFile(const void *view);
BOOL CloseHandle(HANDLE object);

// One request to the window and a blocking wait of at most timeoutMs for its
// answer. Returns non-zero on success with the window's answer in *result. On
// failure returns 0; the last error is 0 for a time-out and non-zero for a
// transport failure (the window vanished). A late answer is never taken for
// the answer to a later request.
LRESULT SendMessageTimeout(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeoutMs,
                           DWORD_PTR *result);

DWORD GetLastError();
void SetLastError(DWORD error);
DWORD GetCurrentProcessId();
void Sleep(DWORD milliseconds);

// --- far-end side --------------------------------------------------------

// A window procedure of a served window. It runs on the window's own serving
// thread. Returning no value leaves the sender waiting (no answer is sent).
using WindowProc = std::function<std::optional<LRESULT>(UINT msg, WPARAM wParam, LPARAM lParam)>;

// Creates a top-level window of the class and serves its messages on a thread
// of its own until DestroyWindow. Fails (null, last error set) when a live
// window of that class exists or the endpoint folder is refused.
HWND CreateServedWindow(const char *className, WindowProc proc);
BOOL DestroyWindow(HWND window);

} // namespace win

namespace win::posix {

// The folder holding the user's endpoints, created 0700 when missing. Empty,
// with a reason, when it is owned by another user, open to others, or not a
// plain folder.
std::string endpointFolder(std::string *whyRefused = nullptr);

// Why the window of a class cannot be served or reached there, in words: the
// folder is refused, or something other than a socket of ours stands in the
// window's place (a symbolic link, a folder). Empty when nothing stands in
// the way, whether a far end serves there or not.
std::string endpointProblem(const std::string &className);

// The POSIX shared-memory name that stands for a mapping name.
std::string sharedMemoryName(const std::string &mappingName);

} // namespace win::posix
