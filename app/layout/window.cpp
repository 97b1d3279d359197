// The window itself, the status bar, the bottom button row, the timers, the
// tab order, and the order in which the groups are built.
#include "uACMainForm.h"

#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "artwork/artwork.h"
#include "dialogseam.h"
#include "layoutkit.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

using namespace layout;

void TfrmACMain::buildWindow()
{
    setWindowTitle(QStringLiteral("Veltrano"));
    // A fixed panel: no resizing, no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(1161, 783);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(clSilver));
    pal.setColor(QPalette::WindowText, toQColor(clWindowText));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(panelFont());

    buildTimers();
    // Groups from the top left; the APU group lies over the two VOR groups.
    buildAircraftGroup();
    buildFlightGroup();
    buildControlsGroup();
    buildFuelGroup();
    buildVORGroups();
    buildAPUGroup();
    buildElectricGroup();
    buildEnginesGroup();
    buildRadiosGroup();
    buildADFGroup();
    buildAPGroup();
    buildAddEngPanel();
    buildBottomRow();
    buildStatusBar();
    setTabOrder();

    OpenDialog1 = new OpenDialog;
    OpenDialog1->Filter = QStringLiteral("Image Files (*.jpg, *.bmp)|*.jpg; *.bmp|Bitmap(*.bmp)|*.bmp");
}

void TfrmACMain::buildStatusBar()
{
    simver1 = new PanelStatusBar(this);
    simver1->setObjectName(QStringLiteral("simver1"));
    simver1->setGeometry(0, 762, 1161, 21);
    simver1->SetColor(clMedGray);
    simver1->SetFontColor(clBtnText);
    simver1->setFont(panelFont(11, false, "Arial"));
    simver1->AddPanel(100, QStringLiteral("FSUIPC:"));
    simver1->AddPanel(100, QStringLiteral("WideFS:"));
    simver1->AddPanel(50, QStringLiteral("FS:"));
    simver1->AddPanel(600, QStringLiteral("Message"));
    simver1->AddPanel(100);
    simver1->AddPanel(100, QStringLiteral("FS Clock:"), taCenter);
}

void TfrmACMain::buildBottomRow()
{
    auto row = [this](const char *name, const char *glyph, const QString &caption, const QString &hint, int left,
                      int width) {
        QPushButton *b = button(this, name, QRect(left, 734, width, 28), caption, hint);
        b->setIcon(artwork::buttonGlyph(glyph));
        return b;
    };
    bbtnPause = row("bbtnPause", "pause", QStringLiteral("&Pause"),
                    QStringLiteral("Left Click to Pause Value Read Process, Click again to Restart."), 767, 75);
    bbtnRefresh = row("bbtnRefresh", "refresh", QStringLiteral("&Refresh"),
                      QStringLiteral("Left Click Here when a new plane is loaded."), 844, 75);
    bbtnSettings = row("bbtnSettings", "settings", QStringLiteral("&Settings"),
                       QStringLiteral("Veltrano Settings Page"), 921, 75);
    bbtnSettings->setEnabled(false); // there are no settings, and nothing enables it
    bbtnAbout = row("bbtnAbout", "about", QStringLiteral("&About"), QStringLiteral("Veltrano About Box"), 999, 72);
    bbtnClose = row("bbtnClose", "close", QStringLiteral("&Close"), QStringLiteral("Close Veltrano"), 1088, 69);
}

void TfrmACMain::buildTimers()
{
    auto timer = [this](const char *name, int interval) {
        auto *t = new PanelTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->SetInterval(interval);
        return t;
    };
    TimerUpdateTime = timer("TimerUpdateTime", 1000); // 400 or 500 once connected
    TimerOpen = timer("TimerOpen", 2000);
    tmEngineCycle = timer("tmEngineCycle", 5000);
    TimerImage1 = timer("TimerImage1", 10000);
    TimerAPU = timer("TimerAPU", 500);
    TimerAutoMix = timer("TimerAutoMix", 2500);
    TimerExitEdit = timer("TimerExitEdit", 2000);
}

void TfrmACMain::setTabOrder()
{
    // The order of the window's own children; a group takes its controls along
    // in the order they were made. Groups and panels take no focus themselves,
    // so the chain is made of the tab stops inside them.
    const QList<QWidget *> order{bbtnRefresh, bbtnPause,  bbtnClose, gbAircraft, gbFlight,  gbControls,
                                 gbFuel,      gbElectric, gbEngines, pnlAddEng,  gbAvionics, gbAP,
                                 gbADF,       gbVOR2,     gbVOR1,    bbtnAbout,  bbtnSettings, gbAPU};
    QList<QWidget *> stops;
    auto isStop = [](QWidget *w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
    for (QWidget *child : order) {
        if (isStop(child))
            stops << child;
        for (QWidget *w : child->findChildren<QWidget *>())
            if (isStop(w))
                stops << w;
    }
    for (int i = 0; i + 1 < stops.size(); ++i)
        QWidget::setTabOrder(stops[i], stops[i + 1]);
}
