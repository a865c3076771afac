#pragma once
// The program's 3D view: a widget that keeps a small scene of particles,
// arrows and lines, points, flat quadrilaterals, labels and particle traces in
// a world box, projects it with two camera angles, a zoom and a mild
// perspective, and paints it through an off-screen bitmap. The geometry lives
// in SceneGeometry; this class adds the background colour, the two canvases
// and the drawing of each object.
//
// The owner sets properties and objects and then calls SetupWorld (after a
// resize or a change of the box), ProjectAll (after a change of Alfa, Beta,
// Zoom) and DrawWorld. Its paint handler OnPaint normally calls ClearScreen
// and DrawWorld. Misuse (index or property out of range) is reported with
// "Error in function ..." and ends the program with exit status 1.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "voltrix/view3d/Colors.h"
#include "voltrix/view3d/SceneGeometry.h"
#include "voltrix/view3d/ViewCanvas.h"
#include "voltrix/view3d/ViewError.h"

namespace voltrix {

class TXc3DWorld : public QWidget, public SceneGeometry {
    Q_OBJECT
public:
    explicit TXc3DWorld(QWidget *parent = nullptr);
    ~TXc3DWorld() override;

    TColor Color = clBlack; // background; an object of this colour is hidden

    // The owner's paint handler, run by every paint event before the visible
    // canvas is shown.
    std::function<void()> OnPaint;

    int Width() const { return width(); }
    int Height() const { return height(); }

    void SetupWorld();
    void ProjectAll();
    void DrawWorld();
    void ClearScreen();
    void SetCube(TColor colour, bool shown);
    void SetAxes(TColor colour, bool shown);

    void MoveParticle(int index, float X, float Y, float Z);
    void MoveSegment(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2);
    void MovePlane(int index, float X1, float Y1, float Z1, float X2, float Y2, float Z2, float X3, float Y3, float Z3,
                   float X4, float Y4, float Z4);
    void MovePoint(int index, float X, float Y, float Z);
    void MoveLabel(int index, float X, float Y, float Z);

    void ChangeParticleProperties(int property, int index, int value);
    void ChangeSegmentProperties(int property, int index, int value);
    void ChangePointProperties(int property, int index, int value);
    void ChangePlaneProperties(int property, int index, float value);
    void ChangeLabelProperties(int property, int index, int value);
    // Inherited unchanged: AddNParticles … AddNTraces, ChangeLabelText,
    // LinkTraceToParticle, Project.

    void DrawParticle(ViewCanvas &canvas, int index);
    void DrawSegment(ViewCanvas &canvas, int index);
    void DrawPoint(ViewCanvas &canvas, int index);
    void DrawLabel(ViewCanvas &canvas, int index);
    void DrawPlane(ViewCanvas &canvas, int index, int layer);
    void DrawCube(ViewCanvas &canvas);
    void DrawAxes(ViewCanvas &canvas);
    void DrawTraces(ViewCanvas &canvas);

    // The off-screen bitmap and the visible canvas that paint events show.
    ViewCanvas &BitmapCanvas() { return bitmap_; }
    ViewCanvas &VisibleCanvas() { return visible_; }
    const QImage &bitmapImage() { return bitmap_.image(); }
    const QImage &visibleImage() { return visible_.image(); }

    // The frame as DrawWorld draws it, at another pixel ratio (for print).
    QImage frameImage(qreal pixelRatio);

    // Where the last point drawn ended; kind-1 points are joined to it.
    ScreenPoint lastDrawnPoint() const { return lastPoint_; }

    // Replaces how errors are shown (the default is the message box); the
    // program still ends with exit status 1 afterwards.
    static void SetErrorReporter(ViewErrorReporter reporter);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool hidden(TColor colour) const { return colour == Color; }
    void showImmediately(const QRect &changed = QRect());
    void syncVisibleSize();

    // The frame's first layer (the ground, the background planes, the cube
    // and the axes) changes only with the camera or those objects: it is kept
    // drawn and copied under each new frame. It is kept for everything it was
    // drawn from, the pen and brush it started with and left included.
    struct PlaneLook {
        int kind;
        TColor color;
        int brushStyle;
        std::array<ScreenPoint, 4> screen;
        bool operator==(const PlaneLook &) const = default;
    };
    struct Background {
        int width = 0, height = 0;
        qreal ratio = 0;
        TColor colour = 0, cubeColour = 0, axesColour = 0;
        bool cube = false, axes = false;
        std::array<ScreenLine, kCubeEdges> cubeLines{};
        std::array<ScreenLine, kAxisSegments> axesLines{};
        std::vector<PlaneLook> planes;
        CanvasState before;
        bool operator==(const Background &) const = default;
    };
    Background backgroundNow(const CanvasState &before, qreal ratio) const;
    void drawBackground(ViewCanvas &c);
    void drawObjects(ViewCanvas &c); // everything over the background, in the design's order

    ViewCanvas bitmap_;
    ViewCanvas visible_;
    ViewCanvas background_;
    Background backgroundDrawn_;
    CanvasState backgroundLeaves_;
    int clipWidth_ = 0;
    int clipHeight_ = 0;
    ScreenPoint lastPoint_;
    bool painting_ = false;
    bool focusFromKeyboard_ = false; // the focus frame is drawn
    // Whether the paint now queued is the one a DrawWorld asked for, with
    // nothing drawn on the visible canvas since.
    enum class FrameShown { None, Queued };
    FrameShown frameShown_ = FrameShown::None;
};

} // namespace voltrix
