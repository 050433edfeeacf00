#pragma once

#include "cli/command.h"

namespace quvolo::cli {

// One definition per file in this folder; main.cpp lists them.
extern const Command fetch_command;
extern const Command catalogue_command;
extern const Command deals_command;

}  // namespace quvolo::cli
