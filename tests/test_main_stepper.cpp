// The main window's step rules, one row a transition: from a step, running or not, a command
// leaves a step and a running state.
#include <gtest/gtest.h>

#include "field/main_stepper.h"

namespace {

struct Row {
    const char* name;
    int step;
    bool running;
    void (MainStepper::*command)();
    int stepAfter;
    bool runningAfter;
};

const Row kRows[] = {
    {"start from a stopped step", 17, false, &MainStepper::Start, 0, true},
    {"start while running starts again at 0", 40, true, &MainStepper::Start, 0, true},
    {"stop keeps the step", 33, true, &MainStepper::Stop, 33, false},
    {"stop when stopped", 5, false, &MainStepper::Stop, 5, false},
    {"tick moves on while running", 9, true, &MainStepper::Tick, 10, true},
    {"tick wraps after the last step", 72, true, &MainStepper::Tick, 0, true},
    {"a tick after a stop changes nothing", 9, false, &MainStepper::Tick, 9, false},
    {"next steps on", 0, false, &MainStepper::Next, 1, false},
    {"next wraps after the last step", 72, false, &MainStepper::Next, 0, false},
    {"next stops the animation", 20, true, &MainStepper::Next, 21, false},
    {"previous steps back", 5, false, &MainStepper::Previous, 4, false},
    {"previous stays at 0", 0, false, &MainStepper::Previous, 0, false},
    {"previous from the last step", 72, false, &MainStepper::Previous, 71, false},
    {"previous stops the animation", 3, true, &MainStepper::Previous, 2, false},
    {"reset keeps the animation running", 50, true, &MainStepper::Reset, 0, true},
    {"reset leaves a stopped one stopped", 50, false, &MainStepper::Reset, 0, false},
};

TEST(MainStepper, Transitions) {
    for (const Row& row : kRows) {
        MainStepper stepper(row.step, row.running);
        (stepper.*row.command)();
        EXPECT_EQ(stepper.Step(), row.stepAfter) << row.name;
        EXPECT_EQ(stepper.Running(), row.runningAfter) << row.name;
    }
}

}  // namespace
