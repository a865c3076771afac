#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "voltrix/core/ExperimentFile.h"

using namespace voltrix;
namespace fs = std::filesystem;

namespace {

const std::string kHeader = "\n# Carga Electrica en Campos Electrico y Magnetico \n\nx\t\ty\t\tz\n"
                            "======================================\n";

const std::array<float, 14> kDistinct{1.5f, -2.25f, 0.125f,  12345.5f, -0.03125f, 99.75f, -100.0f,
                                      7.0f, 0.5f,   -9.875f, 3.0625f,  0.0f,      -1.5f,  42.25f};

std::string readBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path &p, const std::string &bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::string dataLine(const std::array<float, 14> &v)
{
    SimState s;
    setExperimentValues(s, v);
    const std::string text = experimentFileText(s);
    return text.substr(text.rfind('\n') + 1);
}

class ExperimentFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "voltrix-core-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto &e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

} // namespace

TEST_F(ExperimentFileTest, SaveWritesExactStartStateBytes)
{
    const std::string expected =
        kHeader
        + "   0.00000\t  20.00000\t  40.00000\t   0.00000\t   0.00000\t  50.00000\t   0.00000\t"
          "   0.00000\t   0.00000\t   2.00000\t   0.00000\t   0.00000\t   1.00000\t   0.00000";
    const SimState start;
    EXPECT_EQ(experimentFileText(start), expected);

    const fs::path file = dir / "inicio.exp";
    const FileResult r = saveExperiment(file.string(), start);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_TRUE(r.reason.empty());
    EXPECT_EQ(readBytes(file), expected);
    EXPECT_EQ(entries(), std::vector<std::string>{"inicio.exp"}); // no temporary left
}

TEST_F(ExperimentFileTest, RoundTripRestoresAllFourteenValues)
{
    SimState saved;
    setExperimentValues(saved, kDistinct);
    const fs::path file = dir / "todo.exp";
    ASSERT_TRUE(saveExperiment(file.string(), saved).ok);

    SimState loaded; // start values everywhere else
    loaded.x0 = 11, loaded.dt = 0.02f, loaded.PasoQ = 3, loaded.CampoConfinado = true;
    const FileResult r = loadExperiment(file.string(), loaded);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(experimentValues(loaded), kDistinct);
    // Nothing outside the fourteen values is touched.
    EXPECT_EQ(loaded.x0, 11.0f);
    EXPECT_EQ(loaded.dt, 0.02f);
    EXPECT_EQ(loaded.PasoQ, 3.0f);
    EXPECT_TRUE(loaded.CampoConfinado);
    EXPECT_EQ(loaded.m, 1.0f);
}

TEST_F(ExperimentFileTest, HugeValuesMakeALongLineThatStillLoadsWhole)
{
    // A run gone unstable leaves values near FLT_MAX: the data line is far
    // longer than one 253-character read, and must not restart at x half way.
    std::array<float, 14> huge{};
    for (int i = 0; i < 14; ++i)
        huge[i] = (i % 2 ? -3.0e38f : 2.5e38f) / float(i + 1);
    SimState saved;
    setExperimentValues(saved, huge);
    const fs::path file = dir / "grande.exp";
    ASSERT_TRUE(saveExperiment(file.string(), saved).ok);
    ASSERT_GT(readBytes(file).size(), 253u * 2);
    SimState loaded;
    ASSERT_TRUE(loadExperiment(file.string(), loaded).ok);
    EXPECT_EQ(experimentValues(loaded), huge);
}

TEST_F(ExperimentFileTest, LoadingTextFollowsTheLineRules)
{
    const std::string full = dataLine(kDistinct);
    const SimState start;
    const auto s0 = experimentValues(start);
    auto firstThree = kDistinct;
    firstThree[0] = 4, firstThree[1] = 5, firstThree[2] = 6;
    auto twoThenStart = s0;
    twoThenStart[0] = 1, twoThenStart[1] = 2;

    struct Case {
        const char *name;
        std::string content;
        std::array<float, 14> expected;
    } cases[] = {
        {"one data line", kHeader + full, kDistinct},
        {"marker anywhere in a line", "abc===def\n" + full, kDistinct},
        {"later lines overwrite", kHeader + dataLine(s0) + "\n" + full, kDistinct},
        {"partial line keeps the rest", kHeader + full + "\n4 5\t\t6 texto 7", firstThree},
        {"empty line after data", kHeader + full + "\n\n", kDistinct},
        {"CR LF", "\r\n# t \r\n\r\nx\t\ty\t\tz\r\n===\r\n" + full + "\r\n", kDistinct},
        {"lines before the marker ignored", "1 2 3\n===\n1\t2", twoThenStart},
        {"nan ends the line", kHeader + "1\t2\tnan\t4", twoThenStart},
        {"inf ends the line", kHeader + "1\t2\tinf\t4", twoThenStart},
        {"-inf ends the line", kHeader + "1\t2\t-inf\t4", twoThenStart},
        {"1e39 ends the line", kHeader + "1\t2\t1e39\t4", twoThenStart},
        {"-1e39 ends the line", kHeader + "1 2 -1e39 4", twoThenStart},
        {"no white space needed", kHeader + "1-1.5",
         [&] {
             auto v = s0;
             v[0] = 1, v[1] = -1.5f;
             return v;
         }()},
    };
    for (const Case &c : cases) {
        SimState s;
        applyExperimentText(c.content, s);
        EXPECT_EQ(experimentValues(s), c.expected) << c.name;

        // The file route reads exactly the same.
        const fs::path file = dir / "caso.exp";
        writeBytes(file, c.content);
        SimState viaFile;
        ASSERT_TRUE(loadExperiment(file.string(), viaFile).ok) << c.name;
        EXPECT_EQ(experimentValues(viaFile), c.expected) << c.name << " (file)";
    }
}

