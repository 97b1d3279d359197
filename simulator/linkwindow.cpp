#include "linkwindow.h"

namespace {

constexpr const char *kMessageName = "FsasmLib:IPC";

// What failed, and why in words when the endpoint may not be used there;
// otherwise the layer's error number.
std::string failureText(const std::string &what, const std::string &windowClass)
{
    const win::DWORD code = win::GetLastError();
    if (code == win::ERROR_CLASS_ALREADY_EXISTS)
        return what + ": a far end of class " + windowClass + " is serving already";
    const std::string why = win::posix::endpointProblem(windowClass);
    return why.empty() ? what + " (error " + std::to_string(code) + ")" : what + ": " + why;
}

} // namespace

bool LinkWindow::open(const std::string &windowClass, FarEndCore &core, std::string *error)
{
    close();
    m_message = win::RegisterWindowMessage(kMessageName);
    if (m_message == 0) {
        if (error)
            *error = failureText("cannot register the message", windowClass);
        return false;
    }
    m_core = &core;
    m_window = win::CreateServedWindow(windowClass.c_str(), [this](win::UINT msg, win::WPARAM wParam, win::LPARAM) {
        return onMessage(msg, wParam);
    });
    if (!m_window && error)
        *error = failureText("cannot create window " + windowClass, windowClass);
    return m_window != nullptr;
}

void LinkWindow::close()
{
    if (!m_window)
        return;
    win::DestroyWindow(m_window); // joins the serving thread
    m_window = nullptr;
    m_mappings.clear();
}

std::optional<win::LRESULT> LinkWindow::onMessage(win::UINT msg, win::WPARAM wParam)
{
    if (msg != m_message || wParam == 0 || wParam > 0xFFFF)
        return 0;
    switch (m_core->admit()) {
    case FarEndCore::Admission::Ignore: return std::nullopt;
    case FarEndCore::Admission::Reject: return 0;
    case FarEndCore::Admission::Serve: break;
    }
    const std::span<std::uint8_t> view = m_mappings.viewFor(static_cast<win::ATOM>(wParam));
    if (view.empty())
        return 0;
    return m_core->processBlock(view);
}
