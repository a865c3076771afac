#pragma once
// The physics of Voltrix: one charged particle in two uniform fields, the
// step, and the values the force law derives for the displays. Every physical
// quantity is a 32-bit float; arithmetic may run wider, but each result is
// rounded to float when stored. A vector is three named scalars handled in x,
// y, z order. Lengths and velocities are held in the display unit (m or cm);
// fields, charge, mass, step and time are always SI. The unit is a value of
// the state like the others, so every core function reads it from here.
#include <array>

namespace voltrix {

enum class LengthUnit { Metre, Centimetre };

struct SimState {
    // Particle.
    float x = 0, y = 20, z = 40;
    float vx = 0, vy = 0, vz = 50;
    float x0 = 0, y0 = 20, z0 = 40;
    float vx0 = 0, vy0 = 0, vz0 = 50;
    float t = 0;

    // Fields (V/m, T), charge (C), mass (kg, never changed), step (s).
    float Ex = 0, Ey = 0, Ez = 0;
    float Bx = 2, By = 0, Bz = 0;
    float q = 1.0f;
    float m = 1.0f;
    float dt = 0.01f;
    // Charge change per tick while a charge button is held.
    float PasoQ = 0;
    // The display unit of lengths and velocities (not saved in files).
    LengthUnit unit = LengthUnit::Metre;

    // Derived by the force law and kept between ticks for the displays.
    float Fx = 0, Fy = 0, Fz = 0;
    float ax = 0, ay = 0, az = 0;
    float vxm = 0, vym = 0, vzm = 0;
    float Fxm = 0, Fym = 0, Fzm = 0;
    float axm = 0, aym = 0, azm = 0;

    // Cross-product workspace: PvR = PvA x PvB.
    std::array<float, 3> PvA{}, PvB{}, PvR{};

    // Confined electric-field region (display units; constants) and the mode:
    // while confined, E acts only inside the region and B is off.
    static constexpr float RegXmin = 40, RegXmax = 60;
    static constexpr float RegYmin = 40, RegYmax = 60;
    static constexpr float RegZmin = 40, RegZmax = 60;
    bool CampoConfinado = false;
};

} // namespace voltrix
