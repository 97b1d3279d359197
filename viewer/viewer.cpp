// The picture viewer: three picture frames in the engines group, each
// changed by a double-click, and a slide show through the pictures of one
// folder, set up in place of the third picture. Talks to no simulator.
//
// Offsets: none.
// Controls: Image1..3 in pnlImage1..3, eImage1..3, FileListBox1,
// btnImagePlay, limage1Ck, cbxImage1, eImage1time, btnImagePlayExit,
// OpenDialog1, TimerImage1; the window field imagecount.
#include "uACMainForm.h"

#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "controls/rules/slideshow.h"
#include "dialogseam.h"
#include "jpegdecoder.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>

void TfrmACMain::connectViewer()
{
    for (PanelImage *image : {Image1, Image2, Image3})
        on(image, &PanelImage::OnDblClick, &TfrmACMain::Image1DblClick);
    on(btnImagePlay, &QPushButton::clicked, [](TfrmACMain *w) { w->Image1DblClick(w->btnImagePlay); });
    on(Image3, &PanelImage::OnMouseDown, &TfrmACMain::Image1MouseDown);
    // The box's click event also comes when the viewer clears the tick.
    on(cbxImage1, &QCheckBox::toggled, [](TfrmACMain *w) { w->cbxImage1Click(w->cbxImage1); });
    on(btnImagePlayExit, &QPushButton::clicked, [](TfrmACMain *w) { w->btnImagePlayExitClick(w->btnImagePlayExit); });
    on(TimerImage1, &PanelTimer::OnTimer, &TfrmACMain::TimerImage1Timer);
}

// A picture file into a frame, decoded no larger than the frame needs, so
// that however large the file, it costs the memory of a small picture. A
// file that cannot be shown leaves the frame's picture and says why on the
// status line; the slide show says so once for each file.
bool TfrmACMain::showPicture(PanelImage *frame, const QString &path, bool reportOnce)
{
    const QSize target = (QSizeF(frame->size()) * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1));
    QString why;
    QImage picture = loadPicture(path, &why, target);
    if (picture.isNull()) {
        if (!reportOnce || !m_picturesReported.contains(path))
            setStatusPanel(3, QStringLiteral("Picture not shown: ") + why);
        if (reportOnce && !m_picturesReported.contains(path))
            m_picturesReported.append(path);
        return false;
    }
    if (picture.width() > target.width() || picture.height() > target.height())
        picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    frame->SetPicture(picture);
    return true;
}

// --- Changing one picture, choosing the slide show's folder -------------------------

void TfrmACMain::Image1DblClick(QObject *Sender)
{
    if (Sender == btnImagePlay) {
        // The file chosen shows in the third frame; its folder is the show's.
        if (!OpenDialog1->Execute() || !showPicture(Image3, OpenDialog1->FileName, false))
            return;
        eImage3->SetText(QFileInfo(OpenDialog1->FileName).absolutePath() + QLatin1Char('/'));
        FileListBox1->SetDirectory(eImage3->Text());
        return;
    }
    PanelImage *frame = Image1;
    PanelEdit *folder = eImage1;
    if (Sender == Image2) {
        frame = Image2;
        folder = eImage2;
    } else if (Sender == Image3) {
        frame = Image3;
        folder = eImage3;
    }
    // The frame's folder shows while the dialog runs, and stays when it is
    // cancelled until the next double-click.
    if (!folder->isHidden()) {
        folder->hide();
        return;
    }
    folder->show();
    if (!OpenDialog1->Execute() || !showPicture(frame, OpenDialog1->FileName, false))
        return;
    folder->SetText(QFileInfo(OpenDialog1->FileName).absolutePath());
    folder->hide();
}

// --- The slide-show settings ----------------------------------------------------------

void TfrmACMain::showSlideShowSettings(bool open)
{
    for (QWidget *w : std::initializer_list<QWidget *>{eImage3, limage1Ck, cbxImage1, eImage1time, btnImagePlay,
                                                       btnImagePlayExit})
        w->setVisible(open);
    Image3->setVisible(!open);
}

void TfrmACMain::Image1MouseDown(QObject *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    if (Sender == Image3 && Button == Qt::RightButton)
        showSlideShowSettings(true);
}

void TfrmACMain::cbxImage1Click(QObject *)
{
    TimerImage1->SetEnabled(cbxImage1->isChecked());
}

void TfrmACMain::btnImagePlayExitClick(QObject *)
{
    const QString folder = eImage3->Text();
    if (cbxImage1->isChecked() && !folder.trimmed().isEmpty() && QDir(folder).exists()) {
        // A display time the timer cannot run keeps the settings open, as a
        // text that is not a number does.
        const QString minutes = eImage1time->Text();
        const std::optional<int> interval = rules::slideShowIntervalMs(StrToInt(minutes));
        if (!interval)
            throw EConvertError(QStringLiteral("'%1' is not a valid display time (1 to 35791 minutes)").arg(minutes));
        // The folder played is the folder named, as it is now.
        FileListBox1->SetDirectory(folder);
        if (FileListBox1->Count() > 0) {
            eImage1->SetText(FileListBox1->Directory());
            eImage2->SetText(FileListBox1->Directory());
            TimerImage1->SetInterval(*interval);
            m_picturesReported.clear();
            imagecount = 0;
            stepSlideShow(false);
            showSlideShowSettings(false);
            return;
        }
    }
    // No folder, or nothing in it to show: no slide show.
    TimerImage1->SetEnabled(false);
    cbxImage1->setChecked(false);
    showSlideShowSettings(false);
}

// --- The slide show -------------------------------------------------------------------

void TfrmACMain::stepSlideShow(bool wrapFirst)
{
    const std::array<bool, 3> visible{pnlImage1->isVisibleTo(this), pnlImage2->isVisibleTo(this),
                                      pnlImage3->isVisibleTo(this)};
    const rules::SlideShowStep step = rules::slideShowStep(imagecount, FileListBox1->Count(), visible, wrapFirst);
    PanelImage *const frames[] = {Image1, Image2, Image3};
    const QDir folder(FileListBox1->Directory());
    for (std::size_t i = 0; i < step.file.size(); ++i) {
        if (step.file[i] >= 0)
            showPicture(frames[i], folder.filePath(FileListBox1->Item(step.file[i])), true);
    }
    imagecount = step.next;
}

void TfrmACMain::TimerImage1Timer(QObject *)
{
    stepSlideShow(true);
}
