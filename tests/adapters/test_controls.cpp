// Radio group, bar gauge, up-down, file list, status bar and shape: the
// state and events the panel's readers and handlers rely on.
#include "adapters/bargauge.h"
#include "adapters/filelist.h"
#include "adapters/panelshape.h"
#include "adapters/panelstatusbar.h"
#include "adapters/radiogroup.h"
#include "adapters/updown.h"
#include "paintcounter.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// ---- RadioGroup ------------------------------------------------------------

class RadioGroupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        group.resize(120, 80);
        group.SetItems({"Fx", "Cn", "Au"});
        QObject::connect(&group, &RadioGroup::OnClick, [this](RadioGroup *sender) {
            EXPECT_EQ(sender, &group);
            seen.append(sender->ItemIndex()); // the handler sees the new index
        });
        group.show();
    }
    RadioGroup group;
    QList<int> seen;
};

TEST_F(RadioGroupTest, CodeSettingAnItemFiresEveryTimeButClearingDoesNot)
{
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(1);
    group.SetItemIndex(1); // same item again: the handler runs again
    group.SetItemIndex(7); // past the end: the last item
    group.SetItemIndex(-1);
    group.SetItemIndex(-5);
    EXPECT_EQ(seen, QList<int>({1, 1, 2}));
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group.Button(i)->isChecked()) << i;
}

TEST_F(RadioGroupTest, AUserClickFiresOnlyWhenTheSelectionChanges)
{
    group.SetItemIndex(0);
    seen.clear();
    QRadioButton *au = group.Button(2);
    const QPoint onIndicator(6, au->height() / 2); // a radio button reacts on its circle and text
    QTest::mouseClick(au, Qt::LeftButton, {}, onIndicator);
    EXPECT_EQ(group.ItemIndex(), 2);
    QTest::mouseClick(au, Qt::LeftButton, {}, onIndicator);
    EXPECT_EQ(seen, QList<int>({2}));
    EXPECT_FALSE(group.Button(0)->isChecked());
}

// ---- BarGauge --------------------------------------------------------------

TEST(BarGauge, ProgressIsClampedWhenSetAndWhenTheRangeMoves)
{
    BarGauge g;
    // Altitude gauge: 0 .. ceiling from the edit field.
    g.SetMaxValue(13500);
    g.SetProgress(20000);
    EXPECT_EQ(g.Progress(), 13500);
    EXPECT_EQ(g.PercentDone(), 100);
    g.SetMaxValue(10000); // a lower ceiling pulls the bar down with it
    EXPECT_EQ(g.Progress(), 10000);
    g.SetMaxValue(0);     // ceiling 0: empty range, no division
    EXPECT_EQ(g.Progress(), 0);
    EXPECT_EQ(g.PercentDone(), 0);
    g.SetMaxValue(-10);   // would cross MinValue: refused
    EXPECT_EQ(g.MaxValue(), 0);

    // Vertical speed: a negative range.
    BarGauge vs;
    vs.SetMaxValue(4000);
    vs.SetMinValue(-4000);
    vs.SetProgress(-6000);
    EXPECT_EQ(vs.Progress(), -4000);
    vs.SetMinValue(0); // the floor rises over the progress
    EXPECT_EQ(vs.Progress(), 0);
    vs.SetMinValue(5000); // above MaxValue: refused
    EXPECT_EQ(vs.MinValue(), 0);
}

// ---- UpDown ----------------------------------------------------------------

class UpDownTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        edit.setText("1");
        upDown.SetMin(0);
        upDown.SetMax(32);
        upDown.SetPosition(1);
        upDown.SetAssociate(&edit);
        upDown.resize(16, 22);
        QObject::connect(&upDown, &UpDown::OnChangingEx,
                         [this](UpDown *sender, bool &allow, int newValue, TUpDownDirection dir) {
                             EXPECT_EQ(sender, &upDown);
                             events.append({newValue, dir});
                             allow = allowChange;
                         });
    }
    QLineEdit edit;
    UpDown upDown;
    QList<std::pair<int, TUpDownDirection>> events;
    bool allowChange = true;
};

