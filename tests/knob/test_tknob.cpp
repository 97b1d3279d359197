// Behaviour of the knob: properties, SetParams, mouse, keys, focus, label.
#include "knobfixture.h"

#include "knob/knobscale.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>

#include <string>
#include <vector>

TEST_F(KnobFixture, ConstructorDefaults)
{
    TKnob k;
    EXPECT_EQ(k.size(), QSize(40, 40));
    EXPECT_EQ(k.Min(), 0);
    EXPECT_EQ(k.Max(), 127);
    EXPECT_EQ(k.Position(), 0);
    EXPECT_EQ(k.PageSize(), 10);
    EXPECT_EQ(k.Color(), clBtnFace);
    EXPECT_EQ(k.LineColor(), clActiveCaption);
    EXPECT_EQ(k.IndicatorType(), itLine);
    EXPECT_EQ(k.LineLength(), 3.0f);
    EXPECT_EQ(k.LineWidth(), 2.0f);
    EXPECT_TRUE(k.ShowIndicator() && k.DrawBorder() && k.ShowFocusedState() && k.RotateImage() && k.TabStop());
    EXPECT_FALSE(k.Transparent() || k.SpringLoaded());
    EXPECT_TRUE(k.KnobImage().isNull());
    EXPECT_EQ(k.PositionLabel(), nullptr);
    EXPECT_EQ(k.Angle(), 240);
    EXPECT_FLOAT_EQ(k.AngleInterval(), 300.0f / 127.0f);
}

TEST_F(KnobFixture, OnChangeFiresOnEveryAssignment)
{
    QSignalSpy spy(knob, &TKnob::OnChange);
    const struct {
        int pos, min, max;
        int expected;
    } steps[] = {
        {5, 0, 127, 5},   {5, 0, 127, 5},     // the same value again still notifies
        {500, 0, 127, 127}, {-9, 0, 127, 0}, // clamped, notified
        {1, 0, 1, 1},     {7, 7, 7, 7},       // Min = Max
        {15, 10, 0, 0},   {-3, 10, 0, 10},    // Max below Min wraps
    };
    int calls = 0;
    for (const auto &s : steps) {
        knob->SetParams(s.pos, s.min, s.max);
        EXPECT_EQ(knob->Position(), s.expected) << s.pos << " in " << s.min << ".." << s.max;
        EXPECT_EQ(spy.count(), ++calls);
    }
    knob->SetParams(0, 0, 127);
    knob->SetMin(0);
    knob->SetMax(127);
    knob->SetPosition(0);
    EXPECT_EQ(spy.count(), calls + 4);
    EXPECT_EQ(spy.last().at(0).value<TKnob *>(), knob);
}

TEST_F(KnobFixture, EmptyRangeKeepsTheIndicatorAtMin)
{
    showActive();
    knob->SetParams(7, 7, 7);
    EXPECT_EQ(knob->Angle(), 240);
    click(QPoint(35, 20));
    EXPECT_EQ(knob->Position(), 7);
    EXPECT_EQ(knob->Angle(), 240);
}

