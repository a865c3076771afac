#include "voltrix/core/ExperimentFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/CoreText.h"
#include "common/WholeFile.h"
#include "voltrix/core/NumberText.h"

namespace voltrix {

using orvalis::coreText;

namespace {

constexpr const char *kTitleLine = "# Carga Electrica en Campos Electrico y Magnetico ";
constexpr const char *kColumnLine = "x\t\ty\t\tz";
constexpr int kMarkerLength = 38;
constexpr const char *kMarker = "===";

// One read of a line takes at most this many characters; a longer line is
// read in several reads, which are joined again before it is parsed.
constexpr int kLineReadChars = 253;
// A line longer than this keeps only its beginning. The longest line a save
// can write (fourteen values near FLT_MAX) is about 650 characters.
constexpr std::size_t kMaxLineChars = 4096;

} // namespace

std::string fileFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return coreText("voltrix::ExperimentFile", "permiso denegado");
    case ENOENT: return coreText("voltrix::ExperimentFile", "el archivo o la carpeta no existe");
    case ENOTDIR: return coreText("voltrix::ExperimentFile", "una parte de la ruta no es una carpeta");
    case EISDIR: return coreText("voltrix::ExperimentFile", "es una carpeta, no un archivo");
    case ENOSPC:
    case EDQUOT: return coreText("voltrix::ExperimentFile", "no queda espacio en el disco");
    case EROFS: return coreText("voltrix::ExperimentFile", "el disco es de solo lectura");
    case ENAMETOOLONG: return coreText("voltrix::ExperimentFile", "el nombre es demasiado largo");
    case EIO: return coreText("voltrix::ExperimentFile", "error de lectura o escritura en el disco");
    case EFBIG: return coreText("voltrix::ExperimentFile", "el fichero supera el tamaño permitido");
    default:
        //: why a file could not be written or read; %1 is the system's error number
        return orvalis::fillText(coreText("voltrix::ExperimentFile", "error del sistema número %1"),
                                 {std::to_string(error)});
    }
}

namespace {

FileResult failure(std::string reason) { return FileResult{false, std::move(reason)}; }

// Parses one data line like sscanf with "%f\t%f..." (fourteen numbers): every
// tab matches any run of blanks, so each number just skips the blanks before
// it. Stops at the first text that is not a finite float.
int parseDataLine(std::string_view line, std::array<float, kExperimentValueCount> &values)
{
    int count = 0;
    while (count < kExperimentValueCount) {
        const std::optional<NumberScan> scan = scanFloat(line);
        if (!scan)
            break;
        values[static_cast<std::size_t>(count++)] = scan->value;
        line.remove_prefix(scan->consumed);
    }
    return count;
}

// Feeds lines to the marker search and the data parse.
class ExperimentParser {
public:
    explicit ExperimentParser(const SimState &s)
        : values_(experimentValues(s))
    {}

    void line(std::string_view text)
    {
        if (!markerSeen_) {
            markerSeen_ = text.find(kMarker) != std::string_view::npos;
            return;
        }
        lastCount_ = parseDataLine(text, values_);
        totalCount_ += lastCount_;
    }

    const std::array<float, kExperimentValueCount> &values() const { return values_; }
    int lastCount() const { return lastCount_; }
    bool readAnyValue() const { return totalCount_ > 0; }

private:
    std::array<float, kExperimentValueCount> values_;
    bool markerSeen_ = false;
    int lastCount_ = 0;
    int totalCount_ = 0;
};

struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};

} // namespace

std::string chooseExperimentFileName(FileChoice &choice)
{
    if (choice.UsarDatos) {
        choice.UsarDatos = false;
        return kStoreFileName;
    }
    return choice.NombreFichero;
}

std::array<float, kExperimentValueCount> experimentValues(const SimState &s)
{
    return {s.x, s.y, s.z, s.vx, s.vy, s.vz, s.Ex, s.Ey, s.Ez, s.Bx, s.By, s.Bz, s.q, s.t};
}

void setExperimentValues(SimState &s, const std::array<float, kExperimentValueCount> &v)
{
    s.x = v[0];
    s.y = v[1];
    s.z = v[2];
    s.vx = v[3];
    s.vy = v[4];
    s.vz = v[5];
    s.Ex = v[6];
    s.Ey = v[7];
    s.Ez = v[8];
    s.Bx = v[9];
    s.By = v[10];
    s.Bz = v[11];
    s.q = v[12];
    s.t = v[13];
}

std::string experimentFileText(const SimState &s)
{
    std::string text;
    text += "\n";
    text += kTitleLine;
    text += "\n\n";
    text += kColumnLine;
    text += "\n";
    text.append(kMarkerLength, '=');
    text += "\n";
    const auto values = experimentValues(s);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += '\t';
        text += format105(values[i]);
    }
    return text;
}

int applyExperimentText(std::string_view content, SimState &s)
{
    ExperimentParser parser(s);
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        const std::string_view line = content.substr(0, end);
        parser.line(line.substr(0, kMaxLineChars));
        if (end == std::string_view::npos)
            break;
        content.remove_prefix(end + 1);
    }
    setExperimentValues(s, parser.values());
    return parser.lastCount();
}

FileResult saveExperiment(const std::string &path, const SimState &s)
{
    if (path.empty())
        return failure(coreText("voltrix::ExperimentFile", kNoFileNameReason));
    // A writable file in a folder that takes no new file (a shared classroom
    // folder holding a prepared "DATOS.exp") is written where it stands.
    const orvalis::WholeFileResult written = orvalis::writeWholeFile(path, experimentFileText(s), {".voltrix-", true});
    if (written.error == 0)
        return FileResult{true, {}};
    std::string reason = fileFailureReason(written.error);
    switch (written.oldFile) {
    case orvalis::OldFile::Untouched: break;
    case orvalis::OldFile::Restored: reason += coreText("voltrix::ExperimentFile", kOldContentKept); break;
    case orvalis::OldFile::Damaged: reason += coreText("voltrix::ExperimentFile", kOldContentLost); break;
    }
    return failure(std::move(reason));
}

FileResult loadExperiment(const std::string &path, SimState &s)
{
    if (path.empty())
        return failure(coreText("voltrix::ExperimentFile", kNoFileNameReason));
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "re"));
    if (!file)
        return failure(fileFailureReason(errno));

    // The parser works on a copy of the values: a read error half way leaves
    // the state untouched.
    ExperimentParser parser(s);
    char piece[kLineReadChars + 1];
    std::string line;
    bool lineOpen = false;
    errno = 0;
    while (std::fgets(piece, sizeof piece, file.get())) {
        const std::string_view read(piece);
        if (line.size() < kMaxLineChars)
            line.append(read.substr(0, kMaxLineChars - line.size()));
        lineOpen = true;
        if (!read.empty() && read.back() == '\n') {
            parser.line(line);
            line.clear();
            lineOpen = false;
        }
    }
    if (std::ferror(file.get()))
        return failure(fileFailureReason(errno != 0 ? errno : EIO));
    if (lineOpen)
        parser.line(line);

    // An empty, binary or foreign file would otherwise "load" with the beep of
    // success while nothing was read.
    if (!parser.readAnyValue())
        return failure(coreText("voltrix::ExperimentFile", "el fichero no contiene ningún experimento"));
    setExperimentValues(s, parser.values());
    return FileResult{true, {}};
}

} // namespace voltrix
