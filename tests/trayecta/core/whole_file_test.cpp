#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "trayecta/core/WholeFile.h"

using namespace trayecta;
namespace fs = std::filesystem;

namespace {

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trayecta-wholefile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    // Every name below the folder, to tell that a failure left nothing behind.
    std::set<std::string> everything() const
    {
        std::set<std::string> names;
        for (const auto &entry : fs::recursive_directory_iterator(folder)) {
            names.insert(entry.path().string());
        }
        return names;
    }

    static std::string contents(const fs::path &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder;
};

} // namespace

TEST_F(WholeFileTest, WritesEveryByteAndReplacesAnOldFile)
{
    const fs::path target = folder / "punts.csv";
    const std::string bytes = std::string("t,x\r\n") + std::string(1, '\0') + std::string(100000, 'a');
    EXPECT_EQ(writeWholeFile(target.string(), bytes), std::nullopt);
    EXPECT_EQ(contents(target), bytes);

    ::chmod(target.c_str(), 0640);
    EXPECT_EQ(writeWholeFile(target.string(), "nou"), std::nullopt);
    EXPECT_EQ(contents(target), "nou");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u) << "the replaced file keeps its permissions";
    EXPECT_EQ(everything(), std::set<std::string>{target.string()}) << "no temporary file is left";
}

TEST_F(WholeFileTest, WritingThroughALinkReplacesTheFileItPointsTo)
{
    const fs::path real = folder / "real.csv";
    const fs::path link = folder / "link.csv";
    std::ofstream(real) << "old";
    fs::create_symlink(real, link);
    EXPECT_EQ(writeWholeFile(link.string(), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
}

// Tests run as root here, so a folder without write permission would still be
// written: each failure below is one that root meets too.
TEST_F(WholeFileTest, AFailureIsDescribedInCatalanAndWritesNothing)
{
    std::ofstream(folder / "fitxer.txt") << "text";
    fs::create_directory(folder / "carpeta");
    struct Case {
        std::string path;
        std::string description;
    };
    const Case cases[] = {
        {(folder / "fitxer.txt" / "punts.csv").string(), "una part del camí no és una carpeta"},
        {(folder / "carpeta").string(), "és una carpeta, no un fitxer"},
        {(folder / "no-hi-és" / "punts.csv").string(), "la carpeta no existeix"},
        {(folder / std::string(300, 'n')).string(), "el nom és massa llarg"},
    };
    const std::set<std::string> before = everything();
    for (const Case &c : cases) {
        const std::optional<std::string> failure = writeWholeFile(c.path, "t,x,y\r\n");
        ASSERT_TRUE(failure) << c.path;
        EXPECT_EQ(*failure, "no s'ha pogut escriure «" + c.path + "»: " + c.description + ".");
        EXPECT_EQ(everything(), before) << c.path;
    }
    EXPECT_EQ(contents(folder / "fitxer.txt"), "text");
    EXPECT_EQ(writeWholeFile("", "x"), std::string("no s'ha indicat cap nom de fitxer."));
}
