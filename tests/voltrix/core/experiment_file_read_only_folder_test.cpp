// Saving into a folder that takes no new file, as a pupil saves into a shared
// classroom folder: a writable file there is written in place, anything else
// fails with its reason and leaves the folder as it was. Only a user without
// root's right to write anywhere meets such a folder, so when the tests run as
// root the save runs in a child process that has become "nobody".
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/SimState.h"

namespace fs = std::filesystem;
using voltrix::FileResult;
using voltrix::SimState;

namespace {

std::string readBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> entriesOf(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The unprivileged user the save runs as when the tests run as root.
struct User {
    uid_t uid;
    gid_t gid;
};

User nobody()
{
    const passwd *entry = ::getpwnam("nobody");
    return entry ? User{entry->pw_uid, entry->pw_gid} : User{65534, 65534};
}

// What a save did, as the child process reports it through a pipe.
struct Outcome {
    std::optional<FileResult> result; // none: the save could not run unprivileged
    std::string skipReason;
};

// sizeLimit, when given, is the largest file the save may write (a disk
// that fills half way).
Outcome saveInChildAs(const User &user, const std::string &path, const SimState &s,
                      std::optional<rlim_t> sizeLimit = std::nullopt)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {std::nullopt, "no pipe to the child process"};
    const pid_t child = ::fork();
    if (child < 0)
        return {std::nullopt, "no child process"};
    if (child == 0) {
        ::close(channel[0]);
        std::string report;
        if (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0) {
            report = "S: this process may not become an unprivileged user";
        } else if (::access(fs::path(path).parent_path().c_str(), X_OK) != 0) {
            report = "S: the test folder is out of an unprivileged user's reach";
        } else {
            if (sizeLimit) {
                ::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
                const rlimit limit{*sizeLimit, *sizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            const FileResult r = voltrix::saveExperiment(path, s);
            report = (r.ok ? "1" : "0") + r.reason;
        }
        const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    std::array<char, 256> buffer{};
    for (ssize_t n; (n = ::read(channel[0], buffer.data(), buffer.size())) > 0;)
        report.append(buffer.data(), static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty())
        return {std::nullopt, "the child process did not report"};
    if (report.rfind("S: ", 0) == 0)
        return {std::nullopt, report.substr(3)};
    return {FileResult{report[0] == '1', report.substr(1)}, {}};
}

class ReadOnlyFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "voltrix-readonly-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
    }
    void TearDown() override
    {
        ::chmod(folder_.c_str(), 0700);
        fs::remove_all(folder_);
    }

    // Hands the folder and its files to the user who saves, then takes from
    // the folder the right to take new files.
    void lockFolder(const User &user)
    {
        if (::geteuid() == 0) {
            for (const auto &e : fs::directory_iterator(folder_))
                ASSERT_EQ(::chown(e.path().c_str(), user.uid, user.gid), 0);
            ASSERT_EQ(::chown(folder_.c_str(), user.uid, user.gid), 0);
        }
        ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    }

    // Saves as a user the folder refuses; none when no such user can be had.
    Outcome save(const std::string &path, const SimState &s, std::optional<rlim_t> sizeLimit = std::nullopt)
    {
        if (::geteuid() == 0)
            return saveInChildAs(nobody(), path, s, sizeLimit);
        if (::access(folder_.c_str(), W_OK) == 0)
            return {std::nullopt, "this user may write into a read-only folder"};
        if (sizeLimit)
            return {std::nullopt, "the size limit needs a child process"};
        return {voltrix::saveExperiment(path, s), {}};
    }

    fs::path folder_;
};

TEST_F(ReadOnlyFolder, WritableFileIsWrittenInPlaceAndAnythingElseFailsByName)
{
    // The prepared file is longer than an experiment, so a file not cut to its new length would show.
    const std::string prepared(600, '#');
    const struct {
        const char *name;
        std::optional<std::string> existing; // the file's old contents, if there is one
        mode_t mode;
        bool saved;
        const char *reason;
    } cases[] = {
        {"DATOS.exp", prepared, 0644, true, ""},
        {"solo-lectura.exp", "no se toca", 0444, false, "permiso denegado"},
        {"nuevo.exp", std::nullopt, 0, false, "permiso denegado"},
    };
    for (const auto &c : cases) {
        if (c.existing) {
            std::ofstream(folder_ / c.name, std::ios::binary) << *c.existing;
            ASSERT_EQ(::chmod((folder_ / c.name).c_str(), c.mode), 0);
        }
    }
    const User user = nobody();
    lockFolder(user);
    const std::vector<std::string> before = entriesOf(folder_);

    SimState s;
    s.x = 12.5f;
    s.q = -2.0f;
    for (const auto &c : cases) {
        const fs::path target = folder_ / c.name;
        const Outcome outcome = save(target.string(), s);
        if (!outcome.result)
            GTEST_SKIP() << outcome.skipReason;
        EXPECT_EQ(outcome.result->ok, c.saved) << c.name;
        EXPECT_EQ(outcome.result->reason, c.reason) << c.name;
        if (c.saved) {
            EXPECT_EQ(readBytes(target), voltrix::experimentFileText(s)) << c.name;
            struct stat st {};
            ASSERT_EQ(::stat(target.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, c.mode) << c.name;
        } else if (c.existing) {
            EXPECT_EQ(readBytes(target), *c.existing) << c.name;
        }
        // No temporary file is left behind and nothing new appears.
        EXPECT_EQ(entriesOf(folder_), before) << c.name;
    }
}

// Written in place, a save that cannot finish (here a file-size limit, as a
// disk filling up) puts the old bytes back and says so. In a shared folder
// with the sticky bit, another user's writable file cannot be replaced, so it
// is written in place as well.
TEST_F(ReadOnlyFolder, InPlaceSavesKeepTheOldBytesWhenTheyFailAndServeStickyFolders)
{
    const std::string old(80, '#');
    std::ofstream(folder_ / "DATOS.exp", std::ios::binary) << old;
    ASSERT_EQ(::chmod((folder_ / "DATOS.exp").c_str(), 0644), 0);
    lockFolder(nobody());
    SimState s;
    Outcome outcome = save((folder_ / "DATOS.exp").string(), s, 100);
    if (!outcome.result)
        GTEST_SKIP() << outcome.skipReason;
    EXPECT_FALSE(outcome.result->ok);
    EXPECT_EQ(outcome.result->reason,
              "el fichero supera el tamaño permitido; el fichero conserva su contenido anterior");
    EXPECT_EQ(readBytes(folder_ / "DATOS.exp"), old);

    // The sticky shared folder belongs to root, and so does the prepared file.
    ASSERT_EQ(::chmod(folder_.c_str(), 01777), 0);
    ASSERT_EQ(::chown((folder_ / "DATOS.exp").c_str(), 0, 0), 0);
    ASSERT_EQ(::chown(folder_.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod((folder_ / "DATOS.exp").c_str(), 0666), 0);
    outcome = save((folder_ / "DATOS.exp").string(), s);
    ASSERT_TRUE(outcome.result) << outcome.skipReason;
    EXPECT_TRUE(outcome.result->ok) << outcome.result->reason;
    EXPECT_EQ(readBytes(folder_ / "DATOS.exp"), voltrix::experimentFileText(s));
    EXPECT_EQ(entriesOf(folder_), std::vector<std::string>{"DATOS.exp"});
}

} // namespace
