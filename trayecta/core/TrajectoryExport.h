#pragma once
// What leaves the program from the graph's menu: the points of the shown curve
// as a table that spreadsheets read, and the format a saved picture takes.
#include <optional>
#include <string>
#include <string_view>

#include "trayecta/core/TrajectoryPlan.h"

namespace trayecta {

inline constexpr std::string_view kPointsHeader = "t (s),x (m),y (m)";

// A header row, then one row per plotted point of the drawing made from these
// inputs: the time t = k / 750 s and the position x = x0 + vx·t + hx·t²,
// y = y0 + vy·t + hy·t², all in double precision. Comma-separated with the
// decimal point (whatever the locale), rows ended by CR LF, plain ASCII and so
// UTF-8. None when the inputs do not read as numbers.
std::optional<std::string> pointsCsv(const TrajectoryInputs &inputs);

enum class PictureFormat { Png, Svg };

// A name ending in ".png" or ".svg" (in any case) is saved in that format;
// any other name in the format of the file type chosen in the dialog.
PictureFormat pictureFormatFor(std::string_view path, PictureFormat chosen);

} // namespace trayecta
