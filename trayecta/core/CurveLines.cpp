#include "trayecta/core/CurveLines.h"

#include <cmath>
#include <optional>
#include <utility>

namespace trayecta {

namespace {

LinePoint mapped(const PlotPoint &p, const GraphScale &scale, const PictureFrame &frame)
{
    return {frame.left + (static_cast<double>(p.x) - scale.left) / scale.width * frame.width,
            frame.top + static_cast<double>(p.y) / scale.height * frame.height};
}

bool finite(const LinePoint &p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool inside(const LinePoint &p, const PictureFrame &f)
{
    return p.x >= f.left && p.x <= f.left + f.width && p.y >= f.top && p.y <= f.top + f.height;
}

// Liang-Barsky: the part of the segment a-b inside the frame, if any.
std::optional<std::pair<LinePoint, LinePoint>> clipped(LinePoint a, LinePoint b, const PictureFrame &f)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - f.left, f.left + f.width - a.x, a.y - f.top, f.top + f.height - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::fmax(enter, r);
        } else {
            leave = std::fmin(leave, r);
        }
    }
    if (enter > leave) {
        return std::nullopt;
    }
    const LinePoint from = enter > 0.0 ? LinePoint{a.x + enter * dx, a.y + enter * dy} : a;
    const LinePoint to = leave < 1.0 ? LinePoint{a.x + leave * dx, a.y + leave * dy} : b;
    return std::make_pair(from, to);
}

} // namespace

std::vector<CurveLine> curveLines(const std::vector<PlotPoint> &points, const GraphScale &scale,
                                  const PictureFrame &frame)
{
    std::vector<CurveLine> lines;
    if (points.size() == 1) {
        const LinePoint only = mapped(points.front(), scale, frame);
        if (finite(only) && inside(only, frame)) {
            lines.push_back({{only}, points.front().apex});
        }
        return lines;
    }
    bool open = false; // the last line ends where the next segment begins
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const LinePoint a = mapped(points[i], scale, frame);
        const LinePoint b = mapped(points[i + 1], scale, frame);
        const auto part = finite(a) && finite(b) ? clipped(a, b, frame) : std::nullopt;
        if (!part) {
            open = false;
            continue;
        }
        const bool apex = points[i].apex && points[i + 1].apex;
        const bool continues = open && lines.back().apex == apex && part->first.x == a.x && part->first.y == a.y;
        if (!continues) {
            lines.push_back({{part->first}, apex});
        }
        lines.back().points.push_back(part->second);
        // A segment cut short at its end leaves a gap before the next one.
        open = part->second.x == b.x && part->second.y == b.y;
    }
    return lines;
}

void thinLines(std::vector<CurveLine> &lines, double tolerance)
{
    const double squared = tolerance * tolerance;
    for (CurveLine &line : lines) {
        std::vector<LinePoint> &p = line.points;
        if (p.size() < 3) {
            continue;
        }
        std::size_t kept = 0;
        for (std::size_t i = 1; i + 1 < p.size(); ++i) {
            const double dx = p[i].x - p[kept].x;
            const double dy = p[i].y - p[kept].y;
            if (dx * dx + dy * dy >= squared) {
                p[++kept] = p[i];
            }
        }
        p[++kept] = p.back();
        p.resize(kept + 1);
    }
}

} // namespace trayecta
