#include "jpegdecoder.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace jpeg {

namespace {

// Progressive files can hold any number of scans, each a full pass over the
// picture; a few hundred is far beyond any real encoder's output.
constexpr int kMaxScans = 500;

// The most libjpeg may hold for one picture. Progressive pictures keep every
// coefficient of the whole picture until the last scan; one too large for
// this gives up with a reason instead of taking the machine's memory.
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

// The smallest reduction libjpeg offers (1/8, 1/4, 1/2, or none) that still
// covers `atLeast`; libjpeg rounds a reduced side up.
unsigned reductionFor(JDIMENSION width, JDIMENSION height, QSize atLeast)
{
    if (!atLeast.isValid())
        return 1;
    for (unsigned denominator : {8u, 4u, 2u}) {
        const qint64 w = (qint64(width) + denominator - 1) / denominator;
        const qint64 h = (qint64(height) + denominator - 1) / denominator;
        if (w >= atLeast.width() && h >= atLeast.height())
            return denominator;
    }
    return 1;
}

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to decodeInto, which then frees everything libjpeg holds. No
// C++ object with a destructor lives in the frames the jump leaves.
struct ErrorManager
{
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool damaged;       // a warning said that pixel data is missing or wrong
    char damage[JMSG_LENGTH_MAX];
    bool ranDry;        // the data ended before an end marker
    char dry[JMSG_LENGTH_MAX];
};

ErrorManager *manager(j_common_ptr cinfo)
{
    return reinterpret_cast<ErrorManager *>(cinfo->err);
}

[[noreturn]] void onError(j_common_ptr cinfo)
{
    ErrorManager *err = manager(cinfo);
    // libjpeg asks for a backing store when a picture needs more memory
    // than it may take; say so in the picture's terms.
    if (cinfo->err->msg_code == JERR_NO_BACKING_STORE)
        std::snprintf(err->message, sizeof err->message, "The picture needs more than %ld MB to decode",
                      kMaxDecoderMemory / (1024 * 1024));
    else
        (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings that mean the decoded pixels are not the picture: coded data ran
// out where it was needed, or it is broken. Others (stray bytes between
// segments, odd but readable headers) are common in real files and harmless.
// Running out of data as such (JWRN_JPEG_EOF) is judged after decoding: a
// file that only lacks its end marker has every pixel.
bool spoilsPixels(int code)
{
    switch (code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
        return true;
    default:
        return false;
    }
}

void onMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace output
    ErrorManager *err = manager(cinfo);
    ++cinfo->err->num_warnings;
    if (!err->damaged && spoilsPixels(cinfo->err->msg_code)) {
        err->damaged = true;
        (*cinfo->err->format_message)(cinfo, err->damage);
    }
    if (!err->ranDry && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        err->ranDry = true;
        (*cinfo->err->format_message)(cinfo, err->dry);
    }
}

// After a progressive picture ran dry: whether every coefficient of every
// component got its last refinement (libjpeg keeps, per coefficient, the
// lowest bit position decoded so far, -1 for none). A cut between two scans
// leaves some short of bit 0 although no scan itself was cut.
bool progressiveComplete(j_decompress_ptr cinfo)
{
    if (!cinfo->coef_bits)
        return false;
    for (int c = 0; c < cinfo->num_components; ++c) {
        for (int k = 0; k < DCTSIZE2; ++k) {
            if (cinfo->coef_bits[c][k] != 0)
                return false;
        }
    }
    return true;
}

void onProgress(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor)
        return;
    auto *dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > kMaxScans) {
        ErrorManager *err = manager(cinfo);
        std::snprintf(err->message, sizeof err->message, "Too many scans in a progressive JPEG (more than %d)",
                      kMaxScans);
        std::longjmp(err->jump, 1);
    }
}

bool supportedColorSpace(J_COLOR_SPACE space)
{
    switch (space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
    case JCS_CMYK:
    case JCS_YCCK:
        return true;
    default:
        return false;
    }
}

