// Speed buttons: group exclusivity and the down state changing before OnClick.
#include "adapters/speedbutton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

SpeedButton *makeButton(QWidget *parent, int group, int x)
{
    auto *b = new SpeedButton(parent);
    b->setGeometry(x, 0, 20, 20);
    b->SetGroupIndex(group);
    return b;
}

void click(SpeedButton *b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
}

} // namespace

class SpeedButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        com1 = makeButton(&panel, 1, 0);
        com2 = makeButton(&panel, 1, 20);
        both = makeButton(&panel, 1, 40);
        toggle = makeButton(&panel, 2, 60);
        toggle->SetAllowAllUp(true);
        plain = makeButton(&panel, 0, 80);
        elsewhere = makeButton(&other, 1, 0); // same index, other parent
        for (SpeedButton *b : {com1, com2, both, toggle, plain, elsewhere})
            QObject::connect(b, &SpeedButton::OnClick, [this](SpeedButton *sender) {
                clicks.append({sender, sender->Down()});
            });
    }
    QWidget panel;
    QWidget other;
    SpeedButton *com1, *com2, *both, *toggle, *plain, *elsewhere;
    QList<std::pair<SpeedButton *, bool>> clicks; // sender and Down() inside OnClick
};

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDownAndTheHandlerSeesIt)
{
    elsewhere->SetDown(true);
    click(com1);
    click(com2);
    EXPECT_FALSE(com1->Down());
    EXPECT_TRUE(com2->Down());
    EXPECT_TRUE(elsewhere->Down()); // another parent is another group
    click(com2); // a down button without AllowAllUp stays down, and still clicks
    EXPECT_TRUE(com2->Down());
    using Click = std::pair<SpeedButton *, bool>;
    EXPECT_EQ(clicks, QList<Click>({{com1, true}, {com2, true}, {com2, true}}));
}

TEST_F(SpeedButtonTest, CodeSetsDownWithoutClicking)
{
    com1->SetDown(true);
    both->SetDown(true);
    EXPECT_FALSE(com1->Down());
    EXPECT_TRUE(both->Down());
    both->SetDown(false); // no AllowAllUp: it cannot be raised
    EXPECT_TRUE(both->Down());
    plain->SetDown(true); // a plain button never stays down
    EXPECT_FALSE(plain->Down());
    EXPECT_TRUE(clicks.isEmpty());

    com1->SetAllowAllUp(true); // shared by the whole group
    EXPECT_TRUE(both->AllowAllUp());
    both->SetDown(false);
    EXPECT_FALSE(both->Down());
}

TEST_F(SpeedButtonTest, AToggleButtonFlipsBeforeItsHandler)
{
    click(toggle);
    click(toggle);
    click(plain);
    using Click = std::pair<SpeedButton *, bool>;
    EXPECT_EQ(clicks, QList<Click>({{toggle, true}, {toggle, false}, {plain, false}}));
    // A press released outside is no click.
    QTest::mousePress(toggle, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.size(), 3);
    EXPECT_FALSE(toggle->Down());
}

TEST_F(SpeedButtonTest, PressesOfAnyButtonAndDoubleClicksAreReported)
{
    QStringList events;
    QObject::connect(plain, &SpeedButton::OnMouseDown,
                     [&](SpeedButton *, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                         events << QStringLiteral("down %1 at %2,%3").arg(int(button)).arg(x).arg(y);
                     });
    QObject::connect(plain, &SpeedButton::OnDblClick, [&](SpeedButton *) { events << QStringLiteral("double"); });
    QObject::connect(plain, &SpeedButton::OnClick, [&](SpeedButton *) { events << QStringLiteral("click"); });
    QTest::mouseClick(plain, Qt::RightButton, {}, QPoint(3, 4)); // no click for the right button
    // A double-click as the platform delivers it: a click, then the second
    // press as a double-click event, then its release.
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseDClick(plain, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(plain, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(events, (QStringList{QStringLiteral("down 2 at 3,4"), QStringLiteral("down 1 at 10,10"),
                                   QStringLiteral("click"), QStringLiteral("double"), QStringLiteral("down 1 at 10,10"),
                                   QStringLiteral("click")}));
}
