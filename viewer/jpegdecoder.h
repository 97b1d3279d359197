#pragma once
// JPEG pictures through libjpeg, and the picture loader of the viewer.
//
// Picture files are untrusted: a corrupt, truncated or empty file, a file that
// is not a JPEG, or one that declares a size the panel will not allocate gives
// a null image and a sentence saying why, never a crash. Grey and CMYK
// pictures come out as ordinary colour pictures.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace jpeg {

// Largest picture accepted: per side, and in total pixels.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 100'000'000;
// Largest file read into memory.
constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

// The picture in `data` as Format_RGB32, or a null image with the reason in
// *error (when error is given). With `atLeast` given, a large picture is
// reduced while it is decoded (to a half, a quarter or an eighth of its
// sides) as far as it still covers that size, so a picture for a small frame
// never takes the memory of its full size.
QImage decode(const QByteArray &data, QString *error = nullptr, QSize atLeast = {});

// The same for a file; the reason then starts with the file's name.
QImage decodeFile(const QString &path, QString *error = nullptr, QSize atLeast = {});

} // namespace jpeg

// A picture file for the viewer, by its extension: .jpg, .jpeg, .jpe and .jfif
// through the JPEG decoder, .bmp through Qt, both as Format_RGB32 and under the
// same size limits. Anything else, or a file that fails, gives a null image
// and the reason in *error. With `atLeast` given, a large picture comes back
// reduced, though never below that size.
QImage loadPicture(const QString &path, QString *error = nullptr, QSize atLeast = {});
