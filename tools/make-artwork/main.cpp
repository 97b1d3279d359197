// veltrano-make-artwork OUTDIR: draws the panel's JPEG pictures and writes
// them as viewer1.jpg, viewer2.jpg, viewer3.jpg and banner.jpg into OUTDIR
// (the committed copies live in app/artwork/jpeg). Needs no display.
#include "fonts/panelfonts.h"
#include "jpegencoder.h"
#include "scenes.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int kQuality = 90;

bool writeJpeg(const QDir &dir, const char *name, const QImage &image)
{
    QString error;
    const QByteArray jpeg = encodeJpeg(image, kQuality, &error);
    if (jpeg.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(error));
        return false;
    }
    QSaveFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit()) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(file.errorString()));
        return false;
    }
    std::printf("%s %dx%d, %lld bytes\n", name, image.width(), image.height(), static_cast<long long>(jpeg.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Text needs the font database, which needs an application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    panelfonts::registerPanelFonts();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "%s: no such folder\n", argv[1]);
        return 1;
    }
    bool ok = writeJpeg(dir, "viewer1.jpg", runwayAtDusk(kViewerSize));
    ok = writeJpeg(dir, "viewer2.jpg", instrumentPanel(kViewerSize)) && ok;
    ok = writeJpeg(dir, "viewer3.jpg", cloudySky(kViewerSize)) && ok;
    ok = writeJpeg(dir, "banner.jpg", aboutBanner(kBannerSize)) && ok;
    return ok ? 0 : 1;
}
