// Process entry: one panel window and the message loop. No command line is read.
#include "singleinstance.h"
#include "uACMainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltrano"));

    // A second start brings the running panel to the front and ends at once.
    SingleInstance instance;
    if (instance.raiseRunningCopy())
        return 0;

    TfrmACMain window;
    instance.serve(&window);
    window.show();
    const int status = app.exec();
    instance.stop();
    return status;
}
