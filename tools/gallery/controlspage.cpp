// Controls page: a few of the adapters that give Qt controls the panel's
// behaviour: lamps, bar gauges driven by levers, speed buttons in a group,
// a toggle and a plain one, and the six-panel status bar that reports what
// was clicked.
#include "gallery.h"

#include "adapters/bargauge.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/panelstatusbar.h"
#include "adapters/speedbutton.h"
#include "adapters/trackbar.h"
#include "fonts/panelfonts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace gallery {
namespace {

// The panel's status bar: six fixed panels, the fourth the status line.
PanelStatusBar *statusBar()
{
    auto *bar = new PanelStatusBar;
    bar->setFixedHeight(21);
    bar->setMinimumWidth(1050);
    bar->SetColor(clMedGray);
    bar->setFont(panelfonts::panelTypeface(u"Arial", 11));
    bar->AddPanel(100, QStringLiteral("FSUIPC:"));
    bar->AddPanel(100, QStringLiteral("WideFS:"));
    bar->AddPanel(50, QStringLiteral("FS:"));
    bar->AddPanel(600, QStringLiteral("Message"));
    bar->AddPanel(100);
    bar->AddPanel(100, QStringLiteral("FS Clock:"), taCenter);
    return bar;
}

constexpr int kStatusLine = 3;

QWidget *lamps(PanelStatusBar *bar)
{
    auto *box = new QWidget;
    auto *h = new QHBoxLayout(box);
    struct Lamp {
        const char *name;
        TShapeType shape;
        TColor color;
    };
    const std::array<Lamp, 5> kLamps{{
        {"lamp, lit", stCircle, clLime},
        {"lamp, dark", stCircle, clGray},
        {"warning", stCircle, clRed},
        {"attention", stRoundRect, clOrange},
        {"marker", stRectangle, clSkyBlue},
    }};
    for (const Lamp &l : kLamps) {
        auto *cell = new QVBoxLayout;
        auto *shape = new PanelShape;
        shape->setFixedSize(l.shape == stCircle ? QSize(16, 16) : QSize(30, 14));
        shape->SetShape(l.shape);
        shape->SetBrushColor(l.color);
        const TColor lit = l.color == clGray ? clLime : l.color;
        // A click switches the lamp, as the panel's lamps show a system's state.
        QObject::connect(shape, &PanelShape::OnMouseDown, shape, [shape, bar, lit](PanelShape *) {
            shape->SetBrushColor(shape->BrushColor() == clGray ? lit : clGray);
            bar->SetPanelText(kStatusLine, shape->BrushColor() == clGray ? QStringLiteral("Lamp off.")
                                                                         : QStringLiteral("Lamp on."));
        });
        cell->addWidget(shape, 0, Qt::AlignHCenter);
        cell->addWidget(noteLabel(QString::fromLatin1(l.name)));
        h->addLayout(cell);
    }
    auto *annunciator = new PanelLabel;
    annunciator->SetCaption(QStringLiteral("LOW FUEL"));
    annunciator->SetTransparent(false);
    annunciator->SetColor(clRed);
    annunciator->SetFontColor(clWhite);
    annunciator->setAlignment(Qt::AlignCenter);
    annunciator->setFixedSize(70, 18);
    QObject::connect(annunciator, &PanelLabel::OnClick, annunciator, [annunciator](PanelLabel *) {
        annunciator->SetColor(annunciator->Color() == clRed ? clSilver : clRed);
    });
    h->addWidget(annunciator);
    h->addStretch(1);
    return box;
}

// Vertical levers run from Min at the top to Max at the bottom, as the panel
// reads them; each drives a bar gauge.
QWidget *leversAndBars()
{
    auto *box = new QWidget;
    auto *h = new QHBoxLayout(box);
    struct Bar {
        const char *name;
        int min, max, start;
        TColor color;
    };
    const std::array<Bar, 3> kBars{{
        {"0..100", 0, 100, 40, clLime},
        {"-100..0", -100, 0, -70, clRed},
        {"-20..20", -20, 20, 5, clSkyBlue},
    }};
    for (const Bar &b : kBars) {
        auto *lever = new TrackBar(Qt::Vertical);
        lever->SetMin(b.min);
        lever->SetMax(b.max);
        lever->SetPosition(b.start);
        lever->setFixedHeight(110);
        auto *bar = new BarGauge;
        bar->setFixedSize(16, 110);
        bar->SetMinValue(b.min);
        bar->SetMaxValue(b.max);
        bar->SetForeColor(b.color);
        bar->SetProgress(b.start);
        QLabel *value = noteLabel();
        const auto show = [bar, value](int position) {
            bar->SetProgress(position);
            value->setText(QStringLiteral("%1 (%2%)").arg(bar->Progress()).arg(bar->PercentDone()));
        };
        QObject::connect(lever, &TrackBar::OnChange, bar, [show](TrackBar *t) { show(t->Position()); });
        show(b.start);
        auto *column = new QGridLayout;
        column->addWidget(noteLabel(QString::fromLatin1(b.name)), 0, 0, 1, 2);
        column->addWidget(lever, 1, 0);
        column->addWidget(bar, 1, 1);
        column->addWidget(value, 2, 0, 1, 2);
        h->addLayout(column);
    }
    h->addStretch(1);
    return box;
}

QWidget *speedButtons(PanelStatusBar *bar)
{
    auto *box = new QWidget;
    auto *h = new QHBoxLayout(box);
    const auto make = [&](const QString &caption, int group, bool allowAllUp, bool down) {
        auto *b = new SpeedButton;
        b->setFixedSize(56, 24);
        b->SetCaption(caption);
        b->SetGroupIndex(group);
        b->SetAllowAllUp(allowAllUp);
        b->SetDown(down);
        // The handler reads the state the click has already set.
        QObject::connect(b, &SpeedButton::OnClick, bar, [bar](SpeedButton *s) {
            bar->SetPanelText(kStatusLine, QStringLiteral("%1 clicked, %2")
                                               .arg(s->Caption(), s->Down() ? QStringLiteral("down")
                                                                            : QStringLiteral("up")));
        });
        h->addWidget(b);
    };
    const auto caption = [&](const QString &text) {
        QLabel *l = noteLabel(text);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        h->addWidget(l);
    };
    caption(QStringLiteral("group:"));
    make(QStringLiteral("NAV1"), 1, false, true);
    make(QStringLiteral("NAV2"), 1, false, false);
    make(QStringLiteral("GPS"), 1, false, false);
    h->addSpacing(16);
    caption(QStringLiteral("toggle:"));
    make(QStringLiteral("PAUSE"), 2, true, false);
    h->addSpacing(16);
    caption(QStringLiteral("plain:"));
    make(QStringLiteral("RESET"), 0, false, false);
    h->addStretch(1);
    return box;
}

} // namespace

QWidget *makeControlsPage()
{
    auto *page = backdrop(pageColor);
    auto *v = new QVBoxLayout(page);
    PanelStatusBar *bar = statusBar();
    QGridLayout *grid = nullptr;
    v->addWidget(section(QStringLiteral("Lamps and annunciator (click to switch)"), &grid));
    grid->addWidget(lamps(bar), 0, 0);
    v->addWidget(section(QStringLiteral("Levers (Min at the top) driving bar gauges (filled from the bottom)"), &grid));
    grid->addWidget(leversAndBars(), 0, 0);
    v->addWidget(section(QStringLiteral("Speed buttons"), &grid));
    grid->addWidget(speedButtons(bar), 0, 0);
    v->addWidget(section(QStringLiteral("Status bar"), &grid));
    grid->addWidget(bar, 0, 0);
    v->addStretch(1);
    return page;
}

} // namespace gallery
