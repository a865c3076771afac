#include "voltrix/core/ExperimentReport.h"

#include "voltrix/core/NumberText.h"

namespace voltrix {

namespace {

std::string vector3(float x, float y, float z)
{
    return "(" + formatShortest(x) + ", " + formatShortest(y) + ", " + formatShortest(z) + ")";
}

} // namespace

std::vector<ReportRow> setUpRows(const SimState &s)
{
    const bool cm = s.unit == LengthUnit::Centimetre;
    const std::string length = cm ? "cm" : "m";
    const std::string speed = length + "/s";
    const std::string region = "(" + formatShortest(SimState::RegXmin) + " ≤ x, y, z ≤ "
                               + formatShortest(SimState::RegXmax) + " " + length + ")";
    return {
        {"Posición inicial r₀", vector3(s.x0, s.y0, s.z0), length},
        {"Velocidad inicial v₀", vector3(s.vx0, s.vy0, s.vz0), speed},
        {"Posición r", vector3(s.x, s.y, s.z), length},
        {"Velocidad v", vector3(s.vx, s.vy, s.vz), speed},
        {"Campo eléctrico E", vector3(s.Ex, s.Ey, s.Ez), "V/m"},
        {"Campo magnético B", vector3(s.Bx, s.By, s.Bz), "T"},
        {"Carga q", formatShortest(s.q), "C"},
        {"Masa m", formatShortest(s.m), "kg"},
        {"Paso de tiempo Δt", formatShortest(s.dt), "s"},
        {"Tiempo t", format32(s.t), "s"},
        {"Unidad de longitud", length, ""},
        {"Región del campo eléctrico", s.CampoConfinado ? "Confinado" : "En todo el espacio",
         s.CampoConfinado ? region : ""},
    };
}

std::vector<std::string> guideSummary(const ClassicExperiment &e)
{
    std::vector<std::string> lines = guideLines(e);
    // The title heads the report and the set-up has its own table.
    lines.erase(lines.begin(), lines.begin() + 2);
    return lines;
}

} // namespace voltrix