TEST_F(KnobFixture, IndicatorSizeLimitsUseTheRadiusOfTheMoment)
{
    knob->SetLineLength(50);
    EXPECT_EQ(knob->LineLength(), 11.0f); // side 40: radius 20 - 9
    knob->SetLineWidth(0.5f);
    EXPECT_EQ(knob->LineWidth(), 1.0f);
    knob->SetLineWidth(12);
    EXPECT_EQ(knob->LineWidth(), 8.0f);
    knob->SetLineWidth(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(knob->LineWidth(), 8.0f);
    knob->SetBounds(0, 0, 28, 28);
    knob->SetLineLength(8);
    EXPECT_EQ(knob->LineLength(), 5.0f);
    knob->SetLineLength(1);
    EXPECT_EQ(knob->LineLength(), 3.0f);
}

TEST_F(KnobFixture, StaysSquare)
{
    showActive();
    // Width and height assigned one after the other, as a form loads them.
    knob->SetWidth(30);
    knob->SetHeight(40);
    EXPECT_EQ(knob->size(), QSize(40, 40));
    knob->resize(20, 40);
    EXPECT_EQ(knob->size(), QSize(20, 20));
    EXPECT_EQ(knob->Diameter(), 20);
    EXPECT_EQ(knob->Radius(), 10.0f);
    knob->repaint();
    EXPECT_EQ(knob->FrameImage().size(), QSize(20, 20));
    knob->SetBounds(5, 6, 30, 40); // from 20: grows to the larger side
    EXPECT_EQ(knob->geometry(), QRect(5, 6, 40, 40));
    knob->SetBounds(5, 6, 30, 40); // from 40: shrinks to the smaller side
    EXPECT_EQ(knob->geometry(), QRect(5, 6, 30, 30));
    knob->resize(50, 10);
    EXPECT_EQ(knob->size(), QSize(50, 50));
}

TEST_F(KnobFixture, TwoPositionSwitchClicks)
{
    showActive();
    knob->SetBounds(10, 10, 28, 28);
    knob->SetIndicatorType(itCircle);
    knob->SetParams(0, 0, 1);
    EXPECT_EQ(knob->Angle(), 240);
    knob->SetPosition(1);
    EXPECT_EQ(knob->Angle(), -60);
    const struct {
        QPoint at;
        int expected;
        const char *what;
    } clicks[] = {
        {{22, 14}, 1, "right half"},  {{5, 14}, 0, "left half"},     {{20, 6}, 1, "upper right"},
        {{14, 2}, 0, "straight up rounds to the even 0"}, {{22, 14}, 1, "right half again"},
        {{14, 26}, 0, "bottom centre: dead zone, Min"},  {{18, 26}, 1, "right of the bottom: Max"},
    };
    QSignalSpy clicked(knob, &TKnob::OnClick);
    int n = 0;
    for (const auto &c : clicks) {
        click(c.at);
        EXPECT_EQ(knob->Position(), c.expected) << c.what;
        EXPECT_EQ(clicked.count(), ++n) << c.what;
        EXPECT_FALSE(knob->Dragging());
    }
}

TEST_F(KnobFixture, DragStopsAtTheEnds)
{
    showActive();
    knob->SetParams(0, 0, 10);
    QTest::mouseMove(knob, {10, 33});
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {10, 33}); // 232 degrees
    EXPECT_TRUE(knob->Dragging());
    EXPECT_TRUE(knob->hasFocus());
    const struct {
        QPoint at;
        int expected;
        const char *what;
    } moves[] = {
        {{30, 33}, 0, "at Min: does not jump across the dead zone"},
        {{5, 20}, 2, "180 degrees"},
        {{20, 2}, 5, "straight up"},
        {{35, 20}, 8, "0 degrees"},
        {{30, 33}, 10, "-52 degrees: Max"},
        {{10, 33}, 10, "at Max: does not jump back"},
    };
    for (const auto &m : moves) {
        QTest::mouseMove(knob, m.at);
        EXPECT_EQ(knob->Position(), m.expected) << m.what;
    }
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {10, 33});
    EXPECT_EQ(knob->Position(), 10);
    EXPECT_FALSE(knob->Dragging());
}

TEST_F(KnobFixture, PressInTheCornerNeitherDragsNorFocusesButClicks)
{
    showActive();
    other->setFocus();
    knob->SetParams(50, 0, 127);
    QSignalSpy down(knob, &TKnob::OnMouseDown);
    QSignalSpy changed(knob, &TKnob::OnChange);
    QSignalSpy clicked(knob, &TKnob::OnClick);
    click(QPoint(1, 1));
    EXPECT_EQ(knob->Position(), 50);
    EXPECT_FALSE(knob->hasFocus());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
    // The right button does nothing but fire its events.
    QTest::mouseClick(knob, Qt::RightButton, Qt::NoModifier, {35, 20});
    EXPECT_EQ(knob->Position(), 50);
    EXPECT_EQ(down.count(), 2);
    EXPECT_EQ(clicked.count(), 1);
}

