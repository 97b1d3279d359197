#pragma once
// A shown, active host window with one knob and one other focusable control.
#include "knob/tknob.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class KnobFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(220, 140);
        QPalette pal = host->palette();
        pal.setColor(QPalette::Window, QColor(212, 208, 200));
        host->setPalette(pal);
        knob = new TKnob(host.get());
        knob->SetBounds(10, 10, 40, 40);
        other = new QLineEdit(host.get());
        other->setGeometry(120, 10, 80, 24);
    }
    void TearDown() override { host.reset(); }

    void showActive()
    {
        host->show();
        QApplication::setActiveWindow(host.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(host.get()));
    }

    // A real pointer reaches the press point before pressing.
    void click(QPoint p)
    {
        QTest::mouseMove(knob, p);
        QTest::mouseClick(knob, Qt::LeftButton, Qt::NoModifier, p);
    }

    // Colour of a pixel of the knob's last picture.
    TColor framePixel(int x, int y) const
    {
        const uchar *p = knob->FrameImage().constScanLine(y) + 3 * x;
        return RGBColor(p[0], p[1], p[2]);
    }

    std::unique_ptr<QWidget> host;
    TKnob *knob = nullptr;
    QLineEdit *other = nullptr;
};
