#include "singleinstance.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace {

constexpr const char *kWindowClass = "TfrmACMain";
constexpr const char *kRaiseMessage = "Veltrano:BringToFront";
constexpr win::UINT kTimeoutMs = 2000;

} // namespace

SingleInstance::~SingleInstance()
{
    stop();
}

void SingleInstance::stop()
{
    if (m_served)
        win::DestroyWindow(m_served);
    m_served = nullptr;
}

bool SingleInstance::raiseRunningCopy()
{
    win::HWND running = win::FindWindowEx(nullptr, nullptr, kWindowClass, nullptr);
    if (!running)
        return false;
    win::DWORD_PTR answer = 0;
    // A copy that does not answer in time is treated as gone: this one runs.
    return win::SendMessageTimeout(running, win::RegisterWindowMessage(kRaiseMessage), 0, 0, win::SMTO_BLOCK,
                                   kTimeoutMs, &answer) != 0 &&
           answer == 1;
}

void SingleInstance::serve(QWidget *window)
{
    const win::UINT raise = win::RegisterWindowMessage(kRaiseMessage);
    QPointer<QWidget> target = window;
    m_served = win::CreateServedWindow(kWindowClass, [raise, target](win::UINT msg, win::WPARAM, win::LPARAM) {
        if (msg != raise)
            return std::optional<win::LRESULT>(0);
        // The request arrives on the serving thread; the window is raised on its own.
        QMetaObject::invokeMethod(
            qApp,
            [target] {
                if (!target)
                    return;
                target->showNormal();
                target->raise();
                target->activateWindow();
            },
            Qt::QueuedConnection);
        return std::optional<win::LRESULT>(1);
    });
}
