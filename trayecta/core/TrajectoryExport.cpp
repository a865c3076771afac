#include "trayecta/core/TrajectoryExport.h"

#include <cctype>
#include <cstdint>
#include <vector>

#include "trayecta/core/NumberText.h"

namespace trayecta {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(end[i])) != suffix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> pointsCsv(const TrajectoryInputs &in)
{
    const Reading x0 = readNumber(in.x0);
    const Reading y0 = readNumber(in.y0);
    const Reading flightTime = readNumber(in.flightTime);
    if (!x0.ok() || !y0.ok() || !flightTime.ok()) {
        return std::nullopt;
    }
    const std::vector<std::int64_t> steps = plottedSteps(flightTime.value, in.vy, in.hy);

    std::string csv;
    // About 60 characters a row.
    csv.reserve(kPointsHeader.size() + 2 + steps.size() * 64);
    csv += kPointsHeader;
    csv += "\r\n";
    for (const std::int64_t k : steps) {
        const double t = static_cast<double>(k) / kPointsPerSecond;
        const double t2 = t * t;
        appendDataNumber(csv, t);
        csv += ',';
        appendDataNumber(csv, x0.value + in.vx * t + in.hx * t2);
        csv += ',';
        appendDataNumber(csv, y0.value + in.vy * t + in.hy * t2);
        csv += "\r\n";
    }
    return csv;
}

PictureFormat pictureFormatFor(std::string_view path, PictureFormat chosen)
{
    if (endsWithNoCase(path, ".png")) {
        return PictureFormat::Png;
    }
    if (endsWithNoCase(path, ".svg")) {
        return PictureFormat::Svg;
    }
    return chosen;
}

} // namespace trayecta