namespace {

// Records the order in which a knob's events arrive, with the position each saw.
struct EventLog {
    std::vector<std::string> entries;
    QObject context; // ends the connections with the log
    void attach(TKnob *k)
    {
        QObject::connect(k, &TKnob::OnChange, &context, [this](TKnob *s) { add("change", s); });
        QObject::connect(k, &TKnob::OnClick, &context, [this](TKnob *s) { add("click", s); });
        QObject::connect(k, &TKnob::OnMouseDown, &context,
                         [this](TKnob *s, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { add("down", s); });
        QObject::connect(k, &TKnob::OnMouseUp, &context,
                         [this](TKnob *s, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { add("up", s); });
        QObject::connect(k, &TKnob::OnExit, &context, [this](TKnob *s) { add("exit", s); });
    }
    void add(const char *what, TKnob *s) { entries.push_back(std::string(what) + " " + std::to_string(s->Position())); }
};

} // namespace

TEST_F(KnobFixture, SpringLoadedRudderReturnsAfterOnClickSawTheDraggedPosition)
{
    showActive();
    knob->SetBounds(10, 10, 48, 48);
    knob->SetParams(0, -16383, 16383);
    knob->SetSpringLoaded(true);
    knob->SetPageSize(32);
    EventLog log;
    log.attach(knob);
    QTest::mouseMove(knob, {44, 24});
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {44, 24}); // 0 degrees: right
    const int dragged = knob->Position();
    EXPECT_GT(dragged, 9000);
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {44, 24});
    EXPECT_EQ(knob->Position(), 0);
    const std::string d = std::to_string(dragged);
    const std::vector<std::string> expected = {"change " + d, "down " + d, "click " + d, "change 0", "up 0"};
    EXPECT_EQ(log.entries, expected);
}

TEST_F(KnobFixture, AClickHandlerThatPlacesTheKnobHasTheLastWord)
{
    showActive();
    knob->SetParams(50, 0, 127);
    QObject context;
    // The panel's cancel click: the pointer goes back to where it was.
    QObject::connect(knob, &TKnob::OnClick, &context, [](TKnob *k) { k->SetPosition(50); });
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {4, 24});
    EXPECT_NE(knob->Position(), 50);
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {4, 24});
    EXPECT_EQ(knob->Position(), 50);
    // A click handler that leaves the knob alone keeps the click's place.
    QObject::disconnect(knob, &TKnob::OnClick, &context, nullptr);
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {4, 24});
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {4, 24});
    EXPECT_NE(knob->Position(), 50);
}

TEST_F(KnobFixture, SpringLoadedRudderReturnsWhenTheFocusMovesAway)
{
    showActive();
    knob->SetBounds(10, 10, 48, 48);
    knob->SetParams(0, -16383, 16383);
    knob->SetSpringLoaded(true);
    QTest::mouseMove(knob, {4, 24});
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {4, 24}); // 180 degrees: left
    EXPECT_LT(knob->Position(), -9000);
    EventLog log;
    log.attach(knob);
    other->setFocus();
    EXPECT_FALSE(knob->Dragging());
    EXPECT_EQ(knob->Position(), 0);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"change 0", "exit 0"}));
    // Keys move it while focused; leaving returns it again.
    knob->setFocus();
    QTest::keyClick(knob, Qt::Key_Right);
    EXPECT_EQ(knob->Position(), 1);
    other->setFocus();
    EXPECT_EQ(knob->Position(), 0);
}

TEST_F(KnobFixture, SettingSpringLoadedReturnsToZeroAtOnce)
{
    knob->SetParams(40, -100, 100);
    knob->SetSpringLoaded(true);
    EXPECT_EQ(knob->Position(), 0);
}