TEST_F(UpDownTest, AnAllowedClickStepsAndWritesTheEdit)
{
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    QTest::mousePress(&upDown, Qt::LeftButton, {}, QPoint(8, 3)); // upper arrow
    EXPECT_EQ(upDown.Position(), 2);
    EXPECT_EQ(edit.text(), "2");
    QTest::mouseRelease(&upDown, Qt::LeftButton, {}, QPoint(8, 3));
    upDown.clickArrow(false);
    upDown.clickArrow(false);
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(events, (QList<std::pair<int, TUpDownDirection>>{{2, updUp}, {1, updDown}, {0, updDown}}));
}

TEST_F(UpDownTest, ADeniedClickOrALimitChangesNothing)
{
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    allowChange = false;
    upDown.clickArrow(true);
    EXPECT_EQ(upDown.Position(), 1);
    EXPECT_EQ(events.size(), 1);

    allowChange = true;
    upDown.SetPosition(99); // clamped, written, no event
    EXPECT_EQ(edit.text(), "32");
    upDown.clickArrow(true); // at Max: no event, no write
    upDown.SetPosition(-4);
    EXPECT_EQ(edit.text(), "0");
    upDown.clickArrow(false); // at Min
    EXPECT_EQ(events.size(), 1);
    EXPECT_EQ(changes.count(), 2); // only the two SetPosition writes
}

TEST_F(UpDownTest, ATypedNumberIsThePositionTheArrowsStepFrom)
{
    edit.setText("7");
    EXPECT_EQ(upDown.Position(), 7);
    upDown.clickArrow(true);
    EXPECT_EQ(edit.text(), "8");
    edit.setText("abc"); // not a number: the last position stands
    EXPECT_EQ(upDown.Position(), 8);
    edit.setText("40");  // out of range: likewise
    EXPECT_EQ(upDown.Position(), 8);
    QTest::keyClick(&edit, Qt::Key_Down); // arrow keys in the edit step too
    EXPECT_EQ(edit.text(), "7");
    upDown.SetArrowKeys(false);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "7");
}

TEST_F(UpDownTest, AVetoedClickStillTakesTheTypedNumberAsThePosition)
{
    edit.setText("7");
    allowChange = false;
    upDown.clickArrow(true);
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0], std::make_pair(8, updUp)); // offered one step from the typed number
    EXPECT_EQ(edit.text(), "7");
    edit.setText("abc"); // the typed number is what stands now, not the old 1
    EXPECT_EQ(upDown.Position(), 7);
}

TEST_F(UpDownTest, AReversedRangeSwapsTheArrowsAndKeepsItsLimits)
{
    upDown.SetMin(10);
    upDown.SetMax(0);
    upDown.SetPosition(20); // clamped into 0..10
    EXPECT_EQ(edit.text(), "10");
    upDown.clickArrow(false); // at Min already: down goes nowhere
    EXPECT_TRUE(events.isEmpty());
    upDown.clickArrow(true); // up runs toward Max, so the number falls
    EXPECT_EQ(edit.text(), "9");
    edit.setText("3"); // typed within the range
    EXPECT_EQ(upDown.Position(), 3);
    edit.setText("11"); // beyond Min: the last position stands
    EXPECT_EQ(upDown.Position(), 9);
    upDown.SetPosition(0);
    upDown.clickArrow(true); // at Max
    upDown.clickArrow(false);
    EXPECT_EQ(edit.text(), "1");
    EXPECT_EQ(events, (QList<std::pair<int, TUpDownDirection>>{{9, updUp}, {1, updDown}}));
}

// ---- FileList --------------------------------------------------------------

TEST(FileList, ListsMatchingFilesSortedAndEchoesTheSelection)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char *name : {"b.JPG", "a.jpg", "C.bmp", "notes.txt", ".hidden.jpg"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));

    QLineEdit echo;
    echo.setText("*.jpg;*.bmp");
    FileList list;
    list.SetMask("*.jpg;*.bmp");
    list.SetFileEdit(&echo);
    list.SetDirectory(dir.path());
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(0), "a.jpg");
    EXPECT_EQ(list.Item(1), "b.JPG");
    EXPECT_EQ(list.Item(2), "C.bmp");
    EXPECT_EQ(list.Item(3), QString());
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(echo.text(), "*.jpg;*.bmp");

    list.SetItemIndex(1);
    EXPECT_EQ(echo.text(), "b.JPG");
    EXPECT_EQ(list.FileName(), QDir(dir.path()).filePath("b.JPG"));
    list.SetMask("*.bmp"); // reading again clears the selection
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(echo.text(), "*.bmp");
    list.SetItemIndex(5);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.FileName(), QString());

    list.SetDirectory(dir.filePath("missing"));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Directory(), dir.filePath("missing"));
}

