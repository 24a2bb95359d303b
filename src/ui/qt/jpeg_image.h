// JPEG reading and writing with libjpeg, for the help pages.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a whole JPEG file held in memory into an RGB32 image. Never exits
// and never writes to stderr: on empty, damaged or truncated data it returns
// false, leaves `out` null and, when `error` is given, puts a Turkish
// description there. With `leastWidth`, a larger picture is decoded at the
// smallest eighth of its size at least that wide (libjpeg's own scaling),
// which costs the memory of the smaller picture alone.
bool decodeJpeg(const QByteArray& data, QImage& out, QString* error, int leastWidth = 0);

// Encodes `image` as a baseline JPEG file at the given quality (1..100).
// Returns false (and leaves `out` empty) if the image is null or libjpeg fails.
bool encodeJpeg(const QImage& image, int quality, QByteArray& out);
