// Experiment files meeting a hostile file system, through the main window's
// save and load: a folder and a file that refuse writing, a full disk, a folder where
// a file is expected, a binary, empty or 10 MB one-line file, and a file that
// vanishes between the dialog and the read. The user is told what happened,
// and neither the state nor any file already there changes.
#include <gtest/gtest.h>

#include <QLineEdit>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/ExperimentFile.h"

namespace fs = std::filesystem;
using namespace voltrix_test;

namespace {

std::string contents(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileFaults : public VoltrixWindows {
protected:
    void SetUp() override
    {
        VoltrixWindows::SetUp();
        std::string name = (fs::temp_directory_path() / "voltrix-faults-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
        // A state unlike the start one, so that a half-done load would show,
        // loaded from a file so that every box shows it.
        voltrix::SimState other;
        other.x = 12.5f, other.vy = -3.25f, other.Ez = 7.0f, other.q = 2.0f, other.t = 4.5f;
        const fs::path start = folder_ / "inicio.exp";
        std::ofstream(start, std::ios::binary) << voltrix::experimentFileText(other);
        ASSERT_TRUE(load(start.string()).isEmpty());
        fs::remove(start);
        before_ = voltrix::experimentValues(Sim);
        ASSERT_EQ(before_, voltrix::experimentValues(other));
        boxesBefore_ = panelTexts();
    }

    void TearDown() override
    {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        // A locked folder inside is opened again, or its files could not be removed.
        for (const auto &entry : fs::recursive_directory_iterator(folder_)) {
            if (entry.is_directory()) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
            }
        }
        fs::remove_all(folder_);
        VoltrixWindows::TearDown();
    }

    static std::array<QString, 4> panelTexts()
    {
        return {Form2->EditX->text(), Form2->EditVy->text(), Form2->EditEz->text(), Form2->EditQ->text()};
    }

    void expectStateUnchanged() const
    {
        const auto now = voltrix::experimentValues(Sim);
        EXPECT_EQ(std::memcmp(now.data(), before_.data(), sizeof now), 0);
        EXPECT_EQ(panelTexts(), boxesBefore_);
    }

    // Saves or loads `path` as the menu does after its dialog, answering the
    // message box; returns the messages shown.
    QStringList save(const std::string &path)
    {
        ModalAnswers answers;
        Files.NombreFichero = path;
        Form1->saveToFile();
        return answers.messages;
    }
    QStringList load(const std::string &path)
    {
        ModalAnswers answers;
        Files.NombreFichero = path;
        Form1->loadFromFile();
        return answers.messages;
    }

    static void expectOneMessage(const QStringList &messages, const char *start, const std::string &path,
                                 const char *reason)
    {
        ASSERT_EQ(messages.size(), 1);
        const std::string text = messages.front().toStdString();
        EXPECT_EQ(text.rfind(start, 0), 0u) << text;
        EXPECT_NE(text.find(path), std::string::npos) << text;
        if (reason != nullptr) {
            EXPECT_NE(text.find(reason), std::string::npos) << text;
        }
    }

    fs::path folder_;
    std::array<float, voltrix::kExperimentValueCount> before_{};
    std::array<QString, 4> boxesBefore_;
};

constexpr const char *kSaveFailed = "No se ha podido grabar el fichero";
constexpr const char *kLoadFailed = "No se ha podido leer el fichero";

// A folder that takes no new file still lets a writable file in it be written
// in place, so here the file refuses writing too.
TEST_F(FileFaults, SaveWhereNeitherFolderNorFileTakesWritingKeepsTheOldFile)
{
    fs::path locked = folder_ / "bloqueada";
    fs::create_directory(locked);
    std::ofstream(locked / "viejo.exp") << "contenido anterior";
    fs::permissions(locked / "viejo.exp", fs::perms::owner_read);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(locked.c_str(), W_OK) == 0) {
        // Root writes anywhere it has permission bits for; procfs refuses
        // new files even to root.
        locked = "/proc";
    }
    const std::string target = (locked / "viejo.exp").string();
    const std::string oldContents = contents(target);

    expectOneMessage(save(target), kSaveFailed, target, nullptr);
    expectStateUnchanged();
    EXPECT_EQ(contents(target), oldContents);
    if (locked != "/proc") {
        EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
    }
}

TEST_F(FileFaults, SaveToFullDiskReportsNoSpace)
{
    // A copy of the "full" device where root may make one, so a regression
    // can never replace the machine's own /dev/full.
    std::string full = (folder_ / "lleno.exp").string();
    if (::mknod(full.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
        full = "/dev/full";
    expectOneMessage(save(full), kSaveFailed, full, "no queda espacio en el disco");
    expectStateUnchanged();
    EXPECT_EQ(fs::status(full).type(), fs::file_type::character);
}

TEST_F(FileFaults, SaveOntoAFolderRefusesAndKeepsTheFolder)
{
    const fs::path dir = folder_ / "carpeta.exp";
    fs::create_directory(dir);
    std::ofstream(dir / "dentro.txt") << "sigue";
    expectOneMessage(save(dir.string()), kSaveFailed, dir.string(), "es una carpeta");
    expectStateUnchanged();
    EXPECT_EQ(contents(dir / "dentro.txt"), "sigue");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileFaults, LoadingAFolderReportsItAndChangesNothing)
{
    const fs::path dir = folder_ / "carpeta.exp";
    fs::create_directory(dir);
    expectOneMessage(load(dir.string()), kLoadFailed, dir.string(), "es una carpeta");
    expectStateUnchanged();
}

// Files that hold no experiment: nothing is read from them, the user is told
// so, every value and box keeps what it had and the files are untouched.
TEST_F(FileFaults, FilesWithoutAnExperimentAreReportedAndLeaveTheStateAlone)
{
    std::string binary;
    for (int i = 0; i < 64 * 1024; ++i)
        binary += static_cast<char>((i * 7 + i / 256) % 256 == '=' ? 'x' : (i * 7 + i / 256) % 256);
    std::string tenMegabytesOneLine = "\n# Carga Electrica en Campos Electrico y Magnetico \n===\n";
    tenMegabytesOneLine.append(10 * 1024 * 1024, 'x');
    const struct {
        const char *name;
        std::string bytes;
    } files[] = {
        {"binario.exp", binary},
        {"vacio.exp", ""},
        {"enorme.exp", tenMegabytesOneLine},
        {"enorme_sin_marca.exp", std::string(10 * 1024 * 1024, '7')},
    };
    for (const auto &f : files) {
        SCOPED_TRACE(f.name);
        const fs::path path = folder_ / f.name;
        std::ofstream(path, std::ios::binary) << f.bytes;
        expectOneMessage(load(path.string()), kLoadFailed, path.string(), "no contiene ningún experimento");
        expectStateUnchanged();
        EXPECT_EQ(fs::file_size(path), f.bytes.size());
    }
}

TEST_F(FileFaults, FileThatVanishesAfterTheDialogIsReported)
{
    const fs::path path = folder_ / "efimero.exp";
    {
        voltrix::SimState other;
        other.x = 99.0f;
        std::ofstream(path, std::ios::binary) << voltrix::experimentFileText(other);
    }
    ModalAnswers answers(QString::fromStdString(path.string()), [&] { fs::remove(path); });
    Form1->CargarClick();
    EXPECT_EQ(answers.dialogs, 1);
    expectOneMessage(answers.messages, kLoadFailed, path.string(), "no existe");
    expectStateUnchanged();
}

} // namespace
