#include "common/WholeFile.h"

#include <cerrno>
#include <filesystem>
#include <optional>

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

// The whole of an open file from its start.
int writeFromStart(int fd, std::string_view bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (!writeAll(fd, bytes))
        return errno;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Every byte of an open file, read from where it stands; none when it cannot
// be read.
std::optional<std::string> readRest(int fd)
{
    std::string bytes;
    for (char chunk[4096];;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

// The old bytes are overwritten before the file is cut to the new length
// rather than cut first, so a full disk can seldom refuse the write; when it
// does, the old bytes, read first, go back where they were.
WholeFileResult overwriteInPlace(const std::string &path, std::string_view bytes)
{
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    // An existing file is opened without O_CREAT: a folder with the sticky bit
    // may refuse that flag on another user's file it would let us write.
    int fd = existed ? ::open(path.c_str(), O_RDWR | O_CLOEXEC)
                     : ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, modeFor(path));
    std::optional<std::string> old;
    if (fd >= 0)
        old = readRest(fd);
    else if (existed && errno == EACCES)
        fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC); // a file that may be written but not read
    if (fd < 0)
        return {errno, OldFile::Untouched};

    const int error = writeFromStart(fd, bytes);
    if (error == 0)
        return {closeKeepingFirstError(fd, 0), OldFile::Untouched};
    const OldFile outcome = old && writeFromStart(fd, *old) == 0 ? OldFile::Restored : OldFile::Damaged;
    return {closeKeepingFirstError(fd, error), outcome};
}

} // namespace

WholeFileResult writeWholeFile(const std::string &path, std::string_view bytes, const WholeFileWrite &how)
{
    if (path.empty())
        return {ENOENT};
    const std::string target = resolvedTarget(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode))
            return {EISDIR};
        return {writeInPlace(target, bytes)};
    }
    std::filesystem::path folder = std::filesystem::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    // A short hidden name in the same folder, so the rename cannot cross file
    // systems and a long target name still leaves room for it.
    std::string temporary = (folder / (std::string(how.temporaryPrefix) + "XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return how.overwriteWhenNoTemporary ? overwriteInPlace(target, bytes) : WholeFileResult{errno};

    int error = 0;
    if (::fchmod(fd, modeFor(target)) != 0 && errno != EPERM)
        error = errno;
    if (error == 0 && !writeAll(fd, bytes))
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    error = closeKeepingFirstError(fd, error);
    bool replaceRefused = false;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        replaceRefused = error == EPERM || error == EACCES;
    }
    if (error != 0)
        ::unlink(temporary.c_str());
    // A folder with the sticky bit lets only a file's owner replace it; a
    // user allowed to write the file writes it where it stands.
    if (replaceRefused && how.overwriteWhenNoTemporary && ::access(target.c_str(), W_OK) == 0)
        return overwriteInPlace(target, bytes);
    return {error};
}

} // namespace orvalis
