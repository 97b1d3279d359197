// The panel's layout from the inventory: every named control with its kind,
// the fixed places, captions and hints of the groups, the bottom row and the
// status bar, the tab order and the start states; and that controls stay
// inside their parents and do not overlap where nothing says they may.
#include "adapters/panelstatusbar.h"
#include "inventory.h"
#include "uACMainForm.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSet>

#include <algorithm>
#include <gtest/gtest.h>

#include <map>

namespace {

struct Entry {
    QString kind;
    QRect place;
    bool visible = false;
    bool enabled = false;
    QString text;
    QString hint;
};

std::map<QString, Entry> inventoryOf(const TfrmACMain &w)
{
    std::map<QString, Entry> out;
    for (const QString &l : inventoryLines(w)) {
        const QStringList f = l.split(QLatin1Char('\t'));
        if (f.size() != 10)
            continue;
        out[f[0]] = {f[1], QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()), f[6] == QLatin1String("1"),
                     f[7] == QLatin1String("1"), f[8], f[9]};
    }
    return out;
}

struct Kind {
    const char *name;
    const char *kind;
};
const Kind kControls[] = {
#include "controlkinds.inc"
};

class LayoutTest : public ::testing::Test {
protected:
    TfrmACMain w;
    std::map<QString, Entry> inv = inventoryOf(w);
};

} // namespace

TEST_F(LayoutTest, EveryNamedControlExistsWithItsKind)
{
    for (const Kind &k : kControls) {
        auto it = inv.find(QString::fromLatin1(k.name));
        ASSERT_NE(it, inv.end()) << k.name;
        EXPECT_EQ(it->second.kind, QString::fromLatin1(k.kind)) << k.name;
    }
}

TEST_F(LayoutTest, GroupsSitAtTheirFixedPlacesWithCaptionsAndHints)
{
    struct Group {
        const char *name, *caption, *hint;
        QRect place;
    } groups[] = {
        {"gbAircraft", "Aircraft", "Aircraft/Flight Information and Configuration Panel", {2, 0, 762, 84}},
        {"gbFlight", "Avionics", "Avionics Information Panel", {2, 84, 762, 189}},
        {"gbControls", "Controls", "Control Panel", {2, 274, 475, 72}},
        {"gbFuel", "Fuel - 0000", "Fuel Panel - Total Fuel Amount in Pounds", {2, 347, 475, 72}},
        {"gbVOR1", "VOR1", "VOR 1 Panel", {480, 274, 141, 145}},
        {"gbVOR2", "VOR2", "VOR 2 Panel", {624, 274, 140, 145}},
        {"gbAPU", "APU", "APU Information/Control Panel. Double Click to Close.", {480, 275, 285, 145}},
        {"gbElectric", "Electrical", "Electrical Panel.", {2, 420, 762, 72}},
        {"gbEngines", "Engines", "Engine Information and Control Panel.", {2, 492, 762, 269}},
        {"gbAvionics", "Radios", "Radios, Localizer and Transponder Panel", {767, 0, 386, 420}},
        {"gbADF", "ADF", "ADF Panel", {765, 420, 137, 224}},
        {"gbAP", "Navigation/AP", "Navigation/AutoPilot Instrument", {903, 420, 251, 311}},
        {"pnlAddEng", "", "Additional Engine Control", {766, 648, 137, 84}},
    };
    for (const Group &g : groups) {
        const Entry &e = inv.at(QString::fromLatin1(g.name));
        EXPECT_EQ(e.place, g.place) << g.name;
        EXPECT_EQ(e.text, QString::fromLatin1(g.caption)) << g.name;
        EXPECT_EQ(e.hint, QString::fromLatin1(g.hint)) << g.name;
    }
    // The picture panels of the viewer, inside the engines group.
    const QPoint engines = inv.at(QStringLiteral("gbEngines")).place.topLeft();
    const int lefts[] = {190, 380, 570};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(inv.at(QStringLiteral("pnlImage%1").arg(i + 1)).place, QRect(engines + QPoint(lefts[i], 12), QSize(189, 121)));
}

