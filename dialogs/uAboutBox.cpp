#include "uAboutBox.h"

#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "artwork/artwork.h"
#include "layout/layoutkit.h"

#include <QFrame>
#include <QPushButton>

using namespace layout;

namespace {

PanelLabel *credit(QWidget *parent, const char *name, QRect place, const QString &text)
{
    PanelLabel *l = label(parent, name, place, text);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(309, 368);
    setFont(panelFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(clBtnFace));
    setPalette(pal);

    Panel2 = panel(this, "Panel2", QRect(0, 0, 309, 52), clBtnFace, Bevel::Raised);
    Panel2->setLineWidth(2);
    Image2 = picture(Panel2, "Image2", QRect(4, 4, 300, 44), artwork::aboutBanner());
    Image2->SetStretch(true);
    Image2->SetCenter(true);

    Panel1 = panel(this, "Panel1", QRect(0, 52, 308, 285), clBtnFace, Bevel::Lowered);
    ProgramIcon = picture(Panel1, "ProgramIcon", QRect(8, 8, 45, 45), artwork::programIcon());
    ProgramIcon->SetStretch(true);
    ProductName = label(Panel1, "ProductName", QRect(102, 8, 180, 16), QStringLiteral("Veltrano"));
    ProductName->setFont(panelFont(13, true, "Tahoma"));
    Version = label(Panel1, "Version", QRect(124, 22, 160, 14), QStringLiteral("Version: 0.5.0.1"));
    Version->setFont(panelFont(11, false, "Tahoma"));
    Label4 = label(Panel1, "Label4", QRect(17, 70, 200, 14), QStringLiteral("Thanks to the following:"));
    Label4->setFont(panelFont(11, true, "Tahoma"));
    Label5 = credit(Panel1, "Label5", QRect(8, 87, 279, 26),
                    QStringLiteral("FSUIPC and its WideFS network extension, which open the simulator to this "
                                   "panel."));
    Comments = credit(Panel1, "Comments", QRect(8, 118, 287, 26),
                      QStringLiteral("The FSUIPC IPC protocol, spoken here by Veltrano's own link client."));
    Label1 = credit(Panel1, "Label1", QRect(8, 147, 273, 26),
                    QStringLiteral("The UIPCMAIN window of newer FSUIPC versions, which the link looks for first."));
    Label2 = credit(Panel1, "Label2", QRect(8, 184, 276, 26),
                    QStringLiteral("TKnob, Veltrano's own rotary knob, behind every switch and selector."));
    Label3 = credit(Panel1, "Label3", QRect(8, 218, 262, 39),
                    QStringLiteral("Veltrano's own anti-aliased analog gauge, drawn at twice its size and smoothed "
                                   "down for every dial."));

    BitBtn1 = button(this, "BitBtn1", QRect(118, 340, 75, 25), QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);
}

void TAboutBox::BitBtn1Click()
{
    accept();
}
