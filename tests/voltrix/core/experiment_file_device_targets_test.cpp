// Saving to a path that is not a regular file: the node must survive and the
// outcome must say what the write met.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/SimState.h"

namespace fs = std::filesystem;
using voltrix::FileResult;
using voltrix::SimState;

namespace {

class NonRegularTargets : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "voltrix-targets-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

fs::file_type typeOf(const fs::path &p) { return fs::symlink_status(p).type(); }

TEST_F(NonRegularTargets, PipeWithoutReaderFailsAndStaysAPipe)
{
    const fs::path fifo = folder_ / "tuberia.exp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const FileResult result = voltrix::saveExperiment(fifo.string(), SimState{});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(typeOf(fifo), fs::file_type::fifo);
}

TEST_F(NonRegularTargets, FolderIsRefusedAndKeepsItsFiles)
{
    const fs::path dir = folder_ / "carpeta.exp";
    fs::create_directory(dir);
    std::ofstream(dir / "dentro.txt") << "sigue aqui";
    const FileResult result = voltrix::saveExperiment(dir.string(), SimState{});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "es una carpeta, no un archivo");
    EXPECT_EQ(typeOf(dir), fs::file_type::directory);
    EXPECT_TRUE(fs::exists(dir / "dentro.txt"));
    // Nothing is left behind next to it either.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// A full disk: the kernel's "full" device refuses every write with ENOSPC.
// Only root may make a copy of the node; the device itself is never used, so
// a regression cannot replace the machine's /dev/full.
TEST_F(NonRegularTargets, FullDeviceReportsNoSpaceAndStaysADevice)
{
    const fs::path full = folder_ / "lleno.exp";
    if (::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
        GTEST_SKIP() << "making a device node needs root";
    const FileResult result = voltrix::saveExperiment(full.string(), SimState{});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "no queda espacio en el disco");
    EXPECT_EQ(typeOf(full), fs::file_type::character);
}

} // namespace
