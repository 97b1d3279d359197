// The window itself, the status bar, the bottom button row and the timers.
#include "uACMainForm.h"

#include "adapters/panelstatusbar.h"
#include "adapters/paneltimer.h"
#include "common/tcolor.h"

#include <QPushButton>

namespace {

QPushButton *bottomButton(QWidget *parent, const char *name, const QString &caption, const QString &hint, int left,
                          int width)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 734, width, 28);
    b->setStatusTip(hint);
    return b;
}

} // namespace

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
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);

    buildTimers();
    buildStatusBar();
    bbtnPause = bottomButton(this, "bbtnPause", QStringLiteral("&Pause"),
                             QStringLiteral("Left Click to Pause Value Read Process, Click again to Restart."), 767, 75);
}

void TfrmACMain::buildStatusBar()
{
    simver1 = new PanelStatusBar(this);
    simver1->setObjectName(QStringLiteral("simver1"));
    simver1->setGeometry(0, 762, 1161, 21);
    simver1->SetColor(clMedGray);
    simver1->SetFontColor(clBtnText);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    simver1->setFont(f);
    simver1->AddPanel(100, QStringLiteral("FSUIPC:"));
    simver1->AddPanel(100, QStringLiteral("WideFS:"));
    simver1->AddPanel(50, QStringLiteral("FS:"));
    simver1->AddPanel(600, QStringLiteral("Message"));
    simver1->AddPanel(100);
    simver1->AddPanel(100, QStringLiteral("FS Clock:"), taCenter);
}

void TfrmACMain::buildTimers()
{
    auto timer = [this](const char *name, int interval) {
        auto *t = new PanelTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->SetInterval(interval);
        return t;
    };
    TimerUpdateTime = timer("TimerUpdateTime", 1000);
    TimerOpen = timer("TimerOpen", 2000);
    tmEngineCycle = timer("tmEngineCycle", 5000);
    TimerImage1 = timer("TimerImage1", 10000);
    TimerAPU = timer("TimerAPU", 500);
    TimerAutoMix = timer("TimerAutoMix", 2500);
    TimerExitEdit = timer("TimerExitEdit", 2000);
}