TEST_F(KnobFixture, Keys)
{
    showActive();
    knob->setFocus();
    knob->SetParams(0, 0, 127);
    QSignalSpy changed(knob, &TKnob::OnChange);
    std::vector<int> seenAtKeyDown;
    QObject context;
    QObject::connect(knob, &TKnob::OnKeyDown, &context, [&](TKnob *k, int, Qt::KeyboardModifiers) { seenAtKeyDown.push_back(k->Position()); });
    const struct {
        Qt::Key key;
        int expected;
    } keys[] = {
        {Qt::Key_Up, 1},       {Qt::Key_Right, 2}, {Qt::Key_PageUp, 12}, {Qt::Key_Down, 11},
        {Qt::Key_Left, 10},    {Qt::Key_PageDown, 0}, {Qt::Key_PageDown, 0}, {Qt::Key_Left, 0},
        {Qt::Key_End, 127},    {Qt::Key_Up, 127},  {Qt::Key_Home, 0},
    };
    int before = 0;
    size_t n = 0;
    for (const auto &k : keys) {
        QTest::keyClick(knob, k.key);
        EXPECT_EQ(knob->Position(), k.expected) << k.key;
        ASSERT_EQ(seenAtKeyDown.size(), ++n);
        EXPECT_EQ(seenAtKeyDown.back(), before) << "OnKeyDown fires before the step";
        before = k.expected;
    }
    EXPECT_EQ(changed.count(), int(n));
    QTest::keyClick(knob, Qt::Key_A); // other keys leave the position alone
    EXPECT_EQ(changed.count(), int(n));
}

TEST_F(KnobFixture, KeysNearTheIntLimitsDoNotOverflow)
{
    knob->SetParams(std::numeric_limits<int>::max() - 3, 0, std::numeric_limits<int>::max());
    showActive();
    knob->setFocus();
    QTest::keyClick(knob, Qt::Key_PageUp);
    EXPECT_EQ(knob->Position(), std::numeric_limits<int>::max());
}

TEST_F(KnobFixture, NotATabStopStillTakesTheFocusOnAClickInside)
{
    showActive();
    knob->SetTabStop(false);
    EXPECT_EQ(knob->focusPolicy(), Qt::NoFocus);
    other->setFocus();
    click(QPoint(30, 20));
    EXPECT_TRUE(knob->hasFocus());
}

TEST_F(KnobFixture, DoubleClickClicksOnce)
{
    showActive();
    knob->SetParams(0, 0, 1);
    QSignalSpy clicked(knob, &TKnob::OnClick);
    // The window system sends press, release, double-click press, release.
    click(QPoint(35, 20));
    QTest::mouseDClick(knob, Qt::LeftButton, Qt::NoModifier, {35, 20});
    EXPECT_TRUE(knob->Dragging());
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {35, 20});
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(knob->Position(), 1);
}

TEST_F(KnobFixture, StateRingFollowsFocusEnabledAndDragging)
{
    showActive();
    knob->SetBounds(10, 10, 42, 42);
    knob->SetColor(clGray);
    knob->SetLineColor(clBlack);
    other->setFocus();
    knob->RedrawKnob();
    // (21, 1) lies on the ring of radius 20 and takes its colour undiluted.
    EXPECT_EQ(framePixel(21, 1), RGBColor(63, 63, 63));
    knob->setFocus();
    EXPECT_EQ(framePixel(21, 1), clBlack);
    knob->SetShowFocusedState(false);
    knob->RedrawKnob();
    EXPECT_EQ(framePixel(21, 1), RGBColor(63, 63, 63));
    QTest::mouseMove(knob, {30, 21});
    QTest::mousePress(knob, Qt::LeftButton, Qt::NoModifier, {30, 21});
    EXPECT_EQ(framePixel(21, 1), clBlack) << "black while dragging";
    QTest::mouseRelease(knob, Qt::LeftButton, Qt::NoModifier, {30, 21});
    EXPECT_EQ(framePixel(21, 1), RGBColor(63, 63, 63));
    knob->setEnabled(false);
    EXPECT_EQ(framePixel(21, 1), RGBColor(128, 128, 128));
}

