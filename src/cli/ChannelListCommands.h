#pragma once
// The commands that bring channel lists in and out and compare data files.
#include "CliCommon.h"

namespace zemtar::cli {
extern const Command exportCommand, diffCommand, textCommand;
}
