#include "trayecta/core/WholeFile.h"

#include <cerrno>

#include "common/WholeFile.h"

namespace trayecta {

namespace {

std::string reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "no hi ha permís per escriure-hi";
    case ENOENT: return "la carpeta no existeix";
    case ENOTDIR: return "una part del camí no és una carpeta";
    case EISDIR: return "és una carpeta, no un fitxer";
    case ENOSPC:
    case EDQUOT: return "no queda espai al disc";
    case EROFS: return "el disc és només de lectura";
    case ENAMETOOLONG: return "el nom és massa llarg";
    case EIO: return "error d'escriptura al disc";
    default: return "error del sistema número " + std::to_string(error);
    }
}

std::string failure(const std::string &path, int error)
{
    return "no s'ha pogut escriure «" + path + "»: " + reasonFor(error) + ".";
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes)
{
    if (path.empty())
        return std::string("no s'ha indicat cap nom de fitxer.");
    const int error = orvalis::writeWholeFile(path, bytes, {".trayecta-", false}).error;
    if (error != 0)
        return failure(path, error);
    return std::nullopt;
}

} // namespace trayecta