TEST_F(KnobFixture, PositionLabel)
{
    showActive();
    auto *label = new QLabel(host.get());
    knob->SetCaption("Deg.");
    knob->SetParams(45, -179, 180);
    knob->SetPositionLabel(label);
    EXPECT_EQ(label->text(), "45 Deg.");
    knob->SetPosition(-7);
    EXPECT_EQ(label->text(), "-7 Deg.");
    knob->SetCaption("Feet");
    EXPECT_EQ(label->text(), "-7 Feet");
    // Hovering shows the position under the pointer; leaving shows Position again.
    QTest::mouseMove(knob, {20, 2});
    EXPECT_EQ(label->text(), QString::number(knob->CalcPosition(90)) + " Feet");
    EXPECT_EQ(knob->Position(), -7);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(knob, &leave);
    EXPECT_EQ(label->text(), "-7 Feet");
    knob->hide();
    EXPECT_TRUE(label->isHidden());
    knob->show();
    EXPECT_FALSE(label->isHidden());
    knob->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    knob->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
    delete label;
    EXPECT_EQ(knob->PositionLabel(), nullptr);
    knob->SetPosition(3); // must not touch the destroyed label
    EXPECT_EQ(knob->Position(), 3);
}

namespace {

class StripedParent : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (int y = 0; y < height(); y += 4)
            p.fillRect(0, y, width(), 2, QColor(200, 30, 40));
    }
};

} // namespace

TEST_F(KnobFixture, CornersShowTheParentUnderTheKnob)
{
    showActive();
    knob->RedrawKnob();
    EXPECT_EQ(framePixel(0, 0), RGBColor(212, 208, 200));
    EXPECT_EQ(framePixel(39, 39), RGBColor(212, 208, 200));

    // The parent's own painting, not just its colour, at the knob's offset.
    auto *striped = new StripedParent(host.get());
    striped->setGeometry(0, 60, 100, 70);
    auto *k = new TKnob(striped);
    k->SetBounds(10, 9, 40, 40); // parent rows 8, 9, 12, 13, ... are striped
    striped->show();
    k->RedrawKnob();
    const auto at = [k](int x, int y) {
        const uchar *p = k->FrameImage().constScanLine(y) + 3 * x;
        return RGBColor(p[0], p[1], p[2]);
    };
    EXPECT_EQ(at(0, 0), RGBColor(200, 30, 40));
    EXPECT_EQ(at(0, 1), RGBColor(212, 208, 200));
    EXPECT_EQ(at(0, 3), RGBColor(200, 30, 40));
    k->SetPosition(60); // the stored background is reused
    EXPECT_EQ(at(0, 3), RGBColor(200, 30, 40));

    // A palette change of the parent reaches the corners.
    QPalette pal = host->palette();
    pal.setColor(QPalette::Window, QColor(10, 200, 30));
    host->setPalette(pal);
    knob->SetPosition(5);
    EXPECT_EQ(framePixel(0, 0), RGBColor(10, 200, 30));
}

TEST_F(KnobFixture, WidgetPaintShowsTheFrame)
{
    showActive();
    knob->SetColor(clGray);
    knob->SetPosition(64);
    const QImage shown = knob->grab().toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(shown, knob->FrameImage());
}

