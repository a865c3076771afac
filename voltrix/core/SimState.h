#pragma once
// The whole simulation of Voltrix: one charged particle, two uniform fields,
// the step, the drawing factors and the little interaction state the windows
// share. Every physical quantity is a 32-bit float; arithmetic may run wider,
// but each result is rounded to float when stored. A vector is three named
// scalars handled in x, y, z order. Lengths and velocities are held in the
// display unit (m or cm); fields, charge, mass, step and time are always SI.
// The unit itself is the control panel's combo text, so functions that care
// take "cm selected" as a parameter instead of reading it from here.
//
// There is exactly one instance, `Sim`, owned by the main window's module and
// read and written directly by every window on the GUI thread.
#include <array>
#include <string>

namespace voltrix {

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

    // Derived by the force law and kept between ticks for the displays.
    float Fx = 0, Fy = 0, Fz = 0;
    float ax = 0, ay = 0, az = 0;
    float vxm = 0, vym = 0, vzm = 0;
    float Fxm = 0, Fym = 0, Fzm = 0;
    float axm = 0, aym = 0, azm = 0;

    // Cross-product workspace: PvR = PvA x PvB.
    std::array<float, 3> PvA{}, PvB{}, PvR{};

    // Drawing factors: world-box length per unit of each quantity.
    float FactorV = 1.0f, FactorA = 1.0f, FactorE = 10.0f, FactorB = 10.0f;
    float FactorActual = 1.0f;
    float PasoFactor = 0;

    // Confined electric-field region (display units; constants) and its mode.
    static constexpr float RegXmin = 40, RegXmax = 60;
    static constexpr float RegYmin = 40, RegYmax = 60;
    static constexpr float RegZmin = 40, RegZmax = 60;
    int CampoConfinado = 0;

    // Interaction state of the main window.
    float AnguloAlfa = 0, AnguloBeta = 0;
    float PasoAlfa = 0, PasoBeta = 0;
    float ZoomActual = 0.55f;
    float PasoZoom = 0;
    float PasoQ = 0;
    int ParpadeoActivo = 1;
    int ContParpadeo = 0, FaseParpadeo = 0;
    int UsarDatos = 0;
    // Last file chosen in the open or save dialog; kept whole, however long.
    std::string NombreFichero;
};

// The single instance shared by all windows.
extern SimState Sim;

} // namespace voltrix