TEST_F(ExperimentFileTest, FailedLoadChangesNothing)
{
    SimState s;
    setExperimentValues(s, kDistinct);
    const fs::path folder = dir / "carpeta";
    fs::create_directory(folder);
    // Files that open but hold no experiment: nothing is read from them, so
    // they must not pass for a successful load.
    const std::pair<const char *, std::string> empties[] = {
        {"vacio.exp", ""},
        {"sin-marca.exp", "\n# title\n\nx\t\ty\t\tz\n" + dataLine(kDistinct)},
        {"marca-sin-datos.exp", kHeader + "\n"},
        {"binario.exp", std::string("\x7f"
                                    "ELF\x02\x01\x01\0\0\0",
                                    10)},
    };
    std::vector<std::string> paths = {(dir / "no-existe.exp").string(), folder.string(), ""};
    for (const auto &[name, content] : empties) {
        writeBytes(dir / name, content);
        paths.push_back((dir / name).string());
    }
    for (const std::string &p : paths) {
        const FileResult r = loadExperiment(p, s);
        EXPECT_FALSE(r.ok) << p;
        EXPECT_FALSE(r.reason.empty()) << p;
        EXPECT_EQ(experimentValues(s), kDistinct) << p;
    }
}

TEST_F(ExperimentFileTest, FailedSaveReportsAndKeepsWhatWasThere)
{
    const SimState s;
    // A folder that does not exist, a "folder" that is a file, no name.
    writeBytes(dir / "archivo", "viejo");
    const std::string paths[] = {(dir / "no" / "x.exp").string(), (dir / "archivo" / "x.exp").string(), ""};
    for (const std::string &p : paths) {
        const FileResult r = saveExperiment(p, s);
        EXPECT_FALSE(r.ok) << p;
        EXPECT_FALSE(r.reason.empty()) << p;
    }
    // The target is a folder: the write succeeds but the rename cannot
    // replace it; the temporary file is removed again.
    fs::create_directory(dir / "destino.exp");
    writeBytes(dir / "destino.exp" / "dentro", "x");
    const FileResult r = saveExperiment((dir / "destino.exp").string(), s);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(readBytes(dir / "archivo"), "viejo");
    EXPECT_EQ(entries(), (std::vector<std::string>{"archivo", "destino.exp"}));
}

TEST_F(ExperimentFileTest, SaveReplacesAnOldFileAndKeepsItsPermissions)
{
    const fs::path file = dir / "viejo.exp";
    writeBytes(file, "contenido anterior que es bastante más largo que nada");
    ::chmod(file.c_str(), 0640);
    SimState s;
    s.q = -2.5f;
    ASSERT_TRUE(saveExperiment(file.string(), s).ok);
    EXPECT_EQ(readBytes(file), experimentFileText(s));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Through a symbolic link the file it names is replaced, the link stays.
    const fs::path link = dir / "enlace.exp";
    fs::create_symlink(file, link);
    s.q = 4;
    ASSERT_TRUE(saveExperiment(link.string(), s).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(file), experimentFileText(s));
}

TEST_F(ExperimentFileTest, LongFileNamesAreUsedWhole)
{
    const std::string name = std::string(200, 'n') + ".exp";
    SimState s;
    FileChoice choice;
    choice.NombreFichero = (dir / name).string();
    s.Ex = 9.5f;
    ASSERT_GT(choice.NombreFichero.size(), 124u);
    const std::string chosen = chooseExperimentFileName(choice);
    EXPECT_EQ(chosen, choice.NombreFichero);
    ASSERT_TRUE(saveExperiment(chosen, s).ok);
    EXPECT_EQ(entries(), std::vector<std::string>{name});
    SimState loaded;
    ASSERT_TRUE(loadExperiment(chosen, loaded).ok);
    EXPECT_EQ(loaded.Ex, 9.5f);
}

TEST_F(ExperimentFileTest, StoreFlagPicksDatosOnceThenTheDialogName)
{
    FileChoice choice;
    choice.NombreFichero = "elegido.exp";
    choice.UsarDatos = true;
    EXPECT_EQ(chooseExperimentFileName(choice), "DATOS.exp");
    EXPECT_FALSE(choice.UsarDatos);
    EXPECT_EQ(chooseExperimentFileName(choice), "elegido.exp");
}
