// The flight instruments (group caption "Avionics"): airspeed dial with its
// speed figures; the attitude window with the pitch bar and, under it, the turn
// needle and slip ball; the heading gyro (card, heading bug, course and wind
// markers turning on one black face) with heading and wind figures; altitude,
// vertical speed and the altimeter setting; the failure annunciators; position
// and route figures; and the aileron/elevator control pad.
#include "uACMainForm.h"

#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "artwork/artwork.h"
#include "gauge/tanaloggauge.h"
#include "image/trotatableimage.h"
#include "layoutkit.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>

using namespace layout;

namespace {

constexpr TColor clLampOff = clSilver; // annunciator background while its condition is absent
constexpr TColor clSymbol = RGBColor(255, 204, 0); // fixed symbols over the moving pictures

// Fixed symbols painted over the moving pictures; the pointer passes through
// them to the instrument beneath.
class Decoration : public QWidget
{
public:
    Decoration(QWidget *parent, QRect place) : QWidget(parent)
    {
        setGeometry(place);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

// The miniature aircraft fixed in the middle of the attitude window.
class AttitudeSymbol : public Decoration
{
public:
    using Decoration::Decoration;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal cx = width() / 2.0, cy = height() / 2.0, wing = width() * 0.3;
        p.setPen(QPen(QColor(20, 20, 20), 1.0));
        p.setBrush(toQColor(clSymbol));
        p.drawRect(QRectF(0.5, cy - 1.5, wing, 3.0));
        p.drawRect(QRectF(width() - 0.5 - wing, cy - 1.5, wing, 3.0));
        QPainterPath chevron;
        chevron.moveTo(cx - 12, cy + 4);
        chevron.lineTo(cx, cy - 1);
        chevron.lineTo(cx + 12, cy + 4);
        chevron.lineTo(cx, cy + 1.5);
        chevron.closeSubpath();
        p.drawPath(chevron);
        p.drawEllipse(QPointF(cx, cy - 1), 1.8, 1.8);
    }
};

// The fixed index at 12 o'clock of the heading gyro, where the turning card
// shows the heading and a marker at its own value.
class GyroIndex : public Decoration
{
public:
    using Decoration::Decoration;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal cx = width() / 2.0;
        p.setPen(QPen(QColor(20, 20, 20), 0.8));
        p.setBrush(toQColor(clSymbol));
        p.drawPolygon(QPolygonF{QPointF(cx - 4, 11), QPointF(cx + 4, 11), QPointF(cx, 20)});
        // A small aircraft at the hub: the card turns under it.
        const qreal cy = height() / 2.0;
        p.setPen(QPen(toQColor(clSymbol), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx, cy - 9), QPointF(cx, cy + 8));
        p.drawLine(QPointF(cx - 8, cy - 1), QPointF(cx + 8, cy - 1));
        p.drawLine(QPointF(cx - 4, cy + 7), QPointF(cx + 4, cy + 7));
    }
};

// The black face of the turn coordinator: the needle's travel above, the
// inclinometer tube with its centre lines below. The moving needle and ball
// are the panel's own shapes on top of it.
class TurnFace : public QWidget
{
public:
    TurnFace(QWidget *parent, QRect place) : QWidget(parent)
    {
        setGeometry(place);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    static constexpr int kCentre = 70; // the needle's and ball's centre at rest
    static constexpr int kTubeTop = 16;
    static constexpr int kTubeHeight = 14;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(24, 24, 26));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(200, 200, 200), 1.0));
        p.drawLine(QPointF(kCentre + 0.5, 0), QPointF(kCentre + 0.5, 1));
        p.drawLine(QPointF(kCentre + 0.5, kTubeTop - 2), QPointF(kCentre + 0.5, kTubeTop - 1));
        p.setFont(panelFont(9, true));
        p.drawText(QRect(6, 1, 12, kTubeTop - 2), Qt::AlignCenter, QStringLiteral("L"));
        p.drawText(QRect(width() - 18, 1, 12, kTubeTop - 2), Qt::AlignCenter, QStringLiteral("R"));
        const QRectF tube(4.5, kTubeTop + 0.5, width() - 9.0, kTubeHeight - 1.0);
        p.setPen(QPen(QColor(90, 90, 90), 1.0));
        p.setBrush(QColor(236, 234, 214));
        p.drawRoundedRect(tube, 6, 6);
        p.setPen(QPen(QColor(20, 20, 20), 1.0));
        for (int x : {kCentre - 12, kCentre + 12})
            p.drawLine(QPointF(x + 0.5, tube.top()), QPointF(x + 0.5, tube.bottom()));
    }
};

} // namespace

