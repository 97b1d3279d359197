// The picture viewer with a temporary folder of generated pictures: a
// double-click changes a frame's picture, the settings choose a folder and
// start the slide show, whose steps fill the visible frames in turn. A file
// that cannot be shown keeps the frame's picture and is reported once; an
// empty or missing folder and a display time the timer cannot run start no
// show; a huge picture costs the memory of a small one.
#include "adapters/filelist.h"
#include "adapters/paneledit.h"
#include "adapters/panelimage.h"
#include "adapters/panellabel.h"
#include "adapters/paneltimer.h"
#include "dialogseam.h"
#include "fakedialogs.h"
#include "qtprinters.h"
#include "testjpeg.h"
#include "uACMainForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QRgb kRed = qRgb(220, 20, 20), kGreen = qRgb(20, 200, 20), kBlue = qRgb(20, 20, 220),
               kYellow = qRgb(230, 230, 20), kFirst = qRgb(128, 0, 128);

class Viewer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        w = std::make_unique<TfrmACMain>();
    }
    // A picture of one colour in a folder of the temporary one ("" for the
    // folder itself); its kind by its extension.
    QString picture(const QString &folder, const char *name, QRgb colour)
    {
        QDir(dir.path()).mkpath(folder.isEmpty() ? QStringLiteral(".") : folder);
        const QString path = QDir(dir.filePath(folder)).filePath(QLatin1String(name));
        if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(colour);
            EXPECT_TRUE(image.save(path, "BMP"));
        } else {
            write(path, solidJpeg(40, 30, colour));
        }
        return path;
    }
    void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The colour a frame shows, as the nearest of the test's colours.
    static QRgb shown(const PanelImage *frame)
    {
        const QImage &p = frame->Picture();
        const QRgb c = p.pixel(p.rect().center());
        QRgb best = 0;
        int distance = INT_MAX;
        for (QRgb known : {kRed, kGreen, kBlue, kYellow, kFirst}) {
            const int d = std::abs(qRed(c) - qRed(known)) + std::abs(qGreen(c) - qGreen(known)) +
                          std::abs(qBlue(c) - qBlue(known));
            if (d < distance) {
                distance = d;
                best = known;
            }
        }
        return distance < 60 ? best : 0;
    }
    std::array<QRgb, 3> frames() const { return {shown(w->Image1), shown(w->Image2), shown(w->Image3)}; }
    void doubleClick(PanelImage *frame) { emit frame->OnDblClick(frame); }
    void pressOn(PanelImage *frame, Qt::MouseButton button) { emit frame->OnMouseDown(frame, button, {}, 5, 5); }
    bool settingsOpen() const
    {
        const bool open = !w->cbxImage1->isHidden();
        for (const QWidget *c : std::initializer_list<const QWidget *>{w->eImage3, w->limage1Ck, w->eImage1time,
                                                                       w->btnImagePlay, w->btnImagePlayExit})
            EXPECT_EQ(!c->isHidden(), open) << c->objectName().toStdString();
        EXPECT_EQ(w->Image3->isHidden(), open);
        return open;
    }
    // Opens the settings, chooses the folder through one of its files, ticks
    // auto-play and leaves them with the given display time.
    void play(const QString &fileInFolder, const char *minutes = "1")
    {
        pressOn(w->Image3, Qt::RightButton);
        dialogs.files << fileInFolder;
        w->btnImagePlay->click();
        w->cbxImage1->setChecked(true);
        w->eImage1time->SetText(QString::fromLatin1(minutes));
        w->btnImagePlayExit->click();
    }
    // Every frame with a picture of its own, so that a step that skips one shows.
    void fillFrames()
    {
        QImage first(10, 10, QImage::Format_RGB32);
        first.fill(kFirst);
        for (PanelImage *frame : {w->Image1, w->Image2, w->Image3})
            frame->SetPicture(first);
    }
    QString status() const { return w->statusPanel(3); }

    FakeDialogs dialogs;
    QTemporaryDir dir;
    std::unique_ptr<TfrmACMain> w;
};

} // namespace

TEST_F(Viewer, ADoubleClickChangesAFramesPicture)
{
    const QString red = picture(QStringLiteral("one"), "red.jpg", kRed);
    const QString blue = picture(QStringLiteral("two"), "blue.BMP", kBlue);
    dialogs.files << red;
    doubleClick(w->Image2);
    EXPECT_EQ(shown(w->Image2), kRed);
    EXPECT_EQ(w->eImage2->Text(), dir.filePath(QStringLiteral("one"))) << "the folder, no separator after it";
    EXPECT_TRUE(w->eImage2->isHidden());
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].filter,
              QStringLiteral("Image Files (*.jpg, *.bmp)|*.jpg; *.bmp|Bitmap(*.bmp)|*.bmp"));
    EXPECT_EQ(dialogs.requests[0].initialDir, w->OpenDialog1->InitialDir);

    // Cancelled: the frame's folder stays in view until the next double-click.
    fillFrames();
    doubleClick(w->Image1);
    EXPECT_FALSE(w->eImage1->isHidden());
    EXPECT_EQ(shown(w->Image1), kFirst);
    doubleClick(w->Image1);
    EXPECT_TRUE(w->eImage1->isHidden());
    EXPECT_EQ(dialogs.requests.size(), 2) << "the second double-click only hid it";

    dialogs.files << blue;
    doubleClick(w->Image3);
    EXPECT_EQ(shown(w->Image3), kBlue);
    EXPECT_EQ(w->eImage3->Text(), dir.filePath(QStringLiteral("two")));
}

