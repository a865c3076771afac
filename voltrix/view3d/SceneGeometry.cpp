#include "voltrix/view3d/SceneGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "common/SaturatingTrunc.h"
#include "voltrix/view3d/ViewError.h"

namespace voltrix {

namespace {

// Results are carried in double and stored as float, like every stored value of
// the view. Beyond the float range the value becomes an infinity explicitly
// (the bare conversion of an out-of-range double is undefined).
float toSingle(double v)
{
    constexpr double kFirstOverflow = 0x1.ffffffp127; // halfway past FLT_MAX
    if (v >= kFirstOverflow)
        return std::numeric_limits<float>::infinity();
    if (v <= -kFirstOverflow)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

// Byte-sized record fields (kinds and styles) keep their low byte.
int asByte(int value) { return static_cast<unsigned char>(static_cast<unsigned>(value)); }

struct TrigTables {
    float cosine[360];
    float sine[360];
    TrigTables()
    {
        // 3.1415, not the full pi: every angle of the view is this slightly
        // short degree, and the pictures depend on it.
        for (int i = 0; i < 360; ++i) {
            const float a = toSingle(i * 3.1415 * (1.0 / 180.0));
            cosine[i] = toSingle(std::cos(static_cast<double>(a)));
            sine[i] = toSingle(std::sin(static_cast<double>(a)));
        }
    }
};

const TrigTables &tables()
{
    static const TrigTables t;
    return t;
}

// Cuts a label text to kMaxLabelChars characters without splitting a UTF-8
// sequence.
std::string cutLabelText(const std::string &text)
{
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == SceneGeometry::kMaxLabelChars)
                return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

// A store of n objects holds n + 1 records, record 0 unused. A count that
// cannot be allocated (negative, or too large for memory) is reported like
// the allocation failure it is.
template <class Record>
std::vector<Record> allocateStore(int n, const Record &fill, const char *operation, const char *message)
{
    if (n < 0)
        reportViewError(operation, message);
    try {
        return std::vector<Record>(static_cast<std::size_t>(n) + 1, fill);
    } catch (const std::bad_alloc &) {
    } catch (const std::length_error &) {
    }
    reportViewError(operation, message);
}

} // namespace

SceneGeometry::SceneGeometry() { tables(); }

int SceneGeometry::wrapDegrees(int degrees)
{
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

float SceneGeometry::cosDeg(int degrees) { return tables().cosine[wrapDegrees(degrees)]; }

float SceneGeometry::sinDeg(int degrees) { return tables().sine[wrapDegrees(degrees)]; }

void SceneGeometry::SetupWorld(int width, int height)
{
    const float R =
        std::max({toSingle(double(XMax) - XMin), toSingle(double(YMax) - YMin), toSingle(double(ZMax) - ZMin)});
    cx_ = toSingle((double(XMax) + XMin) * 0.5);
    cy_ = toSingle((double(YMax) + YMin) * 0.5);
    cz_ = toSingle((double(ZMax) + ZMin) * 0.5);
    kx_ = toSingle(double(width) / R);
    ky_ = toSingle(double(height) / R);
    D_ = R;
    Wc_ = static_cast<float>(width / 2);
    Hc_ = static_cast<float>(height / 2);
    SetCube(cubeColor_, ShowCube);
    SetAxes(axesColor_, ShowAxes);
}

ScreenPoint SceneGeometry::Project(float x, float y, float z) const
{
    const TrigTables &t = tables();
    const int a = wrapDegrees(Alfa);
    const int b = wrapDegrees(Beta);
    const double ca = t.cosine[a], sa = t.sine[a];
    const double cb = t.cosine[b], sb = t.sine[b];
    const double zoom = Zoom;

    // Each of u, v, d, h and p is rounded to float before it is used again.
    const float u = toSingle((y * cb - z * sb) * zoom);
    const float v = toSingle((y * sb + z * cb) * zoom);
    const float d = toSingle(x * ca * zoom - u * sa);
    const float h = toSingle(x * sa * zoom + u * ca);
    const float p = (d == D_) ? 0.0f : toSingle(double(D_) / (double(D_) - d));

    return {orvalis::saturatingTrunc(double(h) * p * kx_ + Wc_),
            orvalis::saturatingTrunc(double(Hc_) - double(v) * p * ky_)};
}

ScreenLine SceneGeometry::projectLine(const SpaceLine &l) const
{
    const ScreenPoint a = Project(l.x1, l.y1, l.z1);
    const ScreenPoint b = Project(l.x2, l.y2, l.z2);
    return {a.x, a.y, b.x, b.y};
}

void SceneGeometry::ProjectAll()
{
    // A counter above its store's size would read past it; only allocated
    // objects are projected.
    for (int i = 1; i <= std::min(NParticles, particleCount()); ++i) {
        SceneParticle &p = particles_[i];
        p.screen = Project(p.x, p.y, p.z);
    }
    for (int i = 1; i <= std::min(NPlanes, planeCount()); ++i) {
        ScenePlane &p = planes_[i];
        for (int k = 0; k < 4; ++k)
            p.screen[k] = Project(p.corners[3 * k], p.corners[3 * k + 1], p.corners[3 * k + 2]);
    }
    for (int i = 1; i <= std::min(NSegments, segmentCount()); ++i) {
        SceneSegment &s = segments_[i];
        s.screen = projectLine({s.x1, s.y1, s.z1, s.x2, s.y2, s.z2});
    }
    for (int i = 1; i <= std::min(NPoints, pointCount()); ++i) {
        ScenePoint &p = points_[i];
        p.screen = Project(p.x, p.y, p.z);
    }
    for (int i = 1; i <= std::min(NLabels, labelCount()); ++i) {
        SceneLabel &l = labels_[i];
        l.screen = Project(l.x, l.y, l.z);
    }
    for (int i = 1; i <= std::min(NTraces, traceCount()); ++i) {
        SceneTrace &t = traces_[i];
        if (!t.shown)
            continue;
        for (TraceSample &s : t.samples)
            if (s.valid)
                s.screen = Project(s.x, s.y, s.z);
    }
    SetCube(cubeColor_, ShowCube);
    SetAxes(axesColor_, ShowAxes);
}

void SceneGeometry::SetCube(TColor colour, bool shown)
{
    cubeColor_ = colour;
    ShowCube = shown;
    buildCube();
}

void SceneGeometry::SetAxes(TColor colour, bool shown)
{
    axesColor_ = colour;
    ShowAxes = shown;
    buildAxes();
}

namespace {

struct Corner {
    double x, y, z;
};

} // namespace

void SceneGeometry::buildCube()
{
    const double m[3] = {XMin, YMin, ZMin};
    const double M[3] = {XMax, YMax, ZMax};
    auto at = [&](bool hx, bool hy, bool hz) { return Corner{hx ? M[0] : m[0], hy ? M[1] : m[1], hz ? M[2] : m[2]}; };
    // Floor, lid, then the four uprights.
    const std::pair<Corner, Corner> edges[kCubeEdges] = {
        {at(0, 0, 0), at(1, 0, 0)}, {at(0, 0, 0), at(0, 1, 0)}, {at(1, 1, 0), at(1, 0, 0)}, {at(1, 1, 0), at(0, 1, 0)},
        {at(0, 0, 1), at(1, 0, 1)}, {at(0, 0, 1), at(0, 1, 1)}, {at(1, 1, 1), at(1, 0, 1)}, {at(1, 1, 1), at(0, 1, 1)},
        {at(0, 0, 0), at(0, 0, 1)}, {at(0, 1, 0), at(0, 1, 1)}, {at(1, 1, 0), at(1, 1, 1)}, {at(1, 0, 0), at(1, 0, 1)},
    };
    for (int i = 0; i < kCubeEdges; ++i) {
        const auto &[a, b] = edges[i];
        cube_[i] = {toSingle(a.x - cx_), toSingle(a.y - cy_), toSingle(a.z - cz_),
                    toSingle(b.x - cx_), toSingle(b.y - cy_), toSingle(b.z - cz_)};
        cubeScreen_[i] = projectLine(cube_[i]);
    }
}

void SceneGeometry::buildAxes()
{
    const double xmin = XMin, ymin = YMin, zmin = ZMin;
    const double xmax = XMax, ymax = YMax, zmax = ZMax;
    const double A = toSingle(1.1 * xmax);
    const double w = toSingle((xmax - xmin) / 30.0);
    // The letters sit at absolute 0 on the axes they do not name; X and Y take
    // both place and size from A.
    const std::pair<Corner, Corner> segs[kAxisSegments] = {
        {{xmin, ymin, zmin}, {1.2 * xmax, ymin, zmin}},
        {{xmin, ymin, zmin}, {xmin, 1.2 * ymax, zmin}},
        {{xmin, ymin, zmin}, {xmin, ymin, 1.2 * zmax}},
        {{A, ymin, -0.05 * A}, {1.05 * A, ymin, -0.1 * A}},
        {{1.05 * A, ymin, -0.05 * A}, {A, ymin, -0.1 * A}},
        {{0, ymin + A, -0.05 * A}, {0, ymin + 1.025 * A, -0.1 * A}},
        {{0, ymin + 1.05 * A, -0.05 * A}, {0, ymin + 1.025 * A, -0.1 * A}},
        {{0, ymin + 1.025 * A, -0.1 * A}, {0, ymin + 1.025 * A, -0.13 * A}},
        {{0, ymin, 1.05 * zmax}, {0, ymin - 0.05 * ymax, 1.05 * zmax}},
        {{0, ymin - 0.05 * ymax, 1.05 * zmax}, {0, ymin, 1.1 * zmax}},
        {{0, ymin, 1.1 * zmax}, {0, ymin - 0.05 * ymax, 1.1 * zmax}},
        {{xmin, ymin, 1.2 * zmax}, {xmin, ymin - w, 1.15 * zmax}},
        {{xmin, ymin, 1.2 * zmax}, {xmin, ymin + w, 1.15 * zmax}},
        {{xmin, 1.2 * ymax, zmin}, {xmin, 1.15 * ymax, zmin + w}},
        {{xmin, 1.2 * ymax, zmin}, {xmin, 1.15 * ymax, zmin - w}},
        {{1.2 * xmax, ymin, zmin}, {1.15 * xmax, ymin - w, zmin}},
        {{1.2 * xmax, ymin, zmin}, {1.15 * xmax, ymin + w, zmin}},
    };
    for (int i = 0; i < kAxisSegments; ++i) {
        const auto &[a, b] = segs[i];
        axes_[i] = {toSingle(a.x - cx_), toSingle(a.y - cy_), toSingle(a.z - cz_),
                    toSingle(b.x - cx_), toSingle(b.y - cy_), toSingle(b.z - cz_)};
        axesScreen_[i] = projectLine(axes_[i]);
    }
}

// ---- allocation ----

void SceneGeometry::AddNParticles(int n, int kind, int radius, float x, float y, float z, TColor colour, int penStyle)
{
    SceneParticle fill;
    fill.kind = asByte(kind);
    fill.radius = radius;
    fill.x = x, fill.y = y, fill.z = z;
    fill.color = colour;
    fill.penStyle = asByte(penStyle);
    particles_ = allocateStore(n, fill, "AddNParticles", "There are not enough memory to store particles!");
}

void SceneGeometry::AddNSegments(int n, int kind, int penWidth, float x1, float y1, float z1, float x2, float y2,
                                 float z2, TColor colour, int penStyle)
{
    SceneSegment fill;
    fill.kind = asByte(kind);
    fill.penWidth = penWidth;
    fill.x1 = x1, fill.y1 = y1, fill.z1 = z1, fill.x2 = x2, fill.y2 = y2, fill.z2 = z2;
    fill.color = colour;
    fill.penStyle = asByte(penStyle);
    segments_ = allocateStore(n, fill, "AddNSegments", "There are not enough memory to store segments!");
}

void SceneGeometry::AddNPoints(int n, int kind, int size, float x, float y, float z, TColor colour, int penStyle)
{
    ScenePoint fill;
    fill.kind = asByte(kind);
    fill.size = size;
    fill.x = x, fill.y = y, fill.z = z;
    fill.color = colour;
    fill.penStyle = asByte(penStyle);
    points_ = allocateStore(n, fill, "AddNPoints", "There are not enough memory to store points!");
}

void SceneGeometry::AddNPlanes(int n, int kind, float x1, float y1, float z1, float x2, float y2, float z2, float x3,
                               float y3, float z3, float x4, float y4, float z4, TColor colour, int brushStyle)
{
    ScenePlane fill;
    fill.kind = asByte(kind);
    fill.corners = {x1, y1, z1, x2, y2, z2, x3, y3, z3, x4, y4, z4};
    fill.color = colour;
    fill.brushStyle = asByte(brushStyle);
    planes_ = allocateStore(n, fill, "AddNPlanes", "There are not enough memory to store planes!");
}

void SceneGeometry::AddNLabels(int n, int fontHeight, float x, float y, float z, TColor colour, const std::string &text)
{
    SceneLabel fill;
    fill.fontHeight = fontHeight;
    fill.x = x, fill.y = y, fill.z = z;
    fill.color = colour;
    // The record holds 25 characters; a longer text is cut here as well.
    fill.text = cutLabelText(text);
    labels_ = allocateStore(n, fill, "AddNLabels", "There are not enough memory to store labels!");
}

void SceneGeometry::AddNTraces(int n, int kind, TColor colour, int interval, int maxSamples)
{
    constexpr const char *kRecords = "There are not enough memory to store traces!";
    constexpr const char *kSamples = "There are not enough memory to store trace points!";
    SceneTrace fill;
    fill.shown = false;
    fill.kind = asByte(kind);
    fill.particle = 0;
    fill.writePosition = 1;
    fill.N = maxSamples;
    fill.stepCounter = 1;
    fill.interval = interval;
    fill.color = colour;
    std::vector<SceneTrace> store = allocateStore(n, SceneTrace{}, "AddNTraces", kRecords);
    if (maxSamples < 0)
        reportViewError("AddNTraces", kSamples);
    try {
        fill.samples.assign(static_cast<std::size_t>(maxSamples) + 1, TraceSample{});
        for (SceneTrace &t : store)
            t = fill;
    } catch (const std::bad_alloc &) {
        reportViewError("AddNTraces", kSamples);
    } catch (const std::length_error &) {
        reportViewError("AddNTraces", kSamples);
    }
    traces_ = std::move(store);
    maxTraceSamples_ = maxSamples;
}

// ---- placement ----

namespace {

[[noreturn]] void missing(const char *operation, const char *message) { reportViewError(operation, message); }

} // namespace

void SceneGeometry::MoveParticle(int index, float X, float Y, float Z)
{
    if (index < 1 || index > particleCount())
        missing("MoveParticle", "Attempt to address non existing particle!");
    SceneParticle &p = particles_[index];
    p.x = toSingle(double(X) - cx_);
    p.y = toSingle(double(Y) - cy_);
    p.z = toSingle(double(Z) - cz_);
    p.screen = Project(p.x, p.y, p.z);
    if (p.linkedTrace != 0)
        sampleTrace(p);
}

void SceneGeometry::MoveSegment(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2)
{
    if (index < 1 || index > segmentCount())
        missing("MoveSegment", "Attempt to address non existing segment ignored!");
    SceneSegment &s = segments_[index];
    s.x1 = toSingle(double(X1) - cx_);
    s.y1 = toSingle(double(Y1) - cy_);
    s.z1 = toSingle(double(Z1) - cz_);
    s.x2 = toSingle(double(X2) - cx_);
    s.y2 = toSingle(double(Y2) - cy_);
    s.z2 = toSingle(double(Z2) - cz_);
    s.screen = projectLine({s.x1, s.y1, s.z1, s.x2, s.y2, s.z2});
}

void SceneGeometry::MovePlane(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3,
                              float Z3, float X4, float Y4, float Z4)
{
    if (index < 1 || index > planeCount())
        missing("MovePlane", "Attempt to address non existing plane ignored!");
    ScenePlane &p = planes_[index];
    const float world[12] = {X1, Y1, Z1, X2, Y2, Z2, X3, Y3, Z3, X4, Y4, Z4};
    const float centre[3] = {cx_, cy_, cz_};
    for (int k = 0; k < 12; ++k)
        p.corners[k] = toSingle(double(world[k]) - centre[k % 3]);
    for (int k = 0; k < 4; ++k)
        p.screen[k] = Project(p.corners[3 * k], p.corners[3 * k + 1], p.corners[3 * k + 2]);
}

void SceneGeometry::MovePoint(int index, float X, float Y, float Z)
{
    if (index < 1 || index > pointCount())
        missing("MovePoint", "Attempt to address non existing point ignored!");
    ScenePoint &p = points_[index];
    p.x = toSingle(double(X) - cx_);
    p.y = toSingle(double(Y) - cy_);
    p.z = toSingle(double(Z) - cz_);
    p.screen = Project(p.x, p.y, p.z);
}

void SceneGeometry::MoveLabel(int index, float X, float Y, float Z)
{
    if (index < 1 || index > labelCount())
        missing("MoveLabel", "Attempt to address non existing label ignored!");
    SceneLabel &l = labels_[index];
    l.x = toSingle(double(X) - cx_);
    l.y = toSingle(double(Y) - cy_);
    l.z = toSingle(double(Z) - cz_);
    l.screen = Project(l.x, l.y, l.z);
}

// ---- restyling ----

void SceneGeometry::ChangeParticleProperties(int property, int index, int value)
{
    if (index < 1 || index > particleCount())
        missing("ChangeParticleProperties", "Attempt to address non existing particle!");
    SceneParticle &p = particles_[index];
    switch (property) {
    case kPropColour: p.color = static_cast<TColor>(value); break;
    case kPropPenStyle: p.penStyle = asByte(value); break;
    case kPropKind: p.kind = asByte(value); break;
    case kPropSize: p.radius = value; break;
    default: missing("ChangeParticleProperties", "No valid particle propertie type!");
    }
}

void SceneGeometry::ChangeSegmentProperties(int property, int index, int value)
{
    if (index < 1 || index > segmentCount())
        missing("ChangeSegmentProperties", "Attempt to address non existing segment!");
    SceneSegment &s = segments_[index];
    switch (property) {
    case kPropColour: s.color = static_cast<TColor>(value); break;
    case kPropPenStyle: s.penStyle = asByte(value); break;
    case kPropKind: s.kind = asByte(value); break;
    case kPropSize: s.penWidth = value; break;
    default: missing("ChangeSegmentProperties", "No valid segment propertie type!");
    }
}

void SceneGeometry::ChangePointProperties(int property, int index, int value)
{
    if (index < 1 || index > pointCount())
        missing("ChangePointProperties", "Attempt to address non existing point!");
    ScenePoint &p = points_[index];
    switch (property) {
    case kPropColour: p.color = static_cast<TColor>(value); break;
    case kPropPenStyle: p.penStyle = asByte(value); break;
    case kPropKind: p.kind = asByte(value); break;
    case kPropSize: p.size = value; break;
    default: missing("ChangePointProperties", "No valid point propertie type!");
    }
}

void SceneGeometry::ChangePlaneProperties(int property, int index, float value)
{
    if (index < 1 || index > planeCount())
        missing("ChangePlaneProperties", "Attempt to address non existing plane!");
    ScenePlane &p = planes_[index];
    // Owners pass colours as floats (16711680.0 for blue); truncated here.
    const int v = orvalis::saturatingTrunc(value);
    switch (property) {
    case kPropColour: p.color = static_cast<TColor>(v); break;
    case kPropPenStyle: p.brushStyle = asByte(v); break;
    case kPropKind: p.kind = asByte(v); break;
    case kPropSize: break;
    default: missing("ChangePlaneProperties", "No valid plane propertie type!");
    }
}

void SceneGeometry::ChangeLabelProperties(int property, int index, int value)
{
    if (index < 1 || index > labelCount())
        missing("ChangeLabelProperties", "Attempt to address non existing label!");
    SceneLabel &l = labels_[index];
    switch (property) {
    case kPropColour: l.color = static_cast<TColor>(value); break;
    case kPropPenStyle:
    case kPropKind: break;
    case kPropSize: l.fontHeight = value; break;
    default: missing("ChangeLabelProperties", "No valid label propertie type!");
    }
}

void SceneGeometry::ChangeLabelText(int index, const std::string &text)
{
    if (index < 1 || index > labelCount())
        missing("ChangeLabelText", "Attempt to address non existing label!");
    labels_[index].text = cutLabelText(text);
}

// ---- traces ----

void SceneGeometry::LinkTraceToParticle(int trace, int particle, int kind, TColor colour, int interval, int N,
                                        bool shown)
{
    if (particle < 1 || particle > particleCount())
        missing("LinkTraceToParticle", "No valid particle reference!");
    if (trace < 1 || trace > traceCount())
        missing("LinkTraceToParticle", "No valid trace reference!");
    if (N < 1 || N > maxTraceSamples_)
        missing("LinkTraceToParticle", "Too much trace points!");
    SceneTrace &t = traces_[trace];
    t.shown = shown;
    t.kind = asByte(kind);
    t.particle = particle;
    t.writePosition = 1;
    t.N = N;
    t.stepCounter = 1;
    t.interval = interval;
    t.color = colour;
    std::fill(t.samples.begin(), t.samples.end(), TraceSample{});
    particles_[particle].linkedTrace = shown ? trace : 0;
}

void SceneGeometry::sampleTrace(const SceneParticle &p)
{
    // The link may outlive a smaller trace store allocated later.
    if (p.linkedTrace < 1 || p.linkedTrace > traceCount())
        return;
    SceneTrace &t = traces_[p.linkedTrace];
    // An interval below 1 would divide by zero; it samples every move.
    const int interval = std::max(t.interval, 1);
    if (t.stepCounter % interval != 0) {
        ++t.stepCounter;
        return;
    }
    t.stepCounter = 1;
    const int N = std::min(t.N, static_cast<int>(t.samples.size()) - 1);
    if (N < 1)
        return;
    const TraceSample sample{p.x, p.y, p.z, p.screen, true};
    if (t.kind == kTraceDots) {
        t.samples[(t.writePosition - 1) % N + 1] = sample;
    } else {
        std::copy(t.samples.begin() + 2, t.samples.begin() + N + 1, t.samples.begin() + 1);
        t.samples[N] = sample;
    }
    // The count of samples would overflow after weeks of ticks; folding it by
    // N keeps the ring's next slot.
    if (t.writePosition == std::numeric_limits<int>::max())
        t.writePosition = (t.writePosition - 1) % N + 1;
    ++t.writePosition;
}

} // namespace voltrix
