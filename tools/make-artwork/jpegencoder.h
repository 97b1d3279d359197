#pragma once
// JPEG encoding through libjpeg, for the artwork generator.
#include <QByteArray>
#include <QImage>
#include <QString>

// The picture as a baseline JPEG of the given quality (1..100), full colour
// resolution (no chroma subsampling, so that thin lines and text stay clean).
// Empty, with the reason in *error, when libjpeg refuses.
QByteArray encodeJpeg(const QImage &image, int quality, QString *error = nullptr);
