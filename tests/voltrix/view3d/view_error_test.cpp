#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "voltrix/view3d/TXc3DWorld.h"

using namespace voltrix;

using ::testing::ExitedWithCode;
using ::testing::HasSubstr;

namespace {

// Shows the report on stderr between markers, so the exact text can be read.
void printingReporter()
{
    TXc3DWorld::SetErrorReporter([](const std::string &text) { std::fprintf(stderr, "<<%s>>", text.c_str()); });
}

std::string shown(const std::string &operation, const std::string &message)
{
    return "<<Error in function " + operation + "\n" + message + ">>";
}

// A view with one object of each kind and room for traces of 40 samples.
struct Scene {
    TXc3DWorld w;
    Scene()
    {
        w.resize(100, 100);
        w.Zoom = 0.5f;
        w.SetupWorld();
        w.AddNParticles(1, 1, 2, 0, 0, 0, clRed, 0);
        w.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, clRed, 0);
        w.AddNPoints(1, 0, 1, 0, 0, 0, clRed, 0);
        w.AddNPlanes(1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clRed, 0);
        w.AddNLabels(1, 10, 0, 0, 0, clRed, "L");
        w.AddNTraces(1, 0, clRed, 1, 40);
    }
};

using W = TXc3DWorld;

struct Misuse {
    const char *operation;
    const char *message;
    std::function<void(W &)> act;
};

} // namespace

TEST(ViewErrorDeathTest, EveryMisuseReportsItsMessageAndExitsWithOne)
{
    const Misuse cases[] = {
        {"AddNParticles", "There are not enough memory to store particles!",
         [](W &w) { w.AddNParticles(-2, 0, 1, 0, 0, 0, clRed, 0); }},
        {"AddNSegments", "There are not enough memory to store segments!",
         [](W &w) { w.AddNSegments(-2, 0, 1, 0, 0, 0, 0, 0, 0, clRed, 0); }},
        {"AddNPlanes", "There are not enough memory to store planes!",
         [](W &w) { w.AddNPlanes(-2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clRed, 0); }},
        {"AddNPoints", "There are not enough memory to store points!",
         [](W &w) { w.AddNPoints(-2, 0, 1, 0, 0, 0, clRed, 0); }},
        {"AddNTraces", "There are not enough memory to store traces!", [](W &w) { w.AddNTraces(-2, 0, clRed, 1, 4); }},
        {"AddNTraces", "There are not enough memory to store trace points!",
         [](W &w) { w.AddNTraces(2, 0, clRed, 1, -3); }},
        {"AddNLabels", "There are not enough memory to store labels!",
         [](W &w) { w.AddNLabels(-2, 10, 0, 0, 0, clRed, "x"); }},
        {"MoveParticle", "Attempt to address non existing particle!", [](W &w) { w.MoveParticle(2, 0, 0, 0); }},
        {"MoveSegment", "Attempt to address non existing segment ignored!",
         [](W &w) { w.MoveSegment(0, 0, 0, 0, 0, 0, 0); }},
        {"MovePlane", "Attempt to address non existing plane ignored!",
         [](W &w) { w.MovePlane(2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0); }},
        {"MovePoint", "Attempt to address non existing point ignored!", [](W &w) { w.MovePoint(0, 0, 0, 0); }},
        {"MoveLabel", "Attempt to address non existing label ignored!", [](W &w) { w.MoveLabel(2, 0, 0, 0); }},
        {"ChangeParticleProperties", "Attempt to address non existing particle!",
         [](W &w) { w.ChangeParticleProperties(0, 0, 0); }},
        {"ChangeParticleProperties", "No valid particle propertie type!",
         [](W &w) { w.ChangeParticleProperties(4, 1, 0); }},
        {"ChangeSegmentProperties", "Attempt to address non existing segment!",
         [](W &w) { w.ChangeSegmentProperties(0, 2, 0); }},
        {"ChangeSegmentProperties", "No valid segment propertie type!",
         [](W &w) { w.ChangeSegmentProperties(-1, 1, 0); }},
        {"ChangePointProperties", "Attempt to address non existing point!",
         [](W &w) { w.ChangePointProperties(0, 2, 0); }},
        {"ChangePointProperties", "No valid point propertie type!", [](W &w) { w.ChangePointProperties(4, 1, 0); }},
        {"ChangePlaneProperties", "Attempt to address non existing plane!",
         [](W &w) { w.ChangePlaneProperties(0, 0, 0.0f); }},
        {"ChangePlaneProperties", "No valid plane propertie type!", [](W &w) { w.ChangePlaneProperties(4, 1, 0.0f); }},
        {"ChangeLabelProperties", "Attempt to address non existing label!",
         [](W &w) { w.ChangeLabelProperties(0, 2, 0); }},
        {"ChangeLabelProperties", "No valid label propertie type!", [](W &w) { w.ChangeLabelProperties(4, 1, 0); }},
        {"ChangeLabelText", "Attempt to address non existing label!", [](W &w) { w.ChangeLabelText(0, "x"); }},
        {"LinkTraceToParticle", "No valid particle reference!",
         [](W &w) { w.LinkTraceToParticle(1, 2, 0, clRed, 1, 40, true); }},
        {"LinkTraceToParticle", "No valid trace reference!",
         [](W &w) { w.LinkTraceToParticle(0, 1, 0, clRed, 1, 40, true); }},
        {"LinkTraceToParticle", "Too much trace points!",
         [](W &w) { w.LinkTraceToParticle(1, 1, 0, clRed, 1, 41, true); }},
        {"LinkTraceToParticle", "Too much trace points!",
         [](W &w) { w.LinkTraceToParticle(1, 1, 0, clRed, 1, 0, true); }},
        {"DrawParticle", "Attempt to address non existing particle!",
         [](W &w) { w.DrawParticle(w.BitmapCanvas(), 2); }},
        {"DrawSegment", "Attempt to address non existing segment!", [](W &w) { w.DrawSegment(w.BitmapCanvas(), 0); }},
        {"DrawPlane", "Attempt to address non existing plane!", [](W &w) { w.DrawPlane(w.BitmapCanvas(), 2, 0); }},
        {"DrawPoint", "Attempt to address non existing point!", [](W &w) { w.DrawPoint(w.BitmapCanvas(), 2); }},
        {"DrawLabel", "Attempt to address non existing label!", [](W &w) { w.DrawLabel(w.BitmapCanvas(), 0); }},
        // A counter above its store is met inside DrawWorld.
        {"DrawSegment", "Attempt to address non existing segment!",
         [](W &w) {
             w.NSegments = 2;
             w.DrawWorld();
         }},
    };
    for (const Misuse &c : cases) {
        EXPECT_EXIT(
            {
                printingReporter();
                Scene s;
                c.act(s.w);
                std::fprintf(stderr, "survived");
            },
            ExitedWithCode(1), HasSubstr(shown(c.operation, c.message)))
            << c.operation << ": " << c.message;
    }
}

