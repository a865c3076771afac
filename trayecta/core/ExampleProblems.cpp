#include "trayecta/core/ExampleProblems.h"

#include "common/CoreText.h"

namespace trayecta {

namespace {

// Inputs by components, or by speed and angle; the rest of the fields stay empty.
InputTexts byComponents(const char *x0, const char *y0, const char *vx, const char *vy, const char *ax, const char *ay)
{
    InputTexts in;
    in.rx0 = x0, in.ry0 = y0, in.v0x = vx, in.v0y = vy;
    in.accelinicial = {ax, ay};
    return in;
}

InputTexts bySpeed(const char *x0, const char *y0, const char *speed, const char *angle, const char *ax, const char *ay)
{
    InputTexts in;
    in.rx0 = x0, in.ry0 = y0, in.vinicial = speed, in.angulo = angle;
    in.accelinicial = {ax, ay};
    return in;
}

constexpr VelocityMode kComponents = VelocityMode::Components;
constexpr VelocityMode kAngle = VelocityMode::SpeedAndAngle;

} // namespace

const std::vector<ExampleProblem> &exampleProblems()
{
    // clang-format off
    static const std::vector<ExampleProblem> problems{
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Llançament horitzontal des d'un penya-segat"),
         byComponents("0", "19,6", "10", "0", "0", "-9,8"), kComponents,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Des de dalt d'un penya-segat de 19,6 m d'altura es llança una pedra horitzontalment a 10 m/s "
                  "(g = 9,8 m/s²). a) Quant de temps triga a arribar a terra? b) A quina distància del peu del "
                  "penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Llançament vertical"),
         byComponents("0", "0", "0", "19,6", "0", "-9,8"), kComponents,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a "
                  "quina altura puja? b) Quant de temps és a l'aire? c) Amb quina velocitat torna a terra?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Abast màxim: llançament a 45°"),
         bySpeed("0", "0", "20", "45", "0", "-9,8"), kAngle,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Es xuta una pilota des de terra a 20 m/s formant 45° amb l'horitzontal (g = 9,8 m/s²). a) Quin és "
                  "l'abast? b) Quina altura màxima assoleix? c) Quant de temps és a l'aire? Proveu altres angles amb "
                  "la mateixa velocitat: n'hi ha cap que arribi més lluny?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Angles complementaris: 30°"),
         bySpeed("0", "0", "20", "30", "0", "-9,8"), kAngle,
         //: the statement of an example problem, as a textbook poses it; «Superposa les trajectòries» is the graph
         //: menu's item
         ORV_NOOP("trayecta::ExampleProblems",
                  "Es llança un projectil des de terra a 20 m/s formant 30° amb l'horitzontal (g = 9,8 m/s²). a) Quin "
                  "és l'abast? b) Quina altura màxima assoleix? Marqueu «Superposa les trajectòries» i llanceu-lo "
                  "també a 60°: què tenen en comú les dues trajectòries?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Angles complementaris: 60°"),
         bySpeed("0", "0", "20", "60", "0", "-9,8"), kAngle,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Es llança un projectil des de terra a 20 m/s formant 60° amb l'horitzontal (g = 9,8 m/s²). a) Quin "
                  "és l'abast? b) Quina altura màxima assoleix? c) Compareu-ho amb el llançament a 30°: quin dels "
                  "dos és més temps a l'aire?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Gravetat a la Lluna"),
         bySpeed("0", "0", "20", "45", "0", "-1,62"), kAngle,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Un astronauta llança una pedra a la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l'horitzontal. "
                  "a) Quin és l'abast? b) Quina altura màxima assoleix? c) Quant de temps és a l'aire? Compareu-ho "
                  "amb el mateix llançament a la Terra.")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Llançament des d'un pou"),
         bySpeed("0", "-5", "20", "60", "0", "-9,8"), kAngle,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Des del fons d'un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb "
                  "l'horitzontal (g = 9,8 m/s²). a) Quant de temps triga a sortir a l'altura del terra? b) A quina "
                  "distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat surt? d) Per què la "
                  "gràfica queda buida?")},
        {//: menu item and heading: the title of an example problem
         ORV_NOOP("trayecta::ExampleProblems", "Llançament amb vent en contra"),
         bySpeed("0", "0", "20", "45", "-2", "-9,8"), kAngle,
         //: the statement of an example problem, as a textbook poses it
         ORV_NOOP("trayecta::ExampleProblems",
                  "Es llança una pilota des de terra a 20 m/s formant 45° amb l'horitzontal, amb un vent en contra "
                  "que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l'abast? b) Amb "
                  "quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.")},
    };
    // clang-format on
    return problems;
}

std::string dataLine(const ExampleProblem &p)
{
    const InputTexts &in = p.inputs;
    const std::string velocity = p.mode == VelocityMode::Components
                                     ? "v₀ = (" + in.v0x + ", " + in.v0y + ") m/s"
                                     : "v₀ = " + in.vinicial + " m/s, θ = " + in.angulo + "°";
    return "x₀ = " + in.rx0 + " m · y₀ = " + in.ry0 + " m · " + velocity + " · a = (" + in.accelinicial[0] + ", "
           + in.accelinicial[1] + ") m/s²";
}

std::string answersLine(const ResultTexts &r)
{
    const auto shown = [](const std::optional<std::string> &text) { return text.value_or("—"); };
    return "T = " + shown(r.vuelo) + " s · R = " + shown(r.alcance) + " m · H = " + shown(r.altura) + " m · v = ("
           + shown(r.vimpactox) + ", " + shown(r.vimpactoy) + ") m/s · |v| = " + shown(r.modulo) + " m/s";
}

} // namespace trayecta
