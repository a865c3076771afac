#include "SimState.h"

namespace voltrix {

SimState Sim;

} // namespace voltrix
