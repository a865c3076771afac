#pragma once
// Trayecta on the desktop and on the command line, in Catalan.
#include "common/CommandLine.h"

namespace trayecta {

const orvalis::ProgramIdentity &programIdentity();

} // namespace trayecta
