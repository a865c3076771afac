#pragma once
// "Inicia": the fixed starting situation of each field mode. In all space the
// particle starts at (0, 20, 40) with velocity (0, 0, 50) in B = (2, 0, 0),
// no E, dt = 0.01 s and the acceleration drawn at its own length; confined,
// it starts at (50, 0, 50) moving along +y towards the region, with Ez = 8 V/m
// (0.1 while lengths count in centimetres), dt = 0.05 s and the acceleration
// drawn ten times longer, B kept as it is. The time restarts from 0 and the
// force follows the new state. Left alone: the start values x0 .. vz0, the
// charge, the unit, the field mode and the other drawing factors.
#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/SimState.h"

namespace voltrix {

void applyPreset(SimState &s, DrawingFactors &f);

} // namespace voltrix
