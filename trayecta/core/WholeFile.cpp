#include "trayecta/core/WholeFile.h"

#include <cerrno>

#include "common/CoreText.h"
#include "common/WholeFile.h"

namespace trayecta {

namespace {

// Why a file could not be written; it follows "no s'ha pogut escriure «…»: ".
std::string reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "no hi ha permís per escriure-hi");
    case ENOENT:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "la carpeta no existeix");
    case ENOTDIR:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "una part del camí no és una carpeta");
    case EISDIR:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "és una carpeta, no un fitxer");
    case ENOSPC:
    case EDQUOT:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "no queda espai al disc");
    case EROFS:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "el disc és només de lectura");
    case ENAMETOOLONG:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "el nom és massa llarg");
    case EIO:
        //: why a file could not be written
        return orvalis::coreText("trayecta::WholeFile", "error d'escriptura al disc");
    default:
        //: why a file could not be written; %1 is the system's error number
        return orvalis::fillText(orvalis::coreText("trayecta::WholeFile", "error del sistema número %1"),
                                 {std::to_string(error)});
    }
}

std::string failure(const std::string &path, int error)
{
    //: %1 is the file's path, %2 the reason it could not be written
    return orvalis::fillText(orvalis::coreText("trayecta::WholeFile", "no s'ha pogut escriure «%1»: %2."),
                             {path, reasonFor(error)});
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes)
{
    if (path.empty())
        //: a file failure: no file name was given
        return orvalis::coreText("trayecta::WholeFile", "no s'ha indicat cap nom de fitxer.");
    const int error = orvalis::writeWholeFile(path, bytes, {".trayecta-", false}).error;
    if (error != 0)
        return failure(path, error);
    return std::nullopt;
}

} // namespace trayecta
