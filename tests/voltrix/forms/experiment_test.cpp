// The experiment the windows follow: each operation changes the state and
// then says once what changed, which is all a window needs to follow it.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <vector>

#include "voltrix/forms/Experiment.h"

using namespace voltrix;
using E = Experiment;

namespace {

TEST(Experiment, EachOperationAnnouncesWhatItChangedOnce)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    Experiment experiment;
    std::vector<E::Changes> seen;
    QObject window;
    QObject::connect(&experiment, &E::changed, &window, [&seen](E::Changes what) { seen.push_back(what); });
    const E::Setting vx{&SimState::vx, &SimState::vx0, E::Velocity | E::Force};

    const struct {
        const char *name;
        std::function<void()> operation;
        E::Changes expected;
    } cases[] = {
        {"position",
         [&] {
             experiment.set({&SimState::y, &SimState::y0, E::Position}, 30);
         },
         E::Position},
        {"velocity", [&] { experiment.set(vx, 3); }, E::Velocity | E::Force},
        {"charge", [&] { experiment.setCharge(-2); }, E::Charge | E::Force},
        {"charge held", [&] { experiment.holdCharge(0.1f); }, E::ChargeHold},
        {"charge tick", [&] { experiment.stepCharge(); }, E::Charge | E::Force},
        {"time step", [&] { experiment.setTimeStep(0.02f); }, E::TimeStep},
        {"time", [&] { experiment.setTime(1.5f); }, E::Time},
        {"centimetres", [&] { experiment.setUnit(LengthUnit::Centimetre); }, E::Unit | E::Force},
        {"metres", [&] { experiment.setUnit(LengthUnit::Metre); }, E::Unit},
        {"confined", [&] { experiment.setFieldConfined(true); }, E::Region | E::Magnetic | E::Force},
        {"all space", [&] { experiment.setFieldConfined(false); }, E::Region},
        {"a factor picked", [&] { experiment.selectFactor(VectorQuantity::Electric, true); }, E::Scale},
        {"its tick", [&] { experiment.stepScale(); }, E::Scale | E::Factors},
        {"none picked", [&] { experiment.selectFactor(VectorQuantity::Electric, false); }, E::Scale},
        {"a tick of nothing", [&] { experiment.stepScale(); }, E::Scale},
        {"turned", [&] { experiment.turn(); }, E::Camera},
        {"a step", [&] { experiment.step(); }, E::Stepped | E::Position | E::Velocity | E::Time | E::Force},
        {"an unseen step", [&] { experiment.stepUnseen(); }, E::SteppedUnseen},
        {"Inicia", [&] { experiment.preset(); },
         E::Preset | E::Position | E::Velocity | E::Electric | E::Magnetic | E::TimeStep | E::Time | E::Factors
             | E::Force | E::RunRestarted},
        {"stored", [&] { experiment.store(); }, {}},
        {"recalled", [&] { experiment.recall(); },
         E::Loaded | E::Position | E::Velocity | E::Electric | E::Magnetic | E::Charge | E::Time | E::Force
             | E::RunRestarted},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        seen.clear();
        c.operation();
        if (!c.expected) {
            EXPECT_TRUE(seen.empty());
            continue;
        }
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen.front(), c.expected);
    }
    QDir::setCurrent(previous);

    // The panel's setting writes the start value too; the recall read back
    // the stored instant, and the run restarted with it.
    EXPECT_EQ(experiment.state().y0, 30.0f);
    EXPECT_EQ(experiment.state().vx0, 3.0f);
    EXPECT_TRUE(experiment.run().empty());
    EXPECT_EQ(experiment.state().t, 0.0f);
}

} // namespace
