// The two VOR receivers: identifier and TO/FROM line over the instrument (card
// with the radial needle over it), and a column of DME distance, speed, time
// and radial beside it. The APU panel, when open, covers both groups.
#include "uACMainForm.h"

#include "adapters/panellabel.h"
#include "artwork/artwork.h"
#include "image/trotatableimage.h"
#include "layoutkit.h"

#include <QGroupBox>

#include <tuple>

using namespace layout;

namespace {

struct VorControls {
    QGroupBox *group;
    PanelLabel *ident, *dist, *speed, *time, *radial;
    TRotatableImage *card, *needle;
};

struct VorNames {
    const char *group, *caption, *hint, *ident, *identText, *dist, *speed, *time, *radial, *card, *needle;
    QRect place;
};

VorControls buildVor(QWidget *window, const VorNames &n)
{
    VorControls v{};
    v.group = group(window, n.group, QString::fromLatin1(n.caption), QString::fromLatin1(n.hint), n.place);
    QWidget *g = v.group;
    const QString vor = QString::fromLatin1(n.caption);
    const int column = n.place.width() - 33; // value column, 30 wide, clear of the right frame

    v.ident = label(g, n.ident, {6, 14, column - 8, 14}, QString::fromLatin1(n.identText),
                    vor + QStringLiteral(" Identifier and TO/FROM"));
    v.card = rotatable(g, n.card, {column - 106, 30, 105, 105}, artwork::vorCard());
    v.needle = rotatable(g, n.needle, {column - 106, 30, 105, 105}, artwork::vorNeedle());

    // Caption over each value box, 32 pixels a row.
    const struct {
        PanelLabel *VorControls::*box;
        const char *name, *caption, *hint;
    } values[] = {
        {&VorControls::dist, n.dist, "DME", " DME Distance in nm"},
        {&VorControls::speed, n.speed, "KTS", " DME Speed in Knots"},
        {&VorControls::time, n.time, "TIME", " DME Time (hh:mm)"},
        {&VorControls::radial, n.radial, "RAD", " Radial"},
    };
    for (int i = 0; i < 4; ++i) {
        const int top = 14 + i * 32;
        PanelLabel *c = label(g, nullptr, {column, top, 30, 11}, QString::fromLatin1(values[i].caption));
        c->setFont(panelFont(9));
        c->setAlignment(Qt::AlignCenter);
        PanelLabel *box = valueBox(g, values[i].name, {column, top + 11, 30, 17}, QStringLiteral("0"),
                                   vor + QString::fromLatin1(values[i].hint));
        box->setFont(panelFont(10));
        v.*values[i].box = box;
    }
    return v;
}

} // namespace

void TfrmACMain::buildVORGroups()
{
    const VorControls v1 = buildVor(this, {"gbVOR1", "VOR1", "VOR 1 Panel", "lVor1", "V1:", "stV1Dist", "stV1Spd",
                                           "stV1Time", "stV1Brg", "rImgVOR1Lubber", "rImgVOR1Needle",
                                           QRect(480, 274, 141, 145)});
    std::tie(gbVOR1, lVor1, stV1Dist, stV1Spd, stV1Time, stV1Brg, rImgVOR1Lubber, rImgVOR1Needle) =
        std::tie(v1.group, v1.ident, v1.dist, v1.speed, v1.time, v1.radial, v1.card, v1.needle);

    const VorControls v2 = buildVor(this, {"gbVOR2", "VOR2", "VOR 2 Panel", "lVOR2", "V2:", "stV2Dist", "stV2Spd",
                                           "stV2Time", "stV2Brg", "rImgVOR2Lubber", "rImgVOR2Needle",
                                           QRect(624, 274, 140, 145)});
    std::tie(gbVOR2, lVOR2, stV2Dist, stV2Spd, stV2Time, stV2Brg, rImgVOR2Lubber, rImgVOR2Needle) =
        std::tie(v2.group, v2.ident, v2.dist, v2.speed, v2.time, v2.radial, v2.card, v2.needle);
}
