#pragma once
// SIGTERM, SIGINT and SIGHUP close the panel as its close button does: the
// window closes, its close handler closes the link (the shared block and the
// atom go with it), and the process ends normally. Without this a signal
// would end the process on the spot and leave the link's objects behind.
#include <QObject>

class QSocketNotifier;
class QWidget;

class CloseOnSignal : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; the window must outlive this object.
    explicit CloseOnSignal(QWidget *window);
    ~CloseOnSignal() override;

private:
    void closeWindow();

    QWidget *m_window;
    QSocketNotifier *m_notifier = nullptr;
};
