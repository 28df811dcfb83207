#pragma once
// What the builders of the settings pages (Settings.cpp, Signalling.cpp) share: the field
// types by their short names and the UTF-8 literal helper for the Chinese texts.
#include "fields/Page.h"

namespace zemtar::editors::building {

using fields::Context;
using fields::Field;
using fields::Kind;
using fields::Page;

inline QString u(const char* s) { return QString::fromUtf8(s); }

} // namespace zemtar::editors::building