// ---- PanelStatusBar --------------------------------------------------------

TEST(PanelStatusBar, TextsOfFixedPanelsAndOutOfRangeIgnored)
{
    PanelStatusBar bar;
    bar.resize(1161, 21);
    for (int w : {100, 100, 50, 600, 100})
        bar.AddPanel(w, "x");
    EXPECT_EQ(bar.AddPanel(100, "FS Clock:", taCenter), 5);
    EXPECT_EQ(bar.PanelRect(3), QRect(250, 0, 600, 21));
    bar.SetPanelText(3, "Connected");
    bar.SetPanelText(6, "lost"); // out of range: ignored
    bar.SetPanelText(-1, "lost");
    EXPECT_EQ(bar.PanelText(3), "Connected");
    EXPECT_EQ(bar.PanelText(5), "FS Clock:");
    EXPECT_EQ(bar.PanelText(6), QString());
    EXPECT_EQ(bar.PanelCount(), 6);
}

TEST(PanelStatusBar, RepaintingOnePanelGivesTheWholeBarsPicture)
{
    PanelStatusBar bar;
    bar.resize(400, 21);
    for (int w : {100, 60, 140})
        bar.AddPanel(w, "Scanning.");
    bar.AddPanel(100, "FS Clock: 09:05:00", taCenter);
    const auto picture = [&](const QRect &area, QImage image) {
        QPainter painter(&image);
        bar.paintBar(painter, area);
        return image;
    };
    QImage blank(bar.size(), QImage::Format_RGB32);
    blank.fill(Qt::magenta);
    const QImage before = picture({}, blank);
    for (int panel = 0; panel < bar.PanelCount(); ++panel) {
        SCOPED_TRACE(panel);
        bar.SetPanelText(panel, "Paused. A text longer than the panel");
        const QImage whole = picture({}, blank);
        EXPECT_NE(whole, before);
        EXPECT_EQ(picture(bar.PanelRect(panel), before), whole);
        bar.SetPanelText(panel, "Scanning.");
    }
}

TEST(PanelStatusBar, TextsChangedInABurstArePaintedOnceAMomentLater)
{
    QWidget window;
    window.resize(400, 21);
    auto *bar = new PanelStatusBar(&window);
    bar->resize(400, 21);
    for (int w : {100, 100, 100})
        bar->AddPanel(w, "Scanning.");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter paints(&window);
    paints.reset();

    bar->SetPanelText(1, "Scanning..");
    bar->SetPanelText(1, "Scanning...");
    bar->SetPanelText(2, "FS Clock: 09:05:00");
    PaintCounter::flush();
    EXPECT_EQ(paints.total(), 0); // not yet: more may follow
    ASSERT_TRUE(QTest::qWaitFor([&] { return paints.total() > 0; }, 2000));
    EXPECT_EQ(paints.count(bar), 1) << paints.painted().toStdString();
    EXPECT_EQ(paints.total(), 1); // the window under the opaque bar is not painted
    EXPECT_EQ(bar->PanelText(1), "Scanning...");
}

// ---- PanelShape ------------------------------------------------------------

TEST(PanelShape, PressesAreReportedWithButtonAndPlace)
{
    PanelShape lamp;
    lamp.resize(12, 12);
    QSignalSpy spy(&lamp, &PanelShape::OnMouseDown);
    QTest::mousePress(&lamp, Qt::RightButton, {}, QPoint(3, 4));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].value<PanelShape *>(), &lamp);
    EXPECT_EQ(spy[0][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(QPoint(spy[0][3].toInt(), spy[0][4].toInt()), QPoint(3, 4));
}
