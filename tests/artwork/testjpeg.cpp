#include "testjpeg.h"

#include <csetjmp>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include <jpeglib.h>

namespace {

struct TestError
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<TestError *>(cinfo->err)->jump, 1);
}

// libjpeg's memory destination hands its buffer over only at the end; after an
// error (only a broken test causes one) the buffer is left alone.
// `row(y)` gives the samples of row y.
bool compress(J_COLOR_SPACE space, int components, int width, int height,
              const std::function<const std::uint8_t *(int)> &row, bool progressive, unsigned char **out,
              unsigned long *size)
{
    jpeg_compress_struct cinfo{};
    TestError err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto line = const_cast<JSAMPROW>(row(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QByteArray encodeTestJpeg(JpegLayout layout, int width, int height, const std::vector<std::uint8_t> &samples,
                          bool progressive)
{
    const int components = layout == JpegLayout::Grey ? 1 : layout == JpegLayout::Rgb ? 3 : 4;
    const J_COLOR_SPACE space = layout == JpegLayout::Grey ? JCS_GRAYSCALE : layout == JpegLayout::Rgb ? JCS_RGB
                                                                                                      : JCS_CMYK;
    if (samples.size() != std::size_t(width) * height * components)
        return {};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    QByteArray jpeg;
    const auto row = [&](int y) { return samples.data() + std::size_t(y) * width * components; };
    if (compress(space, components, width, height, row, progressive, &buffer, &size)) {
        jpeg = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
        std::free(buffer);
    }
    return jpeg;
}

QByteArray patternJpeg(int width, int height, bool progressive)
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb.push_back(std::uint8_t(x * 255 / std::max(1, width - 1)));
            rgb.push_back(std::uint8_t(y * 255 / std::max(1, height - 1)));
            rgb.push_back(std::uint8_t((x + y) % 64 < 32 ? 40 : 220));
        }
    }
    return encodeTestJpeg(JpegLayout::Rgb, width, height, rgb, progressive);
}

qsizetype findMarker(const QByteArray &jpeg, unsigned char code, qsizetype from)
{
    for (qsizetype i = from; i + 1 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && static_cast<unsigned char>(jpeg[i + 1]) == code)
            return i;
    }
    return -1;
}

QByteArray solidJpeg(int width, int height, QRgb colour)
{
    std::vector<std::uint8_t> line(std::size_t(width) * 3);
    for (std::size_t x = 0; x < std::size_t(width); ++x) {
        line[x * 3] = std::uint8_t(qRed(colour));
        line[x * 3 + 1] = std::uint8_t(qGreen(colour));
        line[x * 3 + 2] = std::uint8_t(qBlue(colour));
    }
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    QByteArray jpeg;
    if (compress(JCS_RGB, 3, width, height, [&](int) { return line.data(); }, false, &buffer, &size)) {
        jpeg = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
        std::free(buffer);
    }
    return jpeg;
}
