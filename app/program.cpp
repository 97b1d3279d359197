#include "program.h"

#include "closeonsignal.h"
#include "fonts/panelfonts.h"
#include "singleinstance.h"
#include "uACMainForm.h"

#include <QApplication>

int runPanel(QApplication &app)
{
    panelfonts::registerPanelFonts();
    // The application's title. (A display name would also be appended to
    // every window caption, "Veltrano - Connected" included.)
    QApplication::setApplicationName(QStringLiteral("Veltrano"));

    // A second start brings the running panel to the front and ends at once.
    SingleInstance instance;
    if (instance.raiseRunningCopy())
        return 0;

    TfrmACMain window;
    // Told to end (SIGTERM, SIGINT, SIGHUP), the panel closes as by its button.
    CloseOnSignal closeOnSignal(&window);
    instance.serve(&window);
    window.show();
    // Ask for the focus as well: without a window manager (a bare X server)
    // nothing else would activate the window, and its first activation is
    // what connects it.
    window.activateWindow();
    const int status = app.exec();
    instance.stop();
    return status;
}
