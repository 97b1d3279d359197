#pragma once
// One run of a panel reader. On entry its progress text goes to status panel
// 4, vBuzy is set and doWrite is cleared: a change a reader makes to a
// control is never the user's, so no change handler it fires may write. On
// every exit, early returns included, vBuzy is cleared, so a reader never
// stalls the refresh, and the window is repainted: what the reader changed is
// on the screen when it ends.
#include "uACMainForm.h"

#include <QCoreApplication>
#include <QEvent>

class ReaderRun {
public:
    ReaderRun(TfrmACMain &window, const QString &progress) : m_window(window)
    {
        if (!progress.isNull())
            m_window.setStatusPanel(4, progress);
        m_window.vBuzy = true;
        m_window.doWrite = false;
    }
    ~ReaderRun()
    {
        m_window.vBuzy = false;
        // Every control asked for a repaint of its own when its picture
        // changed; delivering those requests now paints exactly that. An
        // unchanged control is not painted again.
        QCoreApplication::sendPostedEvents(m_window.window(), QEvent::UpdateRequest);
    }
    ReaderRun(const ReaderRun &) = delete;
    ReaderRun &operator=(const ReaderRun &) = delete;

private:
    TfrmACMain &m_window;
};
