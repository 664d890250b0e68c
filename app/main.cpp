#include <cstdio>

#include "display_check.h"
#include "field_demo_app.h"

CFieldDemoApp theApp;

int main(int argc, char** argv) {
    if (const std::string problem = DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr,
                     "vesk: no display to show the window on (%s); run vesk in a desktop "
                     "session, or use vesk-render to draw frames without a window\n",
                     problem.c_str());
        return 1;
    }
    return AfxWinMain(argc, argv);
}
