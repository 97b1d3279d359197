// veltrano-gallery: every panel widget in the configurations the panel uses,
// live, in four tabs. A development tool, not part of the panel.
//
//   veltrano-gallery [--tab N|NAME] [--screenshot FILE]
//
// With --screenshot the chosen tab's whole page is saved to FILE and the
// program exits, so it also runs headless (QT_QPA_PLATFORM=offscreen) or
// under xvfb-run. It prints one line: the tab, the picture's size and how
// many knobs, gauges and rotating pictures the page holds.
#include "gallery.h"

#include "fonts/panelfonts.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScrollArea>
#include <QTabWidget>

#include <cstdio>

namespace {

struct Tab {
    const char *title;
    QWidget *(*make)();
};

const Tab kTabs[] = {
    {"Knobs", gallery::makeKnobPage},
    {"Gauges", gallery::makeGaugePage},
    {"Rotating pictures", gallery::makeImagePage},
    {"Controls", gallery::makeControlsPage},
};
constexpr int kTabCount = int(std::size(kTabs));

// A tab given by number (0-based) or by the start of its title.
int tabIndex(const QString &arg)
{
    bool isNumber = false;
    const int n = arg.toInt(&isNumber);
    if (isNumber)
        return n >= 0 && n < kTabCount ? n : -1;
    for (int i = 0; i < kTabCount; ++i)
        if (!arg.isEmpty() && QString::fromLatin1(kTabs[i].title).startsWith(arg, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    panelfonts::registerPanelFonts();
    QApplication::setApplicationName(QStringLiteral("veltrano-gallery"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every Veltrano panel widget in its panel configurations."));
    parser.addHelpOption();
    const QCommandLineOption tabOption(QStringLiteral("tab"),
                                       QStringLiteral("Tab to show: 0 Knobs, 1 Gauges, 2 Rotating pictures, "
                                                      "3 Controls (or the start of its name)."),
                                       QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Save the chosen tab's page to FILE and exit."),
                                              QStringLiteral("FILE"));
    parser.addOption(tabOption);
    parser.addOption(screenshotOption);
    parser.process(app);

    const int tab = tabIndex(parser.value(tabOption));
    if (tab < 0) {
        std::fprintf(stderr, "veltrano-gallery: no tab '%s' (0..%d)\n", qPrintable(parser.value(tabOption)),
                     kTabCount - 1);
        return 2;
    }

    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Veltrano widget gallery"));
    QWidget *pages[kTabCount] = {};
    for (int i = 0; i < kTabCount; ++i) {
        pages[i] = kTabs[i].make();
        auto *scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setWidget(pages[i]);
        window.addTab(scroll, QString::fromLatin1(kTabs[i].title));
    }
    window.setCurrentIndex(tab);
    window.resize(1180, 820);
    window.show();

    if (!parser.isSet(screenshotOption))
        return app.exec();

    // Let layouts settle and every widget paint once before the grab.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QWidget *page = pages[tab];
    const QPixmap shot = page->grab();
    const QString file = parser.value(screenshotOption);
    if (shot.isNull() || !shot.save(file)) {
        std::fprintf(stderr, "veltrano-gallery: cannot save %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s: %dx%d, %lld knobs, %lld gauges, %lld pictures\n", kTabs[tab].title, shot.width(),
                shot.height(), static_cast<long long>(page->findChildren<TKnob *>().size()),
                static_cast<long long>(page->findChildren<TAnalogGauge *>().size()),
                static_cast<long long>(page->findChildren<TRotatableImage *>().size()));
    return 0;
}
