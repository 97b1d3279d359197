#pragma once
// One panel per user: the running panel serves a window of class
// "TfrmACMain" titled "Veltrano" through the link's window layer; a second
// start finds it, asks it to come to the front, and ends without a window.
#include "platform/winapi.h"

class QWidget;

class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when a running panel was found and asked to come to the front.
    bool raiseRunningCopy();
    // Makes this process the one that later starts find.
    // The window must outlive serving: stop before it goes.
    void serve(QWidget *window);
    void stop();

private:
    win::HWND m_served = nullptr;
};
