#pragma once
#include "RadioImage.h"

#include <QString>

class QIODevice;

namespace zemtar {

// The "*.dat" data file: exactly the 6144 image bytes, no header.
namespace DataFile {

// Reads the first 6144 bytes of the file into `image`. On any failure the image is
// untouched and `error` says why, naming the file.
bool load(const QString& path, RadioImage& image, QString* error);

// The same from and to any open device (a file, a pipe, a socket); `name` names it in a
// message. A device that fails part way leaves `image` untouched (read) or reports how far
// it got (write).
bool read(QIODevice& in, const QString& name, RadioImage& image, QString* error);
bool write(QIODevice& out, const QString& name, const RadioImage& image, QString* error);

// Writes the 6144 bytes atomically: a temporary file beside the target replaces it only
// when fully written, so a failed save leaves the old file as it was.
bool save(const QString& path, const RadioImage& image, QString* error);

} // namespace DataFile
} // namespace zemtar
