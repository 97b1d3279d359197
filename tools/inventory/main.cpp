// veltrano-inventory: builds the panel off-screen and prints one line per
// named object (see app/inventory.h). With --connect --ticks N it first
// activates the window against a running veltrano-sim and lets N refresh
// ticks run. A development tool; the panel itself reads no command line.
#include "adapters/paneltimer.h"
#include "fonts/panelfonts.h"
#include "inventory.h"
#include "uACMainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    panelfonts::registerPanelFonts();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lists every named control of the Veltrano panel."));
    parser.addHelpOption();
    const QCommandLineOption connectOption(QStringLiteral("connect"),
                                           QStringLiteral("Connect to a running veltrano-sim first."));
    const QCommandLineOption ticksOption(QStringLiteral("ticks"), QStringLiteral("Refresh ticks to let run."),
                                         QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Also save a picture of the panel to FILE."),
                                              QStringLiteral("FILE"));
    parser.addOption(connectOption);
    parser.addOption(ticksOption);
    parser.addOption(screenshotOption);
    parser.process(app);

    TfrmACMain window;
    int status = 0;
    if (parser.isSet(connectOption)) {
        window.show();
        window.FormActivate();
        const int wanted = parser.value(ticksOption).toInt();
        int ticks = 0;
        QEventLoop loop;
        QObject::connect(window.TimerUpdateTime, &PanelTimer::OnTimer, &loop, [&] {
            // Counted after the tick's own work has run.
            QTimer::singleShot(0, &loop, [&] {
                if (++ticks >= wanted)
                    loop.quit();
            });
        });
        QTimer::singleShot(5000 + wanted * 2000, &loop, &QEventLoop::quit); // never wait for ever
        if (window.isConnected && wanted > 0)
            loop.exec();
        if (!window.isConnected || ticks < wanted) {
            std::fprintf(stderr, "veltrano-inventory: %s\n",
                         window.isConnected ? "the refresh did not run" : "could not connect to the simulator");
            status = 1;
        }
    }
    if (parser.isSet(screenshotOption) && !window.grab().save(parser.value(screenshotOption))) {
        std::fprintf(stderr, "veltrano-inventory: cannot save %s\n", qPrintable(parser.value(screenshotOption)));
        status = 1;
    }
    for (const QString &l : inventoryLines(window))
        std::printf("%s\n", l.toUtf8().constData());
    return status;
}
