// Rotating pictures page: every rotatable picture of the panel on its own,
// turned by a slider, then the three round instruments built as the panel
// stacks them: the gyro (card, heading bug, course and wind markers), a VOR
// (card and needle) and the ADF (card and needle).
#include "gallery.h"

#include "artwork/artwork.h"
#include "image/trotatableimage.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <array>

namespace gallery {
namespace {

struct ImageEntry {
    const char *names;
    int width, height;
    TColor blendColor;
    double angle;
    QImage (*picture)();
};

const std::array<ImageEntry, 9> kImages{{
    {"rImgAttitude", 109, 108, clBtnFace, 0, artwork::attitudeBall},
    {"rImgGyro", 102, 102, clBlack, 0, artwork::compassCard},
    {"rImgWind", 120, 120, clBlack, 90, artwork::windMarker},
    {"rImgCrs", 120, 120, clBlack, 270, artwork::courseMarker},
    {"rImgHdgMk", 120, 120, clBlack, 0, artwork::headingMarker},
    {"rImgVOR1Needle, rImgVOR2Needle", 105, 105, clBtnFace, 0, artwork::vorNeedle},
    {"rImgVOR1Lubber, rImgVOR2Lubber", 105, 105, clBtnFace, 0, artwork::vorCard},
    {"rImgADFBrg", 105, 105, clBtnFace, 0, artwork::adfNeedle},
    {"rImgADFLubber", 105, 105, clBtnFace, 0, artwork::adfCard},
}};

// A rotating picture as the panel makes it: centred, the picture's
// transparent colour honoured.
TRotatableImage *rotatable(QWidget *parent, QRect place, const QImage &picture, TColor blend, double angle)
{
    auto *r = new TRotatableImage(parent);
    r->setGeometry(place);
    r->SetCenter(true);
    r->SetTransparent(true);
    r->SetBlendColor(blend);
    r->SetPicture(picture);
    r->SetRotationAngle(angle);
    return r;
}

QString pictureNote(const QImage &picture)
{
    return picture.isNull() ? QStringLiteral("no picture yet")
                            : QStringLiteral("picture %1x%2").arg(picture.width()).arg(picture.height());
}

// The face an instrument sits on: black under the gyro's pictures (their
// blend colour), the window's colour under the others.
TColor faceFor(TColor blend) { return blend == clBlack ? clBlack : pageColor; }

QWidget *imageCell(const ImageEntry &e)
{
    auto *cell = new QWidget;
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    QWidget *face = backdrop(faceFor(e.blendColor));
    face->setFixedSize(e.width, e.height);
    const QImage picture = e.picture();
    TRotatableImage *r = rotatable(face, QRect(0, 0, e.width, e.height), picture, e.blendColor, e.angle);
    r->setObjectName(QString::fromLatin1(e.names).section(QLatin1Char(','), 0, 0));

    QSlider *s = slider(-360, 720, int(e.angle));
    QLabel *value = noteLabel();
    const auto turn = [r, value](int degrees) {
        r->SetRotationAngle(degrees);
        value->setText(QStringLiteral("%1\u00b0 (drawn at %2\u00b0)").arg(degrees).arg(r->ReducedAngle()));
    };
    QObject::connect(s, &QSlider::valueChanged, r, turn);
    turn(int(e.angle));

    v->addWidget(nameLabel(QString::fromLatin1(e.names)));
    v->addWidget(face, 0, Qt::AlignHCenter);
    v->addWidget(s);
    v->addWidget(value);
    v->addWidget(noteLabel(QStringLiteral("%1x%2, %3")
                               .arg(e.width)
                               .arg(e.height)
                               .arg(pictureNote(picture))));
    v->addStretch(1);
    return cell;
}

// One labelled slider row of an instrument's controls.
QSlider *controlRow(QGridLayout *rows, const QString &what, int lo, int hi, int value)
{
    const int row = rows->rowCount();
    QSlider *s = slider(lo, hi, value);
    QLabel *shown = noteLabel(QString::number(value));
    shown->setMinimumWidth(28);
    QObject::connect(s, &QSlider::valueChanged, shown, [shown](int v) { shown->setText(QString::number(v)); });
    rows->addWidget(noteLabel(what), row, 0);
    rows->addWidget(s, row, 1);
    rows->addWidget(shown, row, 2);
    return s;
}

// The gyro: the card turns with the heading; the heading bug sits at
// heading - bug, the course marker at heading - course; the wind marker
// shows the wind direction as given.
QWidget *gyroStack()
{
    auto *cell = new QWidget;
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    QWidget *face = backdrop(clBlack);
    face->setFixedSize(120, 120);
    auto *card = rotatable(face, QRect(9, 9, 102, 102), artwork::compassCard(), clBlack, 0);
    auto *bug = rotatable(face, QRect(0, 0, 120, 120), artwork::headingMarker(), clBlack, 0);
    auto *course = rotatable(face, QRect(0, 0, 120, 120), artwork::courseMarker(), clBlack, 270);
    auto *wind = rotatable(face, QRect(0, 0, 120, 120), artwork::windMarker(), clBlack, 90);
    auto *rows = new QGridLayout;
    QSlider *hdg = controlRow(rows, QStringLiteral("heading"), 0, 359, 0);
    QSlider *hdgBug = controlRow(rows, QStringLiteral("AP heading"), 0, 359, 0);
    QSlider *crs = controlRow(rows, QStringLiteral("NAV1 course"), 0, 359, 90);
    QSlider *winddir = controlRow(rows, QStringLiteral("wind from"), 0, 359, 90);
    const auto update = [=] {
        card->SetRotationAngle(hdg->value());
        bug->SetRotationAngle(hdg->value() - hdgBug->value());
        course->SetRotationAngle(hdg->value() - crs->value());
        wind->SetRotationAngle(winddir->value());
    };
    for (QSlider *s : {hdg, hdgBug, crs, winddir})
        QObject::connect(s, &QSlider::valueChanged, face, update);
    update();
    v->addWidget(nameLabel(QStringLiteral("gyro: rImgGyro, rImgHdgMk, rImgCrs, rImgWind")));
    v->addWidget(face, 0, Qt::AlignHCenter);
    v->addLayout(rows);
    v->addStretch(1);
    return cell;
}

// VOR and ADF: the card turns against the heading (lubber at -heading); the
// needle sits at the card's angle minus the radial or bearing.
QWidget *cardAndNeedle(const QString &title, QImage cardPicture, QImage needlePicture, const QString &needleWhat)
{
    auto *cell = new QWidget;
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    QWidget *face = backdrop(pageColor);
    face->setFixedSize(105, 105);
    auto *card = rotatable(face, QRect(0, 0, 105, 105), cardPicture, clBtnFace, 0);
    auto *needle = rotatable(face, QRect(0, 0, 105, 105), needlePicture, clBtnFace, 0);
    auto *rows = new QGridLayout;
    QSlider *hdg = controlRow(rows, QStringLiteral("heading"), 0, 359, 30);
    QSlider *brg = controlRow(rows, needleWhat, 0, 359, 120);
    const auto update = [=] {
        card->SetRotationAngle(-hdg->value());
        needle->SetRotationAngle(card->RotationAngle() - brg->value());
    };
    for (QSlider *s : {hdg, brg})
        QObject::connect(s, &QSlider::valueChanged, face, update);
    update();
    v->addWidget(nameLabel(title));
    v->addWidget(face, 0, Qt::AlignHCenter);
    v->addLayout(rows);
    v->addStretch(1);
    return cell;
}

} // namespace

QWidget *makeImagePage()
{
    auto *page = backdrop(pageColor);
    auto *v = new QVBoxLayout(page);
    QGridLayout *grid = nullptr;
    v->addWidget(section(QStringLiteral("Rotatable pictures"), &grid));
    constexpr int columns = 5;
    grid->setColumnStretch(columns, 1);
    int index = 0;
    for (const ImageEntry &e : kImages) {
        grid->addWidget(imageCell(e), index / columns, index % columns, Qt::AlignTop);
        ++index;
    }
    v->addWidget(section(QStringLiteral("Instruments"), &grid));
    grid->addWidget(gyroStack(), 0, 0, Qt::AlignTop);
    grid->addWidget(cardAndNeedle(QStringLiteral("VOR: rImgVOR1Lubber, rImgVOR1Needle"), artwork::vorCard(),
                                  artwork::vorNeedle(), QStringLiteral("radial")),
                    0, 1, Qt::AlignTop);
    grid->addWidget(cardAndNeedle(QStringLiteral("ADF: rImgADFLubber, rImgADFBrg"), artwork::adfCard(),
                                  artwork::adfNeedle(), QStringLiteral("bearing")),
                    0, 2, Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    v->addStretch(1);
    return page;
}

} // namespace gallery
