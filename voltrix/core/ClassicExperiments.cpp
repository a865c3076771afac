#include "voltrix/core/ClassicExperiments.h"

#include <numbers>
#include <utility>

#include "common/CoreText.h"
#include "voltrix/core/NumberText.h"

namespace voltrix {

namespace {

constexpr double kPi = std::numbers::pi;
using B = MagnitudeBox;

// A coordinate of the particle at a time: x, y, z, vx, vy, vz.
Prediction at(const char *symbol, double value, const char *unit, int component, double t)
{
    return {symbol, value, unit, std::nullopt, component, t};
}

std::string number(double value) { return formatSignificant(value + 0.0, kMagnitudeDigits); }

std::string vector3(const Point3 &p) { return "(" + number(p.x) + ", " + number(p.y) + ", " + number(p.z) + ")"; }

} // namespace

const std::vector<ClassicExperiment> &classicExperiments()
{
    // clang-format off
    static const std::vector<ClassicExperiment> experiments{
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Movimiento circular en un campo magnético (q > 0)"),
         {50, 20, 50}, {0, 0, 60}, {0, 0, 0}, {2, 0, 0}, 1, false, 0.01f, {0, 0}, 0.55f,
         {{"ω", 2, "rad/s", B::AngularFrequency}, {"T", kPi, "s", B::Period}, {"R", 30, "m", B::Radius},
          {"|v|", 60, "m/s", B::Speed}},
         ORV_NOOP("voltrix::ClassicExperiments",
             "La velocidad es perpendicular a B: la fuerza q·v×B, siempre perpendicular a la velocidad, la hace "
             "girar sin cambiar su rapidez, en una circunferencia del plano x = 50."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B)."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» (frecuencia angular, periodo, radio) y en «Gráficas»: y, z oscilan con "
             "periodo T y la energía cinética no cambia."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: si duplicas la velocidad, ¿qué les pasa al radio y al periodo?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Movimiento circular con carga negativa (q < 0)"),
         {50, 80, 50}, {0, 0, 60}, {0, 0, 0}, {2, 0, 0}, -1, false, 0.01f, {0, 0}, 0.55f,
         {{"ω", 2, "rad/s", B::AngularFrequency}, {"T", kPi, "s", B::Period}, {"R", 30, "m", B::Radius}},
         ORV_NOOP("voltrix::ClassicExperiments",
             "La misma velocidad y el mismo campo con la carga cambiada de signo: la fuerza q·v×B apunta al otro "
             "lado y la partícula gira en sentido contrario."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» y compara el sentido de giro con el de q > 0."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿por qué cambia el sentido de giro y no cambian ni el radio ni el periodo?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Hélice"),
         {10, 20, 50}, {10, 0, 60}, {0, 0, 0}, {2, 0, 0}, 1, false, 0.01f, {330, 15}, 0.5f,
         {{"R", 30, "m", B::Radius}, {"T", kPi, "s", B::Period}, {"p", 10 * kPi, "m", B::Pitch}},
         ORV_NOOP("voltrix::ClassicExperiments",
             "La velocidad tiene una parte a lo largo de B (10 m/s), que el campo no cambia, y otra perpendicular "
             "(60 m/s), que gira: la partícula avanza en hélice a lo largo del eje x."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» (radio, periodo, paso) y en «Gráficas»: x crece a ritmo constante."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿qué componente de la velocidad decide el paso y cuál el radio?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Parábola en un campo eléctrico"),
         {50, 10, 10}, {0, 10, 40}, {0, 0, -10}, {0, 0, 0}, 1, false, 0.01f, {0, 0}, 0.55f,
         {{"a", 10, "m/s²", B::Acceleration}, at("z(4 s)", 90, "m", 2, 4), at("vz(4 s)", 0, "m/s", 5, 4),
          at("y(8 s)", 90, "m", 1, 8), at("z(8 s)", 10, "m", 2, 8)},
         ORV_NOOP("voltrix::ClassicExperiments",
             "Sin campo magnético, la fuerza q·E es constante, como el peso: la partícula describe una parábola "
             "en el plano x = 50."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: a = q·E/m; la altura máxima llega en t = vz/a y el vuelo dura 2·vz/a."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» (aceleración) y en «Gráficas»: vy es constante y vz baja en línea recta."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿cómo cambiaría la parábola con una carga de 2 C? ¿Y con una de -1 C?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Campos eléctrico y magnético paralelos"),
         {10, 20, 50}, {0, 0, 60}, {2, 0, 0}, {2, 0, 0}, 1, false, 0.01f, {330, 15}, 0.5f,
         {{"R", 30, "m", B::Radius}, {"T", kPi, "s", B::Period}, at("x(T)", 10 + kPi * kPi, "m", 0, kPi),
          at("x(2T)", 10 + 4 * kPi * kPi, "m", 0, 2 * kPi)},
         ORV_NOOP("voltrix::ClassicExperiments",
             "E y B a lo largo del eje x: B hace girar la velocidad perpendicular y E acelera la partícula a lo "
             "largo del eje, así que la hélice se estira vuelta a vuelta."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la vuelta k avanza (2k - 1)·a∥·T²/2."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Gráficas»: x crece como una parábola y vx en línea recta; el radio no cambia."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿por qué no cambia el radio de las vueltas aunque la partícula va cada vez más deprisa?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Deriva E×B desde el reposo (cicloide)"),
         {50, 10, 40}, {0, 0, 0}, {0, 0, 20}, {2, 0, 0}, 1, false, 0.01f, {0, 0}, 0.55f,
         {{"|vd|", 10, "m/s", B::DriftSpeed}, {"T", kPi, "s", B::Period}, at("y(T)", 10 + 10 * kPi, "m", 1, kPi),
          at("z(T/2)", 50, "m", 2, kPi / 2)},
         ORV_NOOP("voltrix::ClassicExperiments",
             "La partícula parte del reposo con E perpendicular a B: el campo eléctrico la acelera, el magnético la "
             "curva, y el centro de su giro deriva a velocidad constante: describe una cicloide."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T y sube 2·vd/ω."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» (deriva) y en «Gráficas»: la rapidez vuelve a 0 al final de cada arco."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿hacia dónde deriva si la carga es negativa?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Selector de velocidades"),
         {50, 10, 50}, {0, 10, 0}, {0, 0, 20}, {2, 0, 0}, 1, false, 0.01f, {0, 0}, 0.55f,
         {{"E/B", 10, "m/s", B::DriftSpeed}, {"|F|", 0, "N", B::Force}, at("z(6 s)", 50, "m", 2, 6)},
         ORV_NOOP("voltrix::ClassicExperiments",
             "E y B perpendiculares, y la partícula entra con v = E/B: las fuerzas eléctrica y magnética se anulan "
             "y sigue en línea recta."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: q·E + q·v×B = 0 cuando v = E/B."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Magnitudes» (fuerza nula) y en «Gráficas»: z no cambia."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: cambia Vy a 12 en el panel: ¿hacia dónde se desvía? ¿Y con Vy = 8?")},
        //: a set-up in the «Experiencias» menu; also the title of its guide and report
        {ORV_NOOP("voltrix::ClassicExperiments", "Desviación entre placas (campo confinado)"),
         {50, 10, 45}, {0, 10, 0}, {0, 0, 5}, {0, 0, 0}, 1, true, 0.01f, {0, 0}, 0.55f,
         {at("z(5 s)", 55, "m", 2, 5), at("vz(5 s)", 10, "m/s", 5, 5)},
         ORV_NOOP("voltrix::ClassicExperiments",
             "El campo eléctrico solo actúa entre las placas amarillas (y de 40 a 60 m): dentro, la partícula se "
             "desvía en parábola; fuera, sigue en línea recta."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Predice: dentro pasa t = 20 m / 10 m/s = 2 s, se desvía Δz = q·E·t²/(2·m) y sale con vz = q·E·t/m."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Compruébalo en «Gráficas»: vz crece entre t = 3 s y t = 5 s y después se queda constante."),
         ORV_NOOP("voltrix::ClassicExperiments",
             "Pregunta: ¿con qué ángulo sale? ¿Cómo cambiaría si entrara el doble de rápida?")},
    };
    // clang-format on
    return experiments;
}

SimState classicState(const ClassicExperiment &e, const SimState &current)
{
    SimState s = current;
    s.x = e.position.x, s.y = e.position.y, s.z = e.position.z;
    s.vx = e.velocity.x, s.vy = e.velocity.y, s.vz = e.velocity.z;
    s.Ex = e.electric.x, s.Ey = e.electric.y, s.Ez = e.electric.z;
    s.Bx = e.magnetic.x, s.By = e.magnetic.y, s.Bz = e.magnetic.z;
    s.q = e.q;
    s.t = 0;
    s.dt = e.dt;
    s.CampoConfinado = e.confined;
    s.unit = LengthUnit::Metre;
    return s;
}

std::string setupLine(const ClassicExperiment &e)
{
    return "r₀ = " + vector3(e.position) + " m · v₀ = " + vector3(e.velocity) + " m/s · E = " + vector3(e.electric)
           + " V/m · B = " + vector3(e.magnetic) + " T · q = " + number(e.q) + " C";
}

std::string predictionLine(const ClassicExperiment &e)
{
    std::string line;
    for (const Prediction &p : e.predictions) {
        if (!line.empty())
            line += " · ";
        line += std::string(p.symbol) + " = " + number(p.value) + " " + p.unit;
    }
    return line;
}

std::vector<std::string> guideLines(const ClassicExperiment &e)
{
    // The table's texts are marked there; here they are looked up.
    const auto text = [](const char *marked) { return orvalis::coreText("voltrix::ClassicExperiments", marked); };
    //: the guide's set-up line; %1 is the set-up in symbols and numbers ("r₀ = (50, 20, 50) m · …")
    std::string setUp =
        orvalis::fillText(orvalis::coreText("voltrix::ClassicExperiments", "Montaje: %1"), {setupLine(e)});
    return {text(e.title),     std::move(setUp), text(e.setting), text(e.formula),
            predictionLine(e), text(e.check),    text(e.question)};
}

} // namespace voltrix
