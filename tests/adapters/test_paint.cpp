// What the drawn adapters look like, against a stored picture. No text is
// drawn here, so the picture does not depend on the installed fonts.
#include "adapters/bargauge.h"
#include "adapters/panelshape.h"
#include "adapters/panelstatusbar.h"
#include "adapters/speedbutton.h"
#include "adapters/updown.h"

#include "golden.h"

#include <QPalette>
#include <gtest/gtest.h>

TEST(AdapterPainting, LampsGaugesButtonsAndStatusBar)
{
    QWidget panel;
    panel.resize(200, 110);
    QPalette pal;
    pal.setColor(QPalette::Window, toQColor(clSilver));
    panel.setPalette(pal);
    panel.setAutoFillBackground(true);

    const TShapeType kinds[] = {stRectangle, stRoundRect, stEllipse, stCircle, stSquare};
    const TColor colours[] = {clRed, clGray, clBlue, clLime, clOrange};
    for (int i = 0; i < 5; ++i) {
        auto *s = new PanelShape(&panel);
        s->setGeometry(4 + i * 24, 4, 20, 13);
        s->SetShape(kinds[i]);
        s->SetBrushColor(colours[i]);
    }
    auto *thick = new PanelShape(&panel);
    thick->setGeometry(124, 4, 16, 16);
    thick->SetShape(stCircle);
    thick->SetPenWidth(3);
    thick->SetPenColor(clBlue);

    struct G { int min, max, progress; TColor fore; };
    const G gauges[] = {{-4000, 4000, 2000, clGreen}, {-40, 40, -10, clRed},
                        {0, 13500, 13500, clBlue}, {5, 5, 5, clBlack}};
    for (int i = 0; i < 4; ++i) {
        auto *g = new BarGauge(&panel);
        g->setGeometry(4 + i * 16, 24, 12, 50);
        g->SetMaxValue(gauges[i].max);
        g->SetMinValue(gauges[i].min);
        g->SetProgress(gauges[i].progress);
        g->SetForeColor(gauges[i].fore);
    }

    auto *up = new SpeedButton(&panel);
    up->setGeometry(80, 24, 23, 22);
    auto *down = new SpeedButton(&panel);
    down->setGeometry(105, 24, 23, 22);
    down->SetGroupIndex(1);
    down->SetDown(true);
    auto *arrows = new UpDown(&panel);
    arrows->setGeometry(132, 24, 16, 24);

    auto *bar = new PanelStatusBar(&panel);
    bar->setGeometry(0, 89, 200, 21);
    bar->SetColor(clMedGray);
    for (int w : {40, 40, 20, 60})
        bar->AddPanel(w);

    EXPECT_TRUE(matchesGolden(panel.grab().toImage(), QStringLiteral("adapters_controls")));
}