TEST(ViewError, ValidBoundariesAreAccepted)
{
    Scene s;
    s.w.LinkTraceToParticle(1, 1, 0, clRed, 1, 40, true);
    EXPECT_EQ(s.w.trace(1).N, 40);
}

TEST(ViewErrorDeathTest, AReporterCannotKeepTheProgramAlive)
{
    EXPECT_EXIT(
        {
            TXc3DWorld::SetErrorReporter([](const std::string &) { throw std::runtime_error("carry on"); });
            Scene s;
            s.w.MoveParticle(5, 0, 0, 0);
            std::fprintf(stderr, "survived");
        },
        ExitedWithCode(1), ::testing::Not(HasSubstr("survived")));
}

TEST(ViewErrorDeathTest, DefaultShowsTheMessageBoxThenExits)
{
    EXPECT_EXIT(
        {
            TXc3DWorld::SetErrorReporter({});
            // Read the box that opens, then press Cancel.
            QTimer::singleShot(0, [] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box) {
                    std::fprintf(stderr, "no box");
                    return;
                }
                std::fprintf(stderr, "[%s|%s|%d]", box->windowTitle().toStdString().c_str(),
                             box->text().toStdString().c_str(),
                             box->standardButtons() == (QMessageBox::Ok | QMessageBox::Cancel));
                box->button(QMessageBox::Cancel)->click();
            });
            Scene s;
            s.w.MoveLabel(9, 0, 0, 0);
        },
        ExitedWithCode(1),
        HasSubstr("[Xc3DWorld Error|Error in function MoveLabel\n"
                  "Attempt to address non existing label ignored!|1]"));
}