// Every knob configuration of the panel: range, indicator and its sizes, end angles.
TEST_F(KnobFixture, PanelConfigurations)
{
    showActive();
    const struct {
        const char *name;
        int side, min, max;
        TIndicatorType type;
        float length, width;
        bool spring;
        const char *caption;
    } configs[] = {
        {"knbBeacon", 28, 0, 1, itCircle, 3, 2, false, ""},
        {"knbFP1", 24, 0, 1, itCircle, 3, 2, false, ""},
        {"knbPark", 30, 0, 1, itCircle, 3, 2, false, ""},
        {"knbAutoPilotMaster", 34, 0, 1, itCircle, 3, 2, false, ""},
        {"knbHydPumps", 18, 0, 1, itCircle, 3, 1, false, ""},
        {"knbSpoiler", 28, 0, 2, itCircle, 3, 2, false, ""},
        {"knbAPU", 30, 0, 2, itCircle, 4, 4, false, ""},
        {"knbTransOn", 22, 0, 3, itCircle, 3, 2, false, ""},
        {"knbEngSelG", 40, 0, 4, itCircle, 5, 5, false, ""},
        {"knbEngSel", 40, 1, 4, itCircle, 5, 5, false, "Engine"},
        {"knbMag", 30, 0, 4, itLine, 5, 2, false, ""},
        {"knbMasterFuel", 31, 0, 20, itLine, 6, 2, false, ""},
        {"knbT1", 22, 0, 7, itLine, 3, 2, false, ""},
        {"knbFlaps", 28, 0, 8, itLine, 5, 2, false, ""},
        {"knbCowlFlaps", 40, 0, 10, itLine, 8, 2, false, ""},
        {"knbKollsman", 24, 870, 1087, itLine, 3, 2, false, ""},
        {"knbTrim", 28, -2100, 2100, itLine, 5, 2, false, ""},
        {"knbATrim", 28, -100, 100, itLine, 5, 2, false, ""},
        {"knbHeadBug", 42, -179, 180, itLine, 8, 2, false, "Deg."},
        {"knbNavCrs2", 32, -179, 180, itLine, 6, 2, false, "Deg."},
        {"knbVertSpd", 32, -40, 40, itLine, 6, 2, false, "Deg."},
        {"knbAltSet", 42, 0, 750, itLine, 8, 2, false, "Feet"},
        {"knbMHz1", 42, 118, 136, itLine, 8, 2, false, ""},
        {"knbKHz1", 36, 0, 975, itLine, 6, 2, false, ""},
        {"knbADF", 26, 0, 99, itLine, 4, 2, false, ""},
        {"knbADF2", 26, 1, 17, itLine, 4, 2, false, ""},
        {"knbRudder", 48, -16383, 16383, itLine, 4, 8, true, ""},
    };
    for (const auto &c : configs) {
        SCOPED_TRACE(c.name);
        auto *k = new TKnob(host.get());
        auto *label = new QLabel(host.get());
        k->SetBounds(0, 60, c.side, c.side);
        k->SetColor(clGray);
        k->SetLineColor(clBlack);
        k->SetIndicatorType(c.type);
        k->SetLineLength(c.length);
        k->SetLineWidth(c.width);
        k->SetParams(c.min, c.min, c.max);
        k->SetCaption(c.caption);
        k->SetPositionLabel(label);
        k->SetSpringLoaded(c.spring);
        k->show();
        EXPECT_EQ(k->size(), QSize(c.side, c.side));
        EXPECT_EQ(k->LineLength(), c.length);
        EXPECT_EQ(k->LineWidth(), c.width);
        const int rest = c.spring ? 0 : c.min;
        EXPECT_EQ(k->Position(), rest);
        EXPECT_EQ(k->Angle(), knobscale::calcAngle(rest, c.min, k->AngleInterval()));
        const QImage atRest = k->FrameImage().copy();
        k->SetPosition(c.max);
        EXPECT_EQ(k->Angle(), -60);
        EXPECT_NE(k->FrameImage(), atRest) << "the indicator moved";
        EXPECT_EQ(label->text(), QString::number(c.max) + " " + c.caption);
        k->SetPosition(c.max + 1);
        EXPECT_EQ(k->Position(), c.max);
        delete k;
        delete label;
    }
}
