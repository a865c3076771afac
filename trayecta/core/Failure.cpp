#include "trayecta/core/Failure.h"

#include "common/CoreText.h"

namespace trayecta {

std::string failureDescription(Failure failure)
{
    switch (failure) {
    case Failure::NotANumber:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure", "un camp no conté un nombre vàlid.");
    case Failure::DivisionByZero:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure", "divisió per zero (l'acceleració vertical no pot ser 0).");
    case Failure::NeverReachesGround:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure",
                                 "el mòbil no arriba mai a l'altura 0 (no hi ha impacte amb el terra).");
    case Failure::NoImpactAfterLaunch:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure",
                                 "el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).");
    case Failure::Overflow:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure", "desbordament: un valor és massa gran per calcular-lo.");
    case Failure::ZeroScale:
        //: failure reason, shown after "Tipo de error: "
        return orvalis::coreText("trayecta::Failure", "l'escala de la gràfica no pot ser 0.");
    }
    //: failure reason, shown after "Tipo de error: "
    return orvalis::coreText("trayecta::Failure", "error desconegut.");
}

std::string failureReportText(Failure failure)
{
    //: the failure box; %1 is the failure reason; keep the line break (CR LF). "Tipo de error" is Spanish in the
    //: original.
    return orvalis::fillText(
        orvalis::coreText("trayecta::Failure", "Impossible realitzar càlcul.\r\nTipo de error: %1"),
        {failureDescription(failure)});
}

} // namespace trayecta
