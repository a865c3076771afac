#pragma once
// The main window's scene as every window uses it: which of the view's objects
// plays which role (the particle and its trace, the five vector figures, the
// floor and the region's faces) and the moves and colourings the windows ask
// for. Object numbers appear only here; the geometry comes from the core.
#include <array>

#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/Figures.h"
#include "voltrix/core/SimState.h"
#include "voltrix/view3d/SceneColor.h"

namespace voltrix {

class TXc3DWorld;

// A vector figure's objects: the arrow segment, its three construction lines
// (segments arrow + 1 .. arrow + 3), the projection rectangle (0: none) and
// the label.
struct FigureSlots {
    int arrow;
    int plane;
    int label;
};

FigureSlots figureSlots(VectorQuantity quantity);

// A figure's parts as segments: part 0 is the arrow, parts 1..3 the
// construction lines along x, y and z.
inline constexpr int kArrowPart = 0;
inline constexpr int kFigureParts = 4;

// The order of a figure's last two moves.
enum class LabelOrder { AfterRectangle, BeforeRectangle };

// Which parts of the figures the user has chosen to see (the vector options'
// boxes): part 0 is a quantity's arrow, parts 1..3 its component lines. Some
// moves follow only the parts that are shown.
class PartChoice {
public:
    virtual bool isPartShown(VectorQuantity quantity, int part) const = 0;

protected:
    ~PartChoice() = default;
};

class SceneFigures {
public:
    explicit SceneFigures(TXc3DWorld &view)
        : view_(view)
    {}

    TXc3DWorld &view() const { return view_; }

    // Creation: the stores with more objects than are drawn, then every
    // object's role and start look for the state given.
    void allocate();
    void placeStartRoles(const SimState &s, const DrawingFactors &f);

    void placeParticle(const SimState &s);
    // Every part, then the rectangle and the label in the order given.
    void placeFigure(VectorQuantity quantity, const FigureGeometry &g, LabelOrder order = LabelOrder::AfterRectangle);
    void placePart(VectorQuantity quantity, int part, const FigureGeometry &g);
    void placeRectangle(VectorQuantity quantity, const FigureGeometry &g);
    void placeLabel(VectorQuantity quantity, Point3 at);

    void colourPart(VectorQuantity quantity, int part, TColor colour);
    void colourRectangle(VectorQuantity quantity, TColor colour);
    void colourLabel(VectorQuantity quantity, TColor colour);

    // The two yellow faces of the confined region, or both hidden.
    void showRegionFaces(bool shown);
    // Relinking empties the trace: every call starts a new one.
    void relinkTrace(bool shown, int interval);

    // The window whose boxes choose the parts shown; until one is set (and
    // once it is gone), no part is.
    void setPartChoice(const PartChoice *choice);
    bool isPartShown(VectorQuantity quantity, int part) const;

private:
    TXc3DWorld &view_;
    const PartChoice *choice_ = nullptr;
};

} // namespace voltrix
