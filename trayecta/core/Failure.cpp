#include "trayecta/core/Failure.h"

namespace trayecta {

std::string failureDescription(Failure failure)
{
    switch (failure) {
    case Failure::NotANumber: return "un camp no conté un nombre vàlid.";
    case Failure::DivisionByZero: return "divisió per zero (l'acceleració vertical no pot ser 0).";
    case Failure::NeverReachesGround: return "el mòbil no arriba mai a l'altura 0 (no hi ha impacte amb el terra).";
    case Failure::NoImpactAfterLaunch:
        return "el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).";
    case Failure::Overflow: return "desbordament: un valor és massa gran per calcular-lo.";
    case Failure::ZeroScale: return "l'escala de la gràfica no pot ser 0.";
    }
    return "error desconegut.";
}

std::string failureReportText(Failure failure)
{
    return "Impossible realitzar càlcul.\r\nTipo de error: " + failureDescription(failure);
}

} // namespace trayecta