TEST_F(Viewer, APictureThatCannotBeShownKeepsTheFrameAndIsReported)
{
    fillFrames();
    const QString corrupt = dir.filePath(QStringLiteral("corrupt.jpg"));
    write(corrupt, solidJpeg(40, 30, kRed).left(200));
    const QString notAPicture = dir.filePath(QStringLiteral("notes.jpg"));
    write(notAPicture, "not a picture at all");
    const QString tooWide = dir.filePath(QStringLiteral("wide.jpg"));
    write(tooWide, solidJpeg(20000, 8, kRed));
    const struct {
        QString path;
        const char *reason;
    } cases[] = {
        {corrupt, "corrupt.jpg: "},
        {notAPicture, "notes.jpg: Not a JPEG file"},
        {tooWide, "wide.jpg: The picture is too large"},
        {dir.filePath(QStringLiteral("gone.bmp")), "gone.bmp: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        dialogs.files << c.path;
        doubleClick(w->Image1);
        EXPECT_EQ(shown(w->Image1), kFirst);
        EXPECT_TRUE(status().startsWith(QStringLiteral("Picture not shown: ") + QLatin1String(c.reason)))
            << status().toStdString();
        EXPECT_FALSE(w->eImage1->isHidden()) << "the change stopped at the picture";
        doubleClick(w->Image1); // hides the folder again
    }
    EXPECT_EQ(dialogs.messages, QStringList{});
}

TEST_F(Viewer, AHugePictureIsDecodedAtTheFramesSize)
{
    // 96 million pixels: 384 MB at its own size.
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    write(huge, solidJpeg(12000, 8000, kGreen));
    dialogs.files << huge;
    doubleClick(w->Image2);
    EXPECT_EQ(shown(w->Image2), kGreen) << status().toStdString();
    EXPECT_LE(w->Image2->Picture().width(), w->Image2->width() * w->devicePixelRatioF());
    EXPECT_LE(w->Image2->Picture().height(), w->Image2->height() * w->devicePixelRatioF());
}

TEST_F(Viewer, TheSettingsChooseAFolderAndStartTheShow)
{
    // Only the right button on the third picture opens the settings.
    pressOn(w->Image1, Qt::RightButton);
    pressOn(w->Image2, Qt::RightButton);
    pressOn(w->Image3, Qt::LeftButton);
    EXPECT_FALSE(settingsOpen());
    pressOn(w->Image3, Qt::RightButton);
    EXPECT_TRUE(settingsOpen());

    // The folder, through one of its pictures: names matching the mask in
    // any case, sorted; no folders, no other files.
    picture(QStringLiteral("show"), "c.bmp", kBlue);
    picture(QStringLiteral("show"), "A.jpg", kRed);
    const QString b = picture(QStringLiteral("show"), "b.JPG", kGreen);
    picture(QStringLiteral("show"), "notes.txt", kYellow);
    QDir(dir.path()).mkpath(QStringLiteral("show/d.jpg"));
    dialogs.files << b;
    w->btnImagePlay->click();
    EXPECT_EQ(shown(w->Image3), kGreen);
    const QString folder = dir.filePath(QStringLiteral("show")) + QLatin1Char('/');
    EXPECT_EQ(w->eImage3->Text(), folder);
    ASSERT_EQ(w->FileListBox1->Count(), 3);
    EXPECT_EQ((QStringList{w->FileListBox1->Item(0), w->FileListBox1->Item(1), w->FileListBox1->Item(2)}),
              (QStringList{QStringLiteral("A.jpg"), QStringLiteral("b.JPG"), QStringLiteral("c.bmp")}));
    EXPECT_TRUE(settingsOpen());

    // Ticking auto-play starts the timer at once, with the interval it has.
    w->cbxImage1->setChecked(true);
    EXPECT_TRUE(w->TimerImage1->Enabled());
    EXPECT_EQ(w->TimerImage1->Interval(), 10000);

    // Leaving: every visible frame takes the next picture; then each tick.
    w->eImage1time->SetText(QStringLiteral("2"));
    w->btnImagePlayExit->click();
    EXPECT_FALSE(settingsOpen());
    EXPECT_TRUE(w->TimerImage1->Enabled());
    EXPECT_EQ(w->TimerImage1->Interval(), 120000);
    EXPECT_EQ(frames(), (std::array{kRed, kGreen, kBlue}));
    EXPECT_EQ(w->imagecount, 0);
    EXPECT_EQ(w->eImage1->Text(), folder);
    EXPECT_EQ(w->eImage2->Text(), folder);
    fillFrames();
    w->TimerImage1Timer(w->TimerImage1);
    EXPECT_EQ(frames(), (std::array{kRed, kGreen, kBlue}));

    // Unticking stops it.
    w->cbxImage1->setChecked(false);
    EXPECT_FALSE(w->TimerImage1->Enabled());
}

TEST_F(Viewer, StepsGoRoundTheFolderOverTheVisibleFrames)
{
    picture(QStringLiteral("four"), "a.jpg", kRed);
    picture(QStringLiteral("four"), "b.jpg", kGreen);
    picture(QStringLiteral("four"), "c.jpg", kBlue);
    const QString d = picture(QStringLiteral("four"), "d.jpg", kYellow);
    play(d);
    EXPECT_EQ(frames(), (std::array{kRed, kGreen, kBlue}));
    w->TimerImage1Timer(w->TimerImage1);
    EXPECT_EQ(frames(), (std::array{kYellow, kRed, kGreen}));

    // A three-engine aircraft: the third frame alone, a file each step.
    w->pnlImage1->hide();
    w->pnlImage2->hide();
    w->imagecount = 0;
    fillFrames();
    std::vector<QRgb> third;
    for (int i = 0; i < 5; ++i) {
        w->TimerImage1Timer(w->TimerImage1);
        third.push_back(shown(w->Image3));
    }
    EXPECT_EQ(third, (std::vector<QRgb>{kRed, kGreen, kBlue, kYellow, kRed}));
    EXPECT_EQ(shown(w->Image1), kFirst);
}

TEST_F(Viewer, NoShowWithoutPicturesOrATimeTheTimerCanRun)
{
    const QString one = picture(QStringLiteral("one"), "a.jpg", kRed);
    QDir(dir.path()).mkpath(QStringLiteral("empty"));
    // A folder without pictures, a missing one, and none at all: no show,
    // the box cleared, the frames as they were.
    for (const QString &folder : {dir.filePath(QStringLiteral("empty")), dir.filePath(QStringLiteral("missing")),
                                  QString()}) {
        SCOPED_TRACE(folder.toStdString());
        fillFrames();
        play(one);
        w->TimerImage1Timer(w->TimerImage1);
        pressOn(w->Image3, Qt::RightButton);
        w->eImage3->SetText(folder);
        w->btnImagePlayExit->click();
        EXPECT_FALSE(settingsOpen());
        EXPECT_FALSE(w->TimerImage1->Enabled());
        EXPECT_FALSE(w->cbxImage1->isChecked());
        EXPECT_EQ(frames(), (std::array{kRed, kRed, kRed}));
        w->TimerImage1Timer(w->TimerImage1); // a tick still queued shows nothing new
    }

    // Display times the timer cannot run keep the settings open, as a text
    // that is not a number does; the show goes on as it was.
    play(one);
    const int interval = w->TimerImage1->Interval();
    pressOn(w->Image3, Qt::RightButton);
    const std::pair<const char *, const char *> times[] = {
        {"x", "'x' is not a valid integer value"},
        {"0", "'0' is not a valid display time (1 to 35791 minutes)"},
        {"-3", "'-3' is not a valid display time (1 to 35791 minutes)"},
        {"35792", "'35792' is not a valid display time (1 to 35791 minutes)"},
    };
    for (auto [minutes, message] : times) {
        w->eImage1time->SetText(QString::fromLatin1(minutes));
        w->btnImagePlayExit->click();
        EXPECT_TRUE(settingsOpen()) << minutes;
        EXPECT_EQ(dialogs.messages.takeFirst(), QString::fromLatin1(message));
        EXPECT_EQ(w->TimerImage1->Interval(), interval);
        EXPECT_TRUE(w->TimerImage1->Enabled());
    }
    w->eImage1time->SetText(QStringLiteral("35791"));
    w->btnImagePlayExit->click();
    EXPECT_EQ(w->TimerImage1->Interval(), 35791 * 60000);
}

TEST_F(Viewer, AFileTheShowCannotShowIsReportedOnce)
{
    picture(QStringLiteral("show"), "a.jpg", kRed);
    write(dir.filePath(QStringLiteral("show/b.jpg")), "broken");
    const QString c = picture(QStringLiteral("show"), "c.jpg", kBlue);
    fillFrames();
    play(c);
    EXPECT_EQ(frames(), (std::array{kRed, kFirst, kBlue}));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Picture not shown: b.jpg: "))) << status().toStdString();
    w->setStatusPanel(3, QStringLiteral("later"));
    w->TimerImage1Timer(w->TimerImage1);
    w->TimerImage1Timer(w->TimerImage1);
    EXPECT_EQ(status(), QStringLiteral("later"));
    EXPECT_EQ(dialogs.messages, QStringList{});
}
