#pragma once
// The application's general error report. Handlers read numbers from edit
// and label texts with conversions that fail on text that is not a number;
// such a failure ends the handler at that point and is shown in a message
// box, while the window and the link carry on. Exceptions stop at the handler
// boundary and never cross Qt's event dispatch.
#include "controls/rules/strconv.h"

#include <QString>

// Shows an error that ended a handler (through the dialog seam).
void ApplicationShowException(const QString &message);

// Runs one event handler behind the boundary.
template <typename Fn> void handlerBoundary(Fn &&fn) noexcept
{
    try {
        fn();
    } catch (const std::exception &e) {
        ApplicationShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        ApplicationShowException(QStringLiteral("Unknown error"));
    }
}
