#pragma once
// Voltrix on the desktop and on the command line, in Spanish.
#include "common/CommandLine.h"

namespace voltrix {

const orvalis::ProgramIdentity &programIdentity();

} // namespace voltrix
