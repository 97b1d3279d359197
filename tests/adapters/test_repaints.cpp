// Controls repaint only when what they show changes: assigning a control the
// value it already shows (or one it shows the same way) paints nothing, while
// a value that looks different repaints it.
#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "knob/tknob.h"
#include "paintcounter.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

QImage needlePicture()
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(18, 4, 4, 32, Qt::red);
    return image;
}

} // namespace

TEST(Repaints, OnlyWhatShowsAChangeIsPainted)
{
    QWidget panel;
    panel.resize(400, 300);
    auto *knob = new TKnob(&panel);
    knob->setGeometry(10, 10, 42, 42);
    knob->SetParams(0, -16383, 16383);
    auto *gauge = new TAnalogGauge(&panel);
    gauge->setGeometry(130, 10, 128, 128);
    gauge->SetAntiAliased(aaBiline);
    gauge->SetScale(200);
    auto *label = new PanelLabel(&panel);
    label->setGeometry(10, 150, 80, 16);
    auto *lamp = new PanelShape(&panel);
    lamp->setGeometry(100, 150, 16, 16);
    auto *bar = new BarGauge(&panel);
    bar->setGeometry(10, 180, 100, 12);
    auto *edit = new PanelEdit(&panel);
    edit->setGeometry(10, 200, 80, 20);
    auto *image = new TRotatableImage(&panel);
    image->setGeometry(270, 10, 105, 105);
    image->SetCenter(true);
    image->SetTransparent(true);
    image->SetPicture(needlePicture());

    knob->SetPosition(1000);
    gauge->SetPosition(120);
    label->SetCaption(QStringLiteral("1200"));
    lamp->SetBrushColor(clLime);
    bar->SetProgress(40);
    edit->SetText(QStringLiteral("270"));
    image->SetRotationAngle(30);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    PaintCounter counter(&panel);
    QSignalSpy knobChanges(knob, &TKnob::OnChange);

    struct Case {
        const char *what;
        QWidget *control;
        std::function<void()> same;      // the picture stays as it is
        std::function<void()> different; // the picture changes
    };
    const Case cases[] = {
        {"knob", knob, [&] { knob->SetPosition(1000); }, [&] { knob->SetPosition(-5000); }},
        {"knob, a position on the same angle", knob, [&] { knob->SetPosition(-5001); }, [&] { knob->SetPosition(0); }},
        {"gauge", gauge, [&] { gauge->SetPosition(120); }, [&] { gauge->SetPosition(80); }},
        {"gauge, a needle that does not move", gauge, [&] { gauge->SetPosition(80.0001f); },
         [&] { gauge->SetPosition(150); }},
        {"gauge, limits it does not take", gauge,
         [&] {
             gauge->SetIndMaximum(250);
             gauge->SetIndMinimum(0);
             gauge->SetScale(1);
             gauge->SetAngle(400);
         },
         [&] { gauge->SetIndMaximum(150); }},
        {"label", label, [&] { label->SetCaption(QStringLiteral("1200")); },
         [&] { label->SetCaption(QStringLiteral("1300")); }},
        {"lamp", lamp, [&] { lamp->SetBrushColor(clLime); }, [&] { lamp->SetBrushColor(clRed); }},
        {"bar gauge", bar, [&] { bar->SetProgress(40); }, [&] { bar->SetProgress(60); }},
        {"edit", edit, [&] { edit->SetText(QStringLiteral("270")); }, [&] { edit->SetText(QStringLiteral("271")); }},
        {"rotatable image", image, [&] { image->SetRotationAngle(30); }, [&] { image->SetRotationAngle(60); }},
        {"rotatable image, a full turn more", image, [&] { image->SetRotationAngle(420); },
         [&] { image->SetRotationAngle(90); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        counter.reset();
        c.same();
        PaintCounter::flush();
        EXPECT_EQ(counter.total(), 0) << counter.painted().toStdString();
        c.different();
        PaintCounter::flush();
        EXPECT_GT(counter.count(c.control), 0) << counter.painted().toStdString();
    }
    // The knob still notifies every assignment, changed or not.
    EXPECT_EQ(knobChanges.count(), 4);
}
