#include "trayecta/core/WholeFile.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The permissions of the file replaced, or those a fresh file would get.
mode_t modeFor(const std::string &path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writing through a symbolic link replaces the file it points to, not the link.
std::string resolvedTarget(const std::string &path)
{
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) {
        return path;
    }
    const auto target = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : target.string();
}

// A device or pipe is written in place: renaming a file over it would destroy
// the node, and a write that fails there must be reported.
std::optional<std::string> writeInPlace(const std::string &path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failure(path, errno);
    }
    int error = writeAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        return failure(path, error);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes)
{
    if (path.empty()) {
        return std::string("no s'ha indicat cap nom de fitxer.");
    }
    const std::string target = resolvedTarget(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) {
            return failure(path, EISDIR);
        }
        return writeInPlace(target, bytes);
    }
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    // A short hidden name in the same folder: the rename cannot cross file
    // systems, and a long target name still leaves room for it.
    std::string temporary = (folder / ".trayecta-XXXXXX").string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return failure(path, errno);
    }
    int error = 0;
    if (::fchmod(fd, modeFor(target)) != 0 && errno != EPERM) {
        error = errno;
    }
    if (error == 0 && !writeAll(fd, bytes)) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(path, error);
    }
    return std::nullopt;
}

} // namespace trayecta