void TfrmACMain::buildFlightGroup()
{
    gbFlight = group(this, "gbFlight", QStringLiteral("Avionics"), QStringLiteral("Avionics Information Panel"),
                     QRect(2, 84, 762, 189));
    QWidget *g = gbFlight;

    // Airspeed dial; indicated, maximum (barber pole), true and ground speed under it.
    agSpeed = gauge(g, "agSpeed", QPoint(5, 19),
                    {QSize(128, 128), CenterStyle, 300, 6, 8, 10, 4, 200, 1, 149, clRed, clGreen, clYellow,
                     QStringLiteral("KNOTS"), clSilver},
                    QStringLiteral("Indicated Airspeed in Knots"));
    agSpeed->SetMarginColor(clMedGray);
    caption(g, QRect(5, 152, 22, 15), QStringLiteral("IAS"));
    lSpeed = label(g, "lSpeed", QRect(29, 152, 34, 15), QStringLiteral("0"),
                   QStringLiteral("Indicated Airspeed in Knots"));
    caption(g, QRect(65, 152, 24, 15), QStringLiteral("Max"));
    lbps = label(g, "lbps", QRect(92, 152, 37, 15), QStringLiteral("0"), QStringLiteral("Max IAS"));
    caption(g, QRect(5, 169, 22, 15), QStringLiteral("TAS"));
    ltas = label(g, "ltas", QRect(29, 169, 34, 15), QStringLiteral("0"), QStringLiteral("True Airspeed in Knots"));
    caption(g, QRect(65, 169, 24, 15), QStringLiteral("GS"));
    lgs = label(g, "lgs", QRect(92, 169, 37, 15), QStringLiteral("0"), QStringLiteral("Ground Speed in Knots"));

    // Attitude window. The ball's top edge follows the pitch (13 + pitch pixels
    // in the aperture, one pixel per degree, up to +-40), so it moves inside an
    // aperture that clips it and keeps the window's sunken rim clear.
    QFrame *adi = panel(g, nullptr, QRect(137, 19, 140, 132), clSilver, Bevel::Lowered,
                        QStringLiteral("Attitude Indicator"));
    QWidget *aperture = panel(adi, nullptr, QRect(1, 1, 138, 130), clSilver);
    rImgAttitude = rotatable(aperture, "rImgAttitude", QRect(14, 13, 109, 108), artwork::attitudeBall());
    new AttitudeSymbol(aperture, QRect(28, 61, 82, 12));
    gPitch = barGauge(aperture, "gPitch", QRect(3, 13, 8, 104), -40, 40, clMedGray, QStringLiteral("Pitch"));
    lPitch = label(aperture, "lPitch", QRect(0, 117, 26, 13), QStringLiteral("0"),
                   QStringLiteral("Pitch in Degrees"));
    lPitch->setAlignment(Qt::AlignCenter);

    // Turn coordinator under it: needle and ball rest at the face's centre.
    auto *turn = new TurnFace(g, QRect(137, 153, 140, 32));
    turn->setStatusTip(QStringLiteral("Turn Coordinator"));
    shpTurn = lamp(turn, "shpTurn", QRect(66, 2, 8, 12), clWhite, QStringLiteral("Turn Rate"), stRectangle);
    shpBall = lamp(turn, "shpBall", QRect(59, TurnFace::kTubeTop + 1, 22, TurnFace::kTubeHeight - 2), clBlack,
                   QStringLiteral("Sideslip"), stEllipse);

    // Heading gyro: the card and its three markers turn about one centre on a
    // black face; the index at the top reads them.
    QFrame *gyro = panel(g, nullptr, QRect(281, 19, 120, 120), clBlack, Bevel::None, QStringLiteral("Heading Gyro"));
    rImgGyro = rotatable(gyro, "rImgGyro", QRect(9, 9, 102, 102), artwork::compassCard(), clBlack);
    rImgHdgMk = rotatable(gyro, "rImgHdgMk", QRect(0, 0, 120, 120), artwork::headingMarker(), clBlack);
    rImgCrs = rotatable(gyro, "rImgCrs", QRect(0, 0, 120, 120), artwork::courseMarker(), clBlack, 270);
    rImgWind = rotatable(gyro, "rImgWind", QRect(0, 0, 120, 120), artwork::windMarker(), clBlack, 90);
    new GyroIndex(gyro, QRect(0, 0, 120, 120));
    caption(g, QRect(281, 141, 27, 15), QStringLiteral("HDG"));
    lCompass = label(g, "lCompass", QRect(309, 141, 26, 15), QStringLiteral("0"),
                     QStringLiteral("Magnetic Compass Heading in Degrees"));
    caption(g, QRect(337, 141, 24, 15), QStringLiteral("VAR"));
    lMagVar = label(g, "lMagVar", QRect(363, 141, 34, 15), QStringLiteral("0"),
                    QStringLiteral("Magnetic Variation in Degrees"));
    caption(g, QRect(281, 156, 32, 15), QStringLiteral("WIND"));
    lWinddir = label(g, "lWinddir", QRect(313, 156, 24, 15), QStringLiteral("0"),
                     QStringLiteral("Wind Direction in Degrees"));
    lWinddir->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption(g, QRect(338, 156, 6, 15), QStringLiteral("/"));
    lWindSpd = label(g, "lWindSpd", QRect(345, 156, 26, 15), QStringLiteral("0"),
                     QStringLiteral("Wind Speed in Knots"));
    caption(g, QRect(281, 171, 90, 15), QStringLiteral("Gyro drift"), Qt::AlignRight | Qt::AlignVCenter);
    knbDriftFix = knob(g, "knbDriftFix", QPoint(375, 162), {24, 0, 1},
                       QStringLiteral("Gyro Drift: orange when the gyro has drifted. Click to Reset."));

    // Relays the readers write and the pictures follow (never shown).
    struct Relay {
        PanelEdit *&edit;
        const char *name;
    };
    const Relay relays[] = {{eHdg, "eHdg"}, {eWinddir, "eWinddir"}, {ePitch, "ePitch"}, {eBank, "eBank"}};
    int relayLeft = 137;
    for (const Relay &r : relays) {
        r.edit = edit(g, r.name, QRect(relayLeft, 153, 34, 19), QStringLiteral("0"));
        r.edit->hide();
        relayLeft += 35;
    }

    // Altitude and vertical speed with their bars, the altimeter setting.
    ggalt = barGauge(g, "ggalt", QRect(405, 19, 10, 68), 0, 13500, clBlue, QStringLiteral("Altitude"));
    ggVertSpeed = barGauge(g, "ggVertSpeed", QRect(417, 19, 10, 68), -4000, 4000, clMedGray,
                           QStringLiteral("Vertical Speed"));
    caption(g, QRect(431, 20, 22, 15), QStringLiteral("ALT"));
    stAlt = valueBox(g, "stAlt", QRect(453, 19, 50, 17), QStringLiteral("0"),
                     QStringLiteral("Current Altitude in Feet"));
    caption(g, QRect(507, 20, 24, 15), QStringLiteral("AGL"));
    lgalt = label(g, "lgalt", QRect(534, 20, 49, 15), QStringLiteral("0"), QStringLiteral("Altitude Above Ground"));
    caption(g, QRect(431, 39, 22, 15), QStringLiteral("VS"));
    stVS = valueBox(g, "stVS", QRect(453, 38, 50, 17), QStringLiteral("0"),
                    QStringLiteral("Vertical Speed in Feet per Minute"));
    lOAT = label(g, "lOAT", QRect(507, 39, 76, 15), QStringLiteral("OAT:0"), QStringLiteral("Outside Air Temperature"));
    // The setting reads in millibars until the first altimeter read switches the
    // knob, the figure and its decimal point to the unit chosen in rgBaro.
    knbKollsman = knob(g, "knbKollsman", QPoint(431, 60), {24, 870, 1087, itLine, 3.0f, 2.0f},
                       QStringLiteral("Altimeter Setting. Middle Click to Set it to QNH."));
    knbKollsman->SetPosition(1013);
    lkollsmanval = label(g, "lkollsmanval", QRect(459, 58, 36, 15), QStringLiteral("1013"),
                         QStringLiteral("Altimeter Setting"));
    // Wider letter spacing leaves the drawn decimal point room between the digits.
    QFont spaced = lkollsmanval->font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    lkollsmanval->setFont(spaced);
    lPressDot = label(g, "lPressDot", QRect(474, 58, 4, 15), QStringLiteral("."));
    lPressDot->hide();
    lPressScale = label(g, "lPressScale", QRect(497, 58, 34, 15), QStringLiteral("Mb"),
                        QStringLiteral("Pressure Unit"));
    caption(g, QRect(459, 73, 26, 15), QStringLiteral("QNH"));
    lPress = label(g, "lPress", QRect(488, 73, 43, 15), QStringLiteral("0"), QStringLiteral("QNH Pressure"));

    // Annunciators: system failures on the first row, warnings on the second.
    struct Annunciator {
        PanelLabel *&lamp;
        const char *name, *text, *hint;
        QPoint at;
    };
    const Annunciator annunciators[] = {
        {lElecF, "lElecF", "ELC", "Electrical Failure", {405, 91}},
        {lEngF, "lEngF", "ENG", "Engine Failure", {441, 91}},
        {lHyd, "lHyd", "HYD", "Hydraulics Failure", {477, 91}},
        {lBrkF, "lBrkF", "BRK", "Brake Failure", {513, 91}},
        {lVacF, "lVacF", "VAC", "Vacuum Failure", {549, 91}},
        {lstall, "lstall", "STL", "Stall Warning", {423, 105}},
        {lOS, "lOS", "OS", "Overspeed Warning", {459, 105}},
        {lFireG, "lFireG", "FIRE", "Engine Fire", {495, 105}},
        {lice, "lice", "ICE", "Ice Build-up", {531, 105}},
    };
    for (const Annunciator &a : annunciators) {
        a.lamp = label(g, a.name, QRect(a.at, QSize(35, 13)), QString::fromLatin1(a.text),
                       QString::fromLatin1(a.hint));
        a.lamp->setAlignment(Qt::AlignCenter);
        a.lamp->setFont(panelFont(10, true));
        a.lamp->SetColor(clLampOff);
        a.lamp->SetTransparent(false);
        a.lamp->SetFontColor(clGray);
        a.lamp->SetSunken(true);
    }

    // Position, nearest airport and the route: next waypoint on the left,
    // destination on the right.
    const int col1 = 405, col2 = 495, rows[] = {121, 134, 147, 160, 173};
    lLat = label(g, "lLat", QRect(col1, rows[0], 88, 13), QStringLiteral("Lat: "), QStringLiteral("Latitude"));
    lLon = label(g, "lLon", QRect(col2, rows[0], 90, 13), QStringLiteral("Lon: "), QStringLiteral("Longitude"));
    lNearAP = label(g, "lNearAP", QRect(col1, rows[1], 88, 13), QStringLiteral("Nearest: "),
                    QStringLiteral("Nearest Airport"));
    lNearAPAlt = label(g, "lNearAPAlt", QRect(col2, rows[1], 90, 13), QStringLiteral("Elevation: "),
                       QStringLiteral("Nearest Airport Elevation in Feet"));
    caption(g, QRect(col1, rows[2], 20, 13), QStringLiteral("WP"));
    lNWPID = label(g, "lNWPID", QRect(col1 + 22, rows[2], 66, 13), QString(), QStringLiteral("Next Waypoint"));
    caption(g, QRect(col2, rows[2], 26, 13), QStringLiteral("Dest"));
    lDAPID = label(g, "lDAPID", QRect(col2 + 29, rows[2], 61, 13), QString(), QStringLiteral("Destination Airport"));
    lETANext = label(g, "lETANext", QRect(col1, rows[3], 88, 13), QStringLiteral("ETA:"),
                     QStringLiteral("Arrival Time at the Next Waypoint"));
    lETADest = label(g, "lETADest", QRect(col2, rows[3], 90, 13), QStringLiteral("ETA:"),
                     QStringLiteral("Arrival Time at the Destination"));
    lETENext = label(g, "lETENext", QRect(col1, rows[4], 88, 13), QStringLiteral("ETE:"),
                     QStringLiteral("Time En Route to the Next Waypoint"));
    lETEDest = label(g, "lETEDest", QRect(col2, rows[4], 90, 13), QStringLiteral("ETE:"),
                     QStringLiteral("Time En Route to the Destination"));

    // Control pad: the picture's pixels are the inputs, so it is shown unscaled.
    pnlMousePad = panel(g, "pnlMousePad", QRect(589, 18, 169, 169), clSilver, Bevel::Lowered,
                        QStringLiteral("Aileron and Elevator Control Pad"));
    Image4 = picture(pnlMousePad, "Image4", QRect(1, 1, 167, 167), artwork::controlPad(),
                     QStringLiteral("Control Pad: hold a mouse button and move to steer. Release to centre."));
    shpMousePos = lamp(g, "shpMousePos", QRect(668, 98, 8, 8), clSilver);
    shpMousePos->hide();
}
