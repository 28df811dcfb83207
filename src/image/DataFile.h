#pragma once
#include "RadioImage.h"

#include <QString>

namespace zemtar {

// The "*.dat" data file: exactly the 6144 image bytes, no header.
namespace DataFile {

// Reads the first 6144 bytes of the file into `image`. On any failure the image is
// untouched and `error` says why, naming the file.
bool load(const QString& path, RadioImage& image, QString* error);

// Writes the 6144 bytes atomically: a temporary file beside the target replaces it only
// when fully written, so a failed save leaves the old file as it was.
bool save(const QString& path, const RadioImage& image, QString* error);

} // namespace DataFile
} // namespace zemtar
