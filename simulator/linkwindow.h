#pragma once
// A far end's served window: a top-level window of class UIPCMAIN (or
// FS98MAIN) answering the registered message "FsasmLib:IPC" with the blocks
// of the mapping its atom names, each handed to a far-end core under the
// core's admission (its fault modes, if it has any).
#include "farendcore.h"
#include "mappingcache.h"

#include <string>

class LinkWindow {
public:
    LinkWindow() = default;
    ~LinkWindow() { close(); }
    LinkWindow(const LinkWindow &) = delete;
    LinkWindow &operator=(const LinkWindow &) = delete;

    // Registers the message and the window. False, with the reason, when the
    // window cannot be created (a live far end of that class exists, the
    // endpoint folder is refused). The core must outlive the open window.
    bool open(const std::string &windowClass, FarEndCore &core, std::string *error = nullptr);
    // Destroys the window, joining its serving thread, so its endpoint goes;
    // safe to call at any time.
    void close();
    bool isOpen() const { return m_window != nullptr; }

private:
    std::optional<win::LRESULT> onMessage(win::UINT msg, win::WPARAM wParam);

    FarEndCore *m_core = nullptr;
    MappingCache m_mappings; // serving thread only
    win::HWND m_window = nullptr;
    win::UINT m_message = 0;
};
