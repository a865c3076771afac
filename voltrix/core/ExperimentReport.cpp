#include "voltrix/core/ExperimentReport.h"

#include "common/CoreText.h"
#include "voltrix/core/NumberText.h"

namespace voltrix {

using orvalis::coreText;

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
    //: the electric field's region in the report: only between the plates
    const std::string confined = coreText("voltrix::ExperimentReport", "Confinado");
    //: the electric field's region in the report: the whole box
    const std::string everywhere = coreText("voltrix::ExperimentReport", "En todo el espacio");
    return {
        {coreText("voltrix::ExperimentReport", "Posición inicial r₀"), vector3(s.x0, s.y0, s.z0), length},
        {coreText("voltrix::ExperimentReport", "Velocidad inicial v₀"), vector3(s.vx0, s.vy0, s.vz0), speed},
        {coreText("voltrix::ExperimentReport", "Posición r"), vector3(s.x, s.y, s.z), length},
        {coreText("voltrix::ExperimentReport", "Velocidad v"), vector3(s.vx, s.vy, s.vz), speed},
        {coreText("voltrix::ExperimentReport", "Campo eléctrico E"), vector3(s.Ex, s.Ey, s.Ez), "V/m"},
        {coreText("voltrix::ExperimentReport", "Campo magnético B"), vector3(s.Bx, s.By, s.Bz), "T"},
        {coreText("voltrix::ExperimentReport", "Carga q"), formatShortest(s.q), "C"},
        {coreText("voltrix::ExperimentReport", "Masa m"), formatShortest(s.m), "kg"},
        {coreText("voltrix::ExperimentReport", "Paso de tiempo Δt"), formatShortest(s.dt), "s"},
        {coreText("voltrix::ExperimentReport", "Tiempo t"), format32(s.t), "s"},
        {coreText("voltrix::ExperimentReport", "Unidad de longitud"), length, ""},
        {coreText("voltrix::ExperimentReport", "Región del campo eléctrico"), s.CampoConfinado ? confined : everywhere,
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
