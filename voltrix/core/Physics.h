#pragma once
// The force law and the integration of one animation step. A charged particle
// feels q·(E + v × B) while the electric field fills all space, or only q·E
// inside the confined region (and nothing outside it). The step is the explicit
// midpoint method: the velocity is advanced with the acceleration at the
// midpoint velocity, the position with the midpoint velocity itself. Every
// stored result is a float; each expression is evaluated in double and rounded
// once when stored. Lengths are integrated in metres: while "cm" is selected
// the step scales position and velocity by 0.01 before and by 100 after.
#include "voltrix/core/SimState.h"

namespace voltrix {

// PvR = PvA × PvB; each component's product difference is rounded once.
void PRODUCTO_VECTORIAL(SimState &s);

// Strict test against the region bounds (a point on a face is outside),
// x first, then y, then z. Coordinates in display units.
bool insideRegion(float x, float y, float z);

// The raw force law: Fx..Fz and ax..az from the state as it stands. The
// velocities are used unconverted. positionInMetres tells that the caller has
// scaled the position to metres while "cm" is selected (the step does), so the
// region test compares 100 × the position, rounded to float, with the bounds.
void ACELERACION(SimState &s, bool positionInMetres = false);

// The force law for every caller outside the step (panel handlers, charge
// timer, loading, region switch): in centimetres the velocities are taken in
// m/s for the call, so the magnetic term is never built from cm/s. The stored
// velocities are left exactly as they were.
void computeForceForDisplay(SimState &s);

// Steps 1-10 of one animation tick: t += dt, to SI in centimetres, first
// force evaluation (ax..az hold it afterwards, for the readout), midpoint
// velocity, midpoint force, position and velocity updates, back to display
// units. The caller then moves the scene, refreshes the panel and redraws.
void integrateStep(SimState &s);

// The control panel's unit box. No stored length is converted: the numbers
// count in the new unit from now on. Centimetres: the force is computed once
// with the velocities scaled to m/s and back (float rounding may show in the
// last bit), and in the confined mode Ez becomes 0.1; metres: Ez becomes 8 in
// the confined mode and nothing is computed.
void switchLengthUnit(SimState &s, LengthUnit unit);
inline constexpr float kConfinedEzMetres = 8.0f;
inline constexpr float kConfinedEzCentimetres = 0.1f;

} // namespace voltrix
