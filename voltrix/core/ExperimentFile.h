#pragma once
// The experiment file (".exp"): one instant of a simulation as text. Six lines
// (empty, title, empty, column names, 38 '=', and a data line of fourteen
// "%10.5f" numbers separated by tabs, with no line end after it) hold x y z,
// vx vy vz, Ex Ey Ez, Bx By Bz, q and t as displayed: the length unit is not
// recorded. Loading skips to the first line holding "===" and parses every
// following line with the fourteen-number pattern; a short line sets only its
// leading values and a later line overwrites an earlier one. Saving goes
// through a temporary file in the same folder renamed over the target only
// after a complete, flushed write, so a failed save never damages the old
// file; only where the folder takes no new file, or will not let it be
// replaced, is the target written in place, and a failed write there puts
// the old bytes back. Failures come back as a result with a reason in the chosen language; beeps and
// message boxes belong to the window.
#include <array>
#include <string>
#include <string_view>

#include "common/CoreText.h"
#include "voltrix/core/SimState.h"

namespace voltrix {

inline constexpr const char *kStoreFileName = "DATOS.exp";
inline constexpr int kExperimentValueCount = 14;

struct FileResult {
    bool ok = false;
    std::string reason; // in the chosen language, empty when ok
};

// Which file the next save or load uses: the store/recall buttons ask for
// "DATOS.exp" once; otherwise the last name confirmed in a file dialog.
struct FileChoice {
    bool UsarDatos = false;
    // Kept whole, however long.
    std::string NombreFichero;
};

// Why a file could not be written or read, in the chosen language, from the
// error number of the step that failed; and the reason when no name was given
// (looked up in the context "voltrix::ExperimentFile" where it is used).
std::string fileFailureReason(int error);
inline constexpr const char *kNoFileNameReason =
    ORV_NOOP("voltrix::ExperimentFile", "no se ha indicado ningún nombre de archivo");
// Added to the reason when a file written where it stands could not be
// written whole: whether its old content went back.
//: added right after another reason: keep the leading "; "
inline constexpr const char *kOldContentKept =
    ORV_NOOP("voltrix::ExperimentFile", "; el fichero conserva su contenido anterior");
//: added right after another reason: keep the leading "; "
inline constexpr const char *kOldContentLost =
    ORV_NOOP("voltrix::ExperimentFile", "; el fichero ha quedado incompleto");

// The file the next save or load uses: "DATOS.exp" when UsarDatos is set
// (which is then cleared), otherwise NombreFichero.
std::string chooseExperimentFileName(FileChoice &choice);

// The exact bytes of a file holding s.
std::string experimentFileText(const SimState &s);

// The fourteen values in file order, and back.
std::array<float, kExperimentValueCount> experimentValues(const SimState &s);
void setExperimentValues(SimState &s, const std::array<float, kExperimentValueCount> &values);

// Applies the parse of a file's text to s: only the values actually read
// change (x .. t in file order); non-finite or unrepresentable numbers end a
// line's parse like text that is not a number. Returns how many values the
// last parsed line set (0 when no line follows the marker or none exists).
// CR LF line ends read like LF.
int applyExperimentText(std::string_view content, SimState &s);

// Writes s to path (temporary file + rename; a device or pipe is written in
// place, and so is a file in a folder where no temporary file can be created;
// a folder is refused). s is not changed.
FileResult saveExperiment(const std::string &path, const SimState &s);

// Reads path and applies it to s as applyExperimentText does. A file that
// cannot be opened or read, or in which no value follows a "===" line (empty,
// binary or foreign files), changes nothing and is reported as a failure. On success the window refreshes:
// EditT; position, velocity, E and B boxes and sliders; the force
// (computeForceForDisplay) with its readout and arrow; EditQ; particle 1,
// velocity figure, ticked position lines and label 2; then redraws.
FileResult loadExperiment(const std::string &path, SimState &s);

} // namespace voltrix
