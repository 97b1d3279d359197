// Process entry: one panel window and the message loop. No command line is read.
#include "singleinstance.h"
#include "uACMainForm.h"
#include "fonts/panelfonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    panelfonts::registerPanelFonts();
    // The application's title. (A display name would also be appended to
    // every window caption, "Veltrano - Connected" included.)
    QApplication::setApplicationName(QStringLiteral("Veltrano"));

    // A second start brings the running panel to the front and ends at once.
    SingleInstance instance;
    if (instance.raiseRunningCopy())
        return 0;

    TfrmACMain window;
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
