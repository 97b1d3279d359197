// veltrano-inventory: builds the panel off-screen and prints one line per
// named object (see app/inventory.h). With --connect --ticks N it first
// activates the window against a running far end (veltrano-sim, veltrano-fg)
// and lets N refresh ticks run. --click NAME and --type NAME=TEXT then act on
// the panel as a user would (a left click on the control; the text typed into
// the edit over its old one, then Return), clicks first, in the order given,
// and N more ticks run before the listing. A development tool; the panel
// itself reads no command line.
#include "adapters/paneltimer.h"
#include "dialogseam.h"
#include "fonts/panelfonts.h"
#include "inventory.h"
#include "uACMainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// Off-screen nobody can close a message box: its text goes to standard
// error instead, and dialogs are not shown.
class PrintedDialogs : public DialogSeam {
public:
    void showMessage(const QString &text) override
    {
        std::fprintf(stderr, "veltrano-inventory: the panel says: %s\n", qPrintable(text));
        said = true;
    }
    QString openFile(const OpenDialogRequest &) override { return {}; }
    void showModal(QDialog &) override {}
    bool said = false;
};

// Lets `wanted` refresh ticks run; false when they did not within a limit.
bool runTicks(TfrmACMain &window, int wanted)
{
    if (wanted <= 0)
        return true;
    int ticks = 0;
    QEventLoop loop;
    const auto connection = QObject::connect(window.TimerUpdateTime, &PanelTimer::OnTimer, &loop, [&] {
        // Counted after the tick's own work has run.
        QTimer::singleShot(0, &loop, [&] {
            if (++ticks >= wanted)
                loop.quit();
        });
    });
    QTimer::singleShot(5000 + wanted * 2000, &loop, &QEventLoop::quit); // never wait for ever
    loop.exec();
    QObject::disconnect(connection);
    return ticks >= wanted;
}

// A user's left click on the control, or the text typed into the edit.
bool act(TfrmACMain &window, const QString &name, const QString *typed)
{
    auto *control = window.findChild<QWidget *>(name);
    if (!control || !control->isVisible()) {
        std::fprintf(stderr, "veltrano-inventory: no visible control %s\n", qPrintable(name));
        return false;
    }
    if (typed) {
        // Typed over the whole old text, as after a triple click.
        control->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->selectAll();
        QTest::keyClicks(control, *typed);
        QTest::keyClick(control, Qt::Key_Return);
    } else {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    }
    QApplication::processEvents();
    return true;
}

} // namespace

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
                                           QStringLiteral("Connect to a running far end (veltrano-sim, veltrano-fg) first."));
    const QCommandLineOption ticksOption(QStringLiteral("ticks"), QStringLiteral("Refresh ticks to let run."),
                                         QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Also save a picture of the panel to FILE."),
                                              QStringLiteral("FILE"));
    const QCommandLineOption clickOption(QStringLiteral("click"),
                                         QStringLiteral("After the ticks, click the control NAME."),
                                         QStringLiteral("NAME"));
    const QCommandLineOption typeOption(QStringLiteral("type"),
                                        QStringLiteral("After the ticks, type TEXT and Return into the edit NAME."),
                                        QStringLiteral("NAME=TEXT"));
    parser.addOption(connectOption);
    parser.addOption(ticksOption);
    parser.addOption(screenshotOption);
    parser.addOption(clickOption);
    parser.addOption(typeOption);
    parser.process(app);

    PrintedDialogs printed;
    installDialogSeam(&printed);
    TfrmACMain window;
    int status = 0;
    if (parser.isSet(connectOption)) {
        window.show();
        window.FormActivate();
        const int wanted = parser.value(ticksOption).toInt();
        bool ticked = window.isConnected && runTicks(window, wanted);
        const QStringList clicks = parser.values(clickOption), types = parser.values(typeOption);
        if (ticked && !(clicks.isEmpty() && types.isEmpty())) {
            for (const QString &name : clicks)
                status |= act(window, name, nullptr) ? 0 : 1;
            for (const QString &entry : types) {
                const QString text = entry.section(QLatin1Char('='), 1);
                status |= act(window, entry.section(QLatin1Char('='), 0, 0), &text) ? 0 : 1;
            }
            ticked = runTicks(window, wanted);
        }
        if (!ticked) {
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
    installDialogSeam(nullptr);
    return status | (printed.said ? 1 : 0);
}