TEST_F(LayoutTest, BottomRowAndStatusBar)
{
    struct Button {
        const char *name, *caption, *hint;
        int left, width;
        bool enabled;
    } buttons[] = {
        {"bbtnPause", "&Pause", "Left Click to Pause Value Read Process, Click again to Restart.", 767, 75, true},
        {"bbtnRefresh", "&Refresh", "Left Click Here when a new plane is loaded.", 844, 75, true},
        {"bbtnSettings", "&Settings", "Veltrano Settings Page", 921, 75, false},
        {"bbtnAbout", "&About", "Veltrano About Box", 999, 72, true},
        {"bbtnClose", "&Close", "Close Veltrano", 1088, 69, true},
    };
    for (const Button &b : buttons) {
        const Entry &e = inv.at(QString::fromLatin1(b.name));
        EXPECT_EQ(e.place, QRect(b.left, 734, b.width, 28)) << b.name;
        EXPECT_EQ(e.text, QString::fromLatin1(b.caption)) << b.name;
        EXPECT_EQ(e.hint, QString::fromLatin1(b.hint)) << b.name;
        EXPECT_EQ(e.enabled, b.enabled) << b.name;
        EXPECT_TRUE(e.visible) << b.name;
    }
    const Entry &bar = inv.at(QStringLiteral("simver1"));
    EXPECT_EQ(bar.place, QRect(0, 762, 1161, 21));
    EXPECT_EQ(bar.text, QStringLiteral("FSUIPC: | WideFS: | FS: | Message |  | FS Clock:"));
    const int widths[] = {100, 100, 50, 600, 100, 100};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w.simver1->PanelWidth(i), widths[i]);
}

TEST_F(LayoutTest, TimersStartStopped)
{
    const std::pair<const char *, int> timers[] = {{"TimerUpdateTime", 1000}, {"TimerOpen", 2000},
                                                   {"tmEngineCycle", 5000},   {"TimerImage1", 10000},
                                                   {"TimerAPU", 500},         {"TimerAutoMix", 2500},
                                                   {"TimerExitEdit", 2000}};
    for (const auto &[name, interval] : timers) {
        const Entry &e = inv.at(QString::fromLatin1(name));
        EXPECT_FALSE(e.enabled) << name;
        EXPECT_EQ(e.text.toInt(), interval) << name;
    }
}

TEST_F(LayoutTest, TabOrderOfTheWindowsChildren)
{
    const QStringList order{"bbtnRefresh", "bbtnPause", "bbtnClose", "gbAircraft", "gbFlight",  "gbControls",
                            "gbFuel",      "gbElectric", "gbEngines", "pnlAddEng",  "gbAvionics", "gbAP",
                            "gbADF",       "gbVOR2",     "gbVOR1",    "bbtnAbout",  "bbtnSettings", "gbAPU"};
    auto isStop = [](QWidget *x) { return (x->focusPolicy() & Qt::TabFocus) != 0; };
    auto childOfWindow = [this](QWidget *x) {
        while (x && x->parentWidget() != &w)
            x = x->parentWidget();
        return x;
    };
    // The window's children that hold tab stops, in the order Tab reaches them.
    QStringList expected;
    for (const QString &name : order) {
        auto *child = w.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
        ASSERT_NE(child, nullptr) << name.toStdString();
        const QList<QWidget *> inside = child->findChildren<QWidget *>();
        if (isStop(child) || std::any_of(inside.begin(), inside.end(), isStop))
            expected << name;
    }
    QStringList seen;
    QWidget *start = w.bbtnRefresh;
    QWidget *at = start;
    do {
        QWidget *owner = childOfWindow(at);
        if (isStop(at) && owner && order.contains(owner->objectName()) && !seen.contains(owner->objectName()))
            seen << owner->objectName();
        at = at->nextInFocusChain();
    } while (at && at != start);
    EXPECT_EQ(seen, expected);
    EXPECT_GE(expected.size(), 14); // nearly every group has controls to reach
}

TEST_F(LayoutTest, ControlsStayInsideTheirParentsAndApart)
{
    // Places where one control lies over another on purpose.
    const QSet<QString> mayOverlap{
        "gbAPU|gbVOR1", "gbAPU|gbVOR2", "pnlEngine2|pnlImage1", "pnlEngine3|pnlImage2", "pnlEngine4|pnlImage3",
        "lPressDot|lkollsmanval", "shpGS|shpLoc", // the needles cross in the localiser indicator
    };
    const QList<QWidget *> all = w.findChildren<QWidget *>();
    for (QWidget *c : all) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) || !c->isVisibleTo(&w))
            continue;
        QWidget *parent = c->parentWidget();
        if (parent != &w && !parent->objectName().isEmpty()) {
            EXPECT_TRUE(parent->rect().contains(c->geometry()))
                << c->objectName().toStdString() << " leaves " << parent->objectName().toStdString();
        }
        for (QWidget *d : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (d <= c || d->objectName().isEmpty() || !d->isVisibleTo(&w))
                continue;
            // Rotating pictures are stacked on purpose: they are the instruments.
            if (QByteArray(c->metaObject()->className()) == "TRotatableImage" ||
                QByteArray(d->metaObject()->className()) == "TRotatableImage")
                continue;
            QStringList pair{c->objectName(), d->objectName()};
            pair.sort();
            if (mayOverlap.contains(pair.join(QLatin1Char('|'))))
                continue;
            EXPECT_FALSE(c->geometry().intersects(d->geometry()))
                << pair.join(QLatin1String(" overlaps ")).toStdString();
        }
    }
}
