#pragma once
// Whether a radio holds a document: the bytes a write sends, compared with what a read brings
// back, and each difference named as a user knows it.
#include "image/Language.h"
#include "image/RadioImage.h"

#include <QStringList>

#include <utility>
#include <vector>

namespace zemtar::fleet {

// The image bytes a write sends, as (offset, length): rows 0-129 whole, rows 195-254 in their
// first 16 bytes, row 255 in its first 8.
const std::vector<std::pair<std::size_t, std::size_t>>& writtenAreas();

// True when every byte a write sends is equal in both images.
bool sameWrittenBytes(const RadioImage& file, const RadioImage& radio);

// One line per difference in the written bytes, in the order of the memory:
//   "channel 12: Rx Frequency: 145.12500 in the file, 146.00000 in the radio"
//   "Optional Features/Back Light: On in the file, Auto in the radio"
//   "0x0C20: 3F in the file, FF in the radio" (bytes no editor shows)
// In Chinese the cells, settings and values are named as the Chinese windows name them.
QStringList differences(const RadioImage& file, const RadioImage& radio, const QStringList& models,
                        Language lang = Language::English);

// The same lines for two images named otherwise ("... 145.12500 in a.dat, 146.00000 in b.dat"),
// over every byte of the image when `wholeImage` (two data files) instead of the written ones.
struct Sides {
    QString first, second;
    bool wholeImage = false;
};
QStringList differences(const RadioImage& first, const RadioImage& second, const QStringList& models, Language lang,
                        const Sides& sides);

} // namespace zemtar::fleet
