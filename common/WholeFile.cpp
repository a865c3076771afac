#include "common/WholeFile.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvalis {

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
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
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writing through a symbolic link replaces the file it points to, not the link.
std::string resolvedTarget(const std::string &path)
{
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const auto target = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : target.string();
}

int closeKeepingFirstError(int fd, int error)
{
    if (::close(fd) != 0 && error == 0)
        return errno;
    return error;
}

// A device, pipe or other special file: renaming a regular file over it would
// destroy the node (as root, a save to /dev/full replaced the device) and
// report a success where the write itself fails.
int writeInPlace(const std::string &path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    return closeKeepingFirstError(fd, writeAll(fd, bytes) ? 0 : errno);
}

// The old bytes are overwritten before the file is cut to the new length
// rather than cut first, so a full disk can seldom refuse the write.
int overwriteInPlace(const std::string &path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, modeFor(path));
    if (fd < 0)
        return errno;
    int error = writeAll(fd, bytes) ? 0 : errno;
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return closeKeepingFirstError(fd, error);
}

} // namespace

int writeWholeFile(const std::string &path, std::string_view bytes, const WholeFileWrite &how)
{
    if (path.empty())
        return ENOENT;
    const std::string target = resolvedTarget(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode))
            return EISDIR;
        return writeInPlace(target, bytes);
    }
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    // A short hidden name in the same folder, so the rename cannot cross file
    // systems and a long target name still leaves room for it.
    std::string temporary = (folder / (std::string(how.temporaryPrefix) + "XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return how.overwriteWhenNoTemporary ? overwriteInPlace(target, bytes) : errno;

    int error = 0;
    if (::fchmod(fd, modeFor(target)) != 0 && errno != EPERM)
        error = errno;
    if (error == 0 && !writeAll(fd, bytes))
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    error = closeKeepingFirstError(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace orvalis