constexpr J_COLOR_SPACE kRgb32Layout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// CMYK as Adobe stores it (inverted: 255 is no ink) or plainly (255 is full
// ink), to RGB by the usual subtractive approximation.
void cmykRowToRgb32(const JSAMPLE *in, QRgb *out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, in += 4) {
        int c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// The decoding itself. Everything that must survive a jump back to the
// setjmp point lives outside this frame (out, why) or in memory libjpeg
// writes through pointers (cinfo, err).
bool decodeInto(const unsigned char *bytes, unsigned long size, QSize atLeast, QImage *out, QString *why)
{
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager err;
    std::memset(&err, 0, sizeof err);
    jpeg_progress_mgr progress;
    std::memset(&progress, 0, sizeof progress);

    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.emit_message = onMessage;
    progress.progress_monitor = onProgress;

    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        *out = QImage();
        *why = QString::fromLatin1(err.message);
        return false;
    }

    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxDecoderMemory;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, bytes, size);
    jpeg_read_header(&cinfo, TRUE);

    const JDIMENSION width = cinfo.image_width;
    const JDIMENSION height = cinfo.image_height;
    if (width > JDIMENSION(kMaxSide) || height > JDIMENSION(kMaxSide) ||
        qint64(width) * qint64(height) > kMaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        *why = QStringLiteral("The picture is too large (%1 x %2 pixels; at most %3 per side and %4 in all)")
                   .arg(width)
                   .arg(height)
                   .arg(kMaxSide)
                   .arg(kMaxPixels);
        return false;
    }
    if (!supportedColorSpace(cinfo.jpeg_color_space)) {
        jpeg_destroy_decompress(&cinfo);
        *why = QStringLiteral("Unsupported JPEG colour layout (%1 components)").arg(cinfo.num_components);
        return false;
    }

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : kRgb32Layout;
    cinfo.scale_num = 1;
    cinfo.scale_denom = reductionFor(width, height, atLeast);
    jpeg_calc_output_dimensions(&cinfo);
    const JDIMENSION outWidth = cinfo.output_width;
    const JDIMENSION outHeight = cinfo.output_height;
    jpeg_start_decompress(&cinfo);

    const int expectedComponents = 4; // BGRX / XRGB, or CMYK
    if (cinfo.output_width != outWidth || cinfo.output_height != outHeight ||
        cinfo.output_components != expectedComponents) {
        jpeg_destroy_decompress(&cinfo);
        *why = QStringLiteral("Unexpected JPEG output layout");
        return false;
    }

    *out = QImage(int(outWidth), int(outHeight), QImage::Format_RGB32);
    if (out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        *why = QStringLiteral("Not enough memory for a %1 x %2 picture").arg(outWidth).arg(outHeight);
        return false;
    }

    JSAMPARRAY cmykRow = nullptr;
    if (cmyk)
        cmykRow = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, outWidth * 4, 1);

    while (cinfo.output_scanline < cinfo.output_height) {
        const int row = int(cinfo.output_scanline);
        auto *line = reinterpret_cast<QRgb *>(out->scanLine(row));
        JSAMPROW target = cmyk ? cmykRow[0] : reinterpret_cast<JSAMPROW>(line);
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
            break; // only a suspending source returns no row; the memory source never suspends
        if (cmyk)
            cmykRowToRgb32(cmykRow[0], line, outWidth, cinfo.saw_Adobe_marker);
    }

    // Damage seen while the rows were made spoils the picture; so does a
    // progressive picture whose later scans are missing. A missing end marker
    // or anything after the last row does not.
    const bool rows = cinfo.output_scanline == cinfo.output_height;
    const bool scans = !err.ranDry || !cinfo.progressive_mode || progressiveComplete(&cinfo);
    if (err.damaged || !rows || !scans) {
        jpeg_destroy_decompress(&cinfo);
        *out = QImage();
        // A cut file usually also breaks its last scan; name the cause.
        if (err.ranDry)
            *why = QString::fromLatin1(err.dry);
        else if (err.damaged)
            *why = QString::fromLatin1(err.damage);
        else
            *why = QStringLiteral("The picture data ended early");
        return false;
    }
    jpeg_destroy_decompress(&cinfo); // also drops whatever follows the last row
    return true;
}

} // namespace

QImage decode(const QByteArray &data, QString *error, QSize atLeast)
{
    QString why;
    QImage image;
    if (data.isEmpty())
        why = QStringLiteral("No picture data (empty)");
    else if (!decodeInto(reinterpret_cast<const unsigned char *>(data.constData()),
                         static_cast<unsigned long>(data.size()), atLeast, &image, &why))
        image = QImage();
    if (error)
        *error = image.isNull() ? why : QString();
    return image;
}

QImage decodeFile(const QString &path, QString *error, QSize atLeast)
{
    const QString name = QFileInfo(path).fileName();
    auto fail = [&](const QString &why) {
        if (error)
            *error = name + QStringLiteral(": ") + why;
        return QImage();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open the file (%1)").arg(file.errorString()));
    if (file.size() > kMaxFileBytes)
        return fail(QStringLiteral("the file is too large (%1 bytes)").arg(file.size()));
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("cannot read the file (%1)").arg(file.errorString()));
    if (data.isEmpty())
        return fail(QStringLiteral("the file is empty"));
    if (data.size() > kMaxFileBytes)
        return fail(QStringLiteral("the file is too large"));
    QString why;
    QImage image = decode(data, &why, atLeast);
    if (image.isNull())
        return fail(why);
    if (error)
        error->clear();
    return image;
}

} // namespace jpeg

namespace {

QImage loadBitmap(const QString &path, QString *error, QSize atLeast)
{
    const QString name = QFileInfo(path).fileName();
    auto fail = [&](const QString &why) {
        if (error)
            *error = name + QStringLiteral(": ") + why;
        return QImage();
    };
    QImageReader reader(path, "bmp");
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > jpeg::kMaxSide || size.height() > jpeg::kMaxSide ||
                           qint64(size.width()) * size.height() > jpeg::kMaxPixels))
        return fail(QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height()));
    // Qt's bitmap reader reads the whole picture, within Qt's own
    // allocation limit; only a reduced copy is kept.
    QImage image = reader.read();
    if (image.isNull())
        return fail(reader.errorString());
    if (error)
        error->clear();
    if (atLeast.isValid() && (image.width() > 2 * atLeast.width() || image.height() > 2 * atLeast.height()))
        image = image.scaled(atLeast.expandedTo(QSize(1, 1)), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage loadPicture(const QString &path, QString *error, QSize atLeast)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg" || suffix == u"jpe" || suffix == u"jfif")
        return jpeg::decodeFile(path, error, atLeast);
    if (suffix == u"bmp")
        return loadBitmap(path, error, atLeast);
    if (error)
        *error = QFileInfo(path).fileName() + QStringLiteral(": not a JPEG or bitmap picture");
    return {};
}
