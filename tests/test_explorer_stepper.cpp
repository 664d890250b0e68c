// The explorer's step controls as a lecturer uses them: play and pause carry on from the step
// shown, Next and Previous wrap round one period both ways and stop the animation, Reset goes to
// 0 and keeps it running, the slider goes straight to a step.
#include "explorer/explorer_stepper.h"

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Action = std::function<void(ExplorerStepper&)>;
const Action kPlay = [](ExplorerStepper& s) { s.PlayPause(); };
const Action kTick = [](ExplorerStepper& s) { s.Tick(); };
const Action kNext = [](ExplorerStepper& s) { s.Next(); };
const Action kPrevious = [](ExplorerStepper& s) { s.Previous(); };
const Action kReset = [](ExplorerStepper& s) { s.Reset(); };
Action Seek(int step) {
    return [step](ExplorerStepper& s) { s.Seek(step); };
}
Action Ticks(int n) {
    return [n](ExplorerStepper& s) {
        for (int i = 0; i < n; ++i) s.Tick();
    };
}

struct Scenario {
    const char* name;
    std::vector<Action> actions;
    int step;
    bool playing;
    friend void PrintTo(const Scenario& row, std::ostream* os) { *os << row.name; }
};

class Stepper : public ::testing::TestWithParam<Scenario> {};

TEST_P(Stepper, EndsAtTheStepAndMode) {
    ExplorerStepper stepper;
    for (const Action& action : GetParam().actions) action(stepper);
    EXPECT_EQ(stepper.Step(), GetParam().step);
    EXPECT_EQ(stepper.Playing(), GetParam().playing);
}

INSTANTIATE_TEST_SUITE_P(
    Lecture, Stepper,
    ::testing::Values(
        Scenario{"StartsStillAtZero", {}, 0, false},
        Scenario{"TicksOnlyWhilePlaying", {kTick, kPlay, Ticks(3)}, 3, true},
        Scenario{"PauseKeepsTheStep", {kPlay, Ticks(5), kPlay, kTick}, 5, false},
        Scenario{"PlayCarriesOnFromTheStepShown",
                 {kPlay, Ticks(5), kPlay, kNext, kPlay, Ticks(2)},
                 8,
                 true},
        Scenario{"TicksWrapAfterOnePeriod", {kPlay, Ticks(37)}, 1, true},
        Scenario{"NextWrapsFrom35To0", {Seek(35), kNext}, 0, false},
        Scenario{"PreviousWrapsFrom0To35", {kPrevious}, 35, false},
        Scenario{"NextAndPreviousStopTheAnimation", {kPlay, Ticks(2), kPrevious}, 1, false},
        Scenario{"ResetGoesToZeroAndKeepsPlaying", {kPlay, Ticks(7), kReset, kTick}, 1, true},
        Scenario{"ResetWhileStill", {Seek(20), kReset}, 0, false},
        Scenario{"SeekGoesStraightThereAndStops", {kPlay, Ticks(3), Seek(27)}, 27, false},
        Scenario{"SeekOutsideThePeriodStopsAtItsEnds", {Seek(99), kNext, Seek(-4)}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepperSpeed, From50To1000MsPerStepDefault200) {
    ExplorerStepper stepper;
    EXPECT_EQ(stepper.Interval(), 200);
    stepper.SetInterval(20);
    EXPECT_EQ(stepper.Interval(), 50);
    stepper.SetInterval(5000);
    EXPECT_EQ(stepper.Interval(), 1000);
    stepper.SetInterval(350);
    EXPECT_EQ(stepper.Interval(), 350);
}

}  // namespace
