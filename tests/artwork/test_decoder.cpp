// The JPEG decoder and the viewer's picture loader: the built-in pictures,
// the colour layouts, and every kind of bad input ending in a null picture
// with a reason (the sanitizer build checks that nothing is read or written
// out of bounds on the way).
#include "testjpeg.h"

#include "artwork/artwork.h"
#include "viewer/jpegdecoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray resourceBytes(const char *name)
{
    artwork::viewerPicture(1); // makes sure the resources are registered
    QFile file(QStringLiteral(":/artwork/jpeg/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

TEST(BuiltInPictures, DecodeToTheirSizes)
{
    for (int i = 1; i <= 3; ++i) {
        const QImage picture = artwork::viewerPicture(i);
        EXPECT_EQ(picture.size(), QSize(360, 224)) << "viewer picture " << i;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    }
    EXPECT_EQ(artwork::aboutBanner().size(), QSize(300, 44));
    EXPECT_TRUE(artwork::viewerPicture(0).isNull());
    EXPECT_TRUE(artwork::viewerPicture(4).isNull());
}

TEST(BuiltInPictures, AreJpegFilesTheDecoderReads)
{
    for (const char *name : {"viewer1.jpg", "viewer2.jpg", "viewer3.jpg", "banner.jpg"}) {
        const QByteArray bytes = resourceBytes(name);
        ASSERT_GT(bytes.size(), 2) << name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8) << name;
        QString error;
        EXPECT_FALSE(jpeg::decode(bytes, &error).isNull()) << name;
        EXPECT_TRUE(error.isEmpty()) << name << ": " << error.toStdString();
    }
}

TEST(JpegDecoder, ColourLayoutsComeOutAsRgb)
{
    const int w = 16, h = 8;
    struct Layout
    {
        const char *what;
        JpegLayout layout;
        std::vector<std::uint8_t> pixel; // one pixel, repeated
        QRgb expected;
    };
    const Layout layouts[] = {
        {"grey", JpegLayout::Grey, {100}, qRgb(100, 100, 100)},
        {"rgb", JpegLayout::Rgb, {200, 40, 90}, qRgb(200, 40, 90)},
        // Adobe CMYK is stored inverted: 255 means no ink.
        {"cmyk red", JpegLayout::Cmyk, {255, 0, 0, 255}, qRgb(255, 0, 0)},
        {"cmyk half black", JpegLayout::Cmyk, {255, 255, 255, 128}, qRgb(128, 128, 128)},
    };
    for (const Layout &l : layouts) {
        std::vector<std::uint8_t> samples;
        for (int i = 0; i < w * h; ++i)
            samples.insert(samples.end(), l.pixel.begin(), l.pixel.end());
        const QByteArray jpeg = encodeTestJpeg(l.layout, w, h, samples);
        ASSERT_FALSE(jpeg.isEmpty()) << l.what;
        QString error;
        const QImage image = jpeg::decode(jpeg, &error);
        ASSERT_FALSE(image.isNull()) << l.what << ": " << error.toStdString();
        EXPECT_EQ(image.size(), QSize(w, h)) << l.what;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << l.what;
        EXPECT_TRUE(near(image.pixel(w / 2, h / 2), l.expected, 3))
            << l.what << ": got " << std::hex << image.pixel(w / 2, h / 2);
        EXPECT_EQ(qAlpha(image.pixel(w - 1, h - 1)), 255) << l.what;
    }
}

namespace {

struct BadInput
{
    const char *what;
    QByteArray (*make)(const QByteArray &good);
    const char *reasonContains;
};

QByteArray patched(QByteArray jpeg, qsizetype at, std::initializer_list<unsigned char> bytes)
{
    for (unsigned char b : bytes)
        jpeg[at++] = static_cast<char>(b);
    return jpeg;
}

// Size fields of the frame header: FF C0, length (2), precision (1), height, width.
QByteArray declaredSize(const QByteArray &good, int width, int height)
{
    const qsizetype sof = findMarker(good, 0xC0);
    return patched(good, sof + 5,
                   {static_cast<unsigned char>(height >> 8), static_cast<unsigned char>(height & 0xFF),
                    static_cast<unsigned char>(width >> 8), static_cast<unsigned char>(width & 0xFF)});
}

QByteArray scanData(const QByteArray &good)
{
    // Overwrite the middle of the entropy-coded data with noise that holds
    // stray markers.
    QByteArray bad = good;
    const qsizetype start = findMarker(good, 0xDA) + 20;
    unsigned state = 12345;
    for (qsizetype i = start; i < bad.size() - 4; ++i) {
        state = state * 1103515245u + 12345u;
        bad[i] = static_cast<char>(state >> 16);
    }
    return bad;
}

const BadInput kBadInputs[] = {
    {"empty", [](const QByteArray &) { return QByteArray(); }, "empty"},
    {"a bitmap", [](const QByteArray &) { return QByteArray("BM\x36\x00\x00\x00\x00\x00", 8); }, "Not a JPEG"},
    {"text", [](const QByteArray &) { return QByteArray("hello, picture"); }, "Not a JPEG"},
    {"start marker only", [](const QByteArray &g) { return g.left(2); }, ""},
    {"cut in the header", [](const QByteArray &g) { return g.left(100); }, ""},
    {"cut in the scan", [](const QByteArray &g) { return g.left(g.size() / 2); }, "Premature end"},
    {"cut before the last rows", [](const QByteArray &g) { return g.left(g.size() - 40); }, ""},
    {"start marker spoilt", [](const QByteArray &g) { return patched(g, 1, {0xD9}); }, "Not a JPEG"},
    {"bogus Huffman table",
     [](const QByteArray &g) { return patched(g, findMarker(g, 0xC4) + 5, {0xFF, 0xFF, 0xFF, 0xFF}); }, ""},
    {"zero width", [](const QByteArray &g) { return declaredSize(g, 0, 64); }, ""},
    {"wider than allowed", [](const QByteArray &g) { return declaredSize(g, 20000, 8); }, "too large"},
    {"more pixels than allowed", [](const QByteArray &g) { return declaredSize(g, 16384, 6200); }, "too large"},
    {"largest declared size", [](const QByteArray &g) { return declaredSize(g, 65535, 65535); }, ""},
    {"noise in the scan", scanData, ""},
};

class BadJpeg : public testing::TestWithParam<BadInput>
{
};

std::string badName(const testing::TestParamInfo<BadInput> &info)
{
    std::string name;
    for (const char *p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

} // namespace

TEST_P(BadJpeg, GivesANullPictureAndAReason)
{
    const BadInput &bad = GetParam();
    const QByteArray good = patternJpeg(64, 48);
    ASSERT_FALSE(jpeg::decode(good).isNull());
    QString error;
    const QImage image = jpeg::decode(bad.make(good), &error);
    EXPECT_TRUE(image.isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String(bad.reasonContains))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(JpegDecoder, BadJpeg, testing::ValuesIn(kBadInputs), badName);

TEST(JpegDecoder, MissingEndMarkerAloneIsKept)
{
    // Some writers leave out the end marker; every pixel is there all the same.
    for (bool progressive : {false, true}) {
        const QByteArray good = patternJpeg(64, 48, progressive);
        QString error;
        const QImage image = jpeg::decode(good.left(good.size() - 2), &error);
        EXPECT_EQ(image.size(), QSize(64, 48)) << progressive << ": " << error.toStdString();
        EXPECT_TRUE(error.isEmpty());
    }
}

TEST(JpegDecoder, ProgressiveCutBetweenScansIsRefused)
{
    // Cut just before a later scan: every scan present is whole, but the
    // picture lacks its refinements.
    const QByteArray good = patternJpeg(64, 48, true);
    ASSERT_FALSE(jpeg::decode(good).isNull());
    qsizetype scan = -1;
    int scans = 0;
    for (qsizetype at = findMarker(good, 0xDA); at >= 0; at = findMarker(good, 0xDA, at + 2)) {
        if (++scans == 4)
            scan = at;
    }
    ASSERT_GT(scans, 4);
    for (qsizetype cut : {scan, good.size() / 2}) {
        QString error;
        EXPECT_TRUE(jpeg::decode(good.left(cut), &error).isNull()) << "cut at " << cut;
        EXPECT_TRUE(error.contains(QLatin1String("Premature end"))) << error.toStdString();
    }
}

TEST(JpegDecoder, ErrorIsClearedOnSuccess)
{
    QString error = QStringLiteral("left over");
    EXPECT_FALSE(jpeg::decode(patternJpeg(8, 8), &error).isNull());
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(jpeg::decode(QByteArray("x")).isNull()); // no error pointer: still safe
}

class PictureFiles : public testing::Test
{
protected:
    QString write(const char *name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(PictureFiles, LoadsJpegAndBitmapByExtension)
{
    const QByteArray jpegBytes = patternJpeg(40, 30);
    for (const char *name : {"a.jpg", "b.JPEG", "c.jpe"}) {
        QString error;
        const QImage image = loadPicture(write(name, jpegBytes), &error);
        EXPECT_EQ(image.size(), QSize(40, 30)) << name << ": " << error.toStdString();
    }

    QImage bitmap(12, 9, QImage::Format_RGB32);
    bitmap.fill(qRgb(10, 200, 30));
    const QString bmpPath = m_dir.filePath(QStringLiteral("d.bmp"));
    ASSERT_TRUE(bitmap.save(bmpPath, "BMP"));
    QString error;
    const QImage loaded = loadPicture(bmpPath, &error);
    ASSERT_EQ(loaded.size(), QSize(12, 9)) << error.toStdString();
    EXPECT_EQ(loaded.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.pixel(5, 5), qRgb(10, 200, 30));
}

TEST_F(PictureFiles, FailuresNameTheFileAndTheReason)
{
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    const QString pngPath = m_dir.filePath(QStringLiteral("e.png"));
    ASSERT_TRUE(png.save(pngPath, "PNG"));
    QByteArray pngBytes;
    {
        QFile f(pngPath);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        pngBytes = f.readAll();
    }
    const struct
    {
        QString path;
        const char *reason;
    } cases[] = {
        {m_dir.filePath(QStringLiteral("missing.jpg")), "cannot open"},
        {write("empty.jpg", QByteArray()), "empty"},
        {write("png-inside.jpg", pngBytes), "Not a JPEG"},
        {write("cut.jpg", patternJpeg(40, 30).left(300)), ""},
        {pngPath, "not a JPEG or bitmap"},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_TRUE(loadPicture(c.path, &error).isNull()) << c.path.toStdString();
        const QString name = c.path.section(QLatin1Char('/'), -1);
        EXPECT_TRUE(error.startsWith(name + QStringLiteral(": "))) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    }
}

TEST_F(PictureFiles, LargePicturesComeOutReducedButNeverBelowTheSizeAskedFor)
{
    const QSize frame(180, 112);
    const struct {
        const char *name;
        QByteArray bytes;
        QSize atLeast;
        QSize out;
    } cases[] = {
        {"quarter.jpg", patternJpeg(800, 600), frame, QSize(200, 150)},     // an eighth would be 100 x 75
        {"eighth.jpg", patternJpeg(1600, 1000), frame, QSize(200, 125)},
        {"half.jpg", patternJpeg(400, 224), frame, QSize(200, 112)},
        {"small.jpg", patternJpeg(100, 50), frame, QSize(100, 50)},         // never enlarged
        {"whole.jpg", patternJpeg(800, 600), QSize(), QSize(800, 600)},      // nothing asked for
        {"progressive.jpg", patternJpeg(800, 600, true), frame, QSize(200, 150)},
        {"odd.jpg", patternJpeg(1441, 897), frame, QSize(181, 113)},       // sides rounded up
    };
    for (const auto &c : cases) {
        QString error;
        const QImage image = loadPicture(write(c.name, c.bytes), &error, c.atLeast);
        EXPECT_EQ(image.size(), c.out) << c.name << ": " << error.toStdString();
    }

    QImage bitmap(2000, 1000, QImage::Format_RGB32);
    bitmap.fill(qRgb(10, 200, 30));
    const QString bmpPath = m_dir.filePath(QStringLiteral("large.bmp"));
    ASSERT_TRUE(bitmap.save(bmpPath, "BMP"));
    const QImage reduced = loadPicture(bmpPath, nullptr, frame);
    EXPECT_EQ(reduced.size(), QSize(224, 112));
    EXPECT_EQ(reduced.pixel(100, 50), qRgb(10, 200, 30));
}
