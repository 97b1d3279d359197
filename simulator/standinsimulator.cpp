#include "standinsimulator.h"

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

StandInSimulator::~StandInSimulator() { stop(); }

bool StandInSimulator::start(const SimulatorOptions &options, std::string *error)
{
    std::lock_guard lock(m_mutex);
    if (m_core) {
        if (error)
            *error = "already started";
        return false;
    }
    m_message = win::RegisterWindowMessage(kMessageName);
    if (m_message == 0) {
        if (error)
            *error = failureText("cannot register the message", options.windowClass);
        return false;
    }
    m_core = std::make_unique<SimulatorCore>(options);
    if (m_sink)
        m_core->setTraceSink(m_sink);
    if (!openWindow(error)) {
        m_core.reset();
        return false;
    }
    return true;
}

bool StandInSimulator::openWindow(std::string *error)
{
    m_core->cancelWaits(false);
    m_window = win::CreateServedWindow(m_core->options().windowClass.c_str(),
                                       [this](win::UINT msg, win::WPARAM wParam, win::LPARAM) {
                                           return onMessage(msg, wParam);
                                       });
    if (!m_window && error)
        *error = failureText("cannot create window " + m_core->options().windowClass, m_core->options().windowClass);
    return m_window != nullptr;
}

void StandInSimulator::closeWindow()
{
    if (!m_window)
        return;
    m_core->cancelWaits(true); // a late answer in progress must not hold the window
    win::DestroyWindow(m_window); // joins the serving thread
    m_window = nullptr;
    m_mappings.clear();
}

void StandInSimulator::stop()
{
    std::lock_guard lock(m_mutex);
    if (!m_core)
        return;
    closeWindow();
    m_core.reset();
}

bool StandInSimulator::serving() const
{
    std::lock_guard lock(m_mutex);
    return m_window != nullptr;
}

std::optional<win::LRESULT> StandInSimulator::onMessage(win::UINT msg, win::WPARAM wParam)
{
    if (msg != m_message || wParam == 0 || wParam > 0xFFFF)
        return 0;
    switch (m_core->admit()) {
    case SimulatorCore::Admission::Ignore: return std::nullopt;
    case SimulatorCore::Admission::Reject: return 0;
    case SimulatorCore::Admission::Serve: break;
    }
    const std::span<std::uint8_t> view = m_mappings.viewFor(static_cast<win::ATOM>(wParam));
    if (view.empty())
        return 0;
    return m_core->processBlock(view);
}

std::string StandInSimulator::command(std::string_view line)
{
    std::lock_guard lock(m_mutex);
    if (!m_core)
        return "ERR not started";
    std::string answer = m_core->command(line);
    // Bring the window in line with the fault mode.
    const bool wantWindow = m_core->faultMode() != FaultMode::Close;
    if (!wantWindow && m_window) {
        closeWindow();
    } else if (wantWindow && !m_window) {
        std::string error;
        if (!openWindow(&error))
            answer = "ERR " + error;
    }
    return answer;
}

bool StandInSimulator::quitRequested() const
{
    std::lock_guard lock(m_mutex);
    return m_core && m_core->quitRequested();
}

void StandInSimulator::setTraceSink(SimulatorCore::TraceSink sink)
{
    std::lock_guard lock(m_mutex);
    m_sink = sink;
    if (m_core)
        m_core->setTraceSink(std::move(sink));
}
