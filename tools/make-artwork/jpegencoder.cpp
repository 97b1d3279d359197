#include "jpegencoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// A destination that fills a fixed block and hands each full block to a
// growing byte vector owned by the caller, so nothing is lost or freed twice
// whichever way the compression ends.
struct Destination
{
    jpeg_destination_mgr pub; // first, as libjpeg expects
    std::vector<unsigned char> *out;
    unsigned char block[16384];
};

void startDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<Destination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->block;
    dest->pub.free_in_buffer = sizeof dest->block;
}

boolean flushBlock(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<Destination *>(cinfo->dest);
    dest->out->insert(dest->out->end(), dest->block, dest->block + sizeof dest->block);
    dest->pub.next_output_byte = dest->block;
    dest->pub.free_in_buffer = sizeof dest->block;
    return TRUE;
}

void finishDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<Destination *>(cinfo->dest);
    const std::size_t used = sizeof dest->block - dest->pub.free_in_buffer;
    dest->out->insert(dest->out->end(), dest->block, dest->block + used);
}

// Everything the jump back must not lose lives outside this frame or in
// memory libjpeg writes through pointers. `rgb` holds the rows, tightly packed.
bool compress(const unsigned char *rgb, int width, int height, int quality, std::vector<unsigned char> *out,
              QString *why)
{
    Destination dest;
    std::memset(&dest, 0, sizeof dest);
    dest.out = out;
    dest.pub.init_destination = startDestination;
    dest.pub.empty_output_buffer = flushBlock;
    dest.pub.term_destination = finishDestination;
    jpeg_compress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager err;
    std::memset(&err, 0, sizeof err);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        *why = QString::fromLatin1(err.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    cinfo.dest = &dest.pub;
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = std::size_t(width) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality, QString *error)
{
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("no picture");
        return {};
    }
    const QImage rgbImage = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgbImage.width();
    const int height = rgbImage.height();
    std::vector<unsigned char> rows(std::size_t(width) * 3 * std::size_t(height));
    for (int y = 0; y < height; ++y)
        std::memcpy(rows.data() + std::size_t(y) * width * 3, rgbImage.constScanLine(y), std::size_t(width) * 3);

    std::vector<unsigned char> bytes;
    QString why;
    const bool ok = compress(rows.data(), width, height, quality, &bytes, &why);
    QByteArray jpeg;
    if (ok)
        jpeg = QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    if (error)
        *error = ok ? QString() : why;
    return jpeg;
}
