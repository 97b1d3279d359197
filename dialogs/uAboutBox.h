#pragma once
// The about box: the program's name and version and a few credit lines. A
// fresh box is made each time it is opened and destroyed when it closes.
#include <QDialog>

class PanelImage;
class PanelLabel;
class QFrame;
class QPushButton;

class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel2 = nullptr;
    PanelImage *Image2 = nullptr;
    QFrame *Panel1 = nullptr;
    PanelImage *ProgramIcon = nullptr;
    PanelLabel *ProductName = nullptr, *Version = nullptr, *Label4 = nullptr, *Label5 = nullptr,
               *Comments = nullptr, *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();
};
