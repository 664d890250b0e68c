#include <cstdio>

#include "app_options.h"
#include "display_check.h"
#include "field_demo_app.h"
#include "lesson_file.h"
#include "preferences.h"

CFieldDemoApp theApp;

int main(int argc, char** argv) {
    const AppOptionsResult parsed = ParseAppOptions({argv + 1, argv + argc});
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "vesk: %s\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(AppUsage().c_str(), stdout);
        return 0;
    }
    theApp.m_view = parsed.options.view;
    theApp.m_bPresent = parsed.options.present;
    if (parsed.options.lesson) {
        theApp.m_lesson = BuiltInLesson();
        if (!parsed.options.lessonFile.empty()) {
            LessonFileResult read = ReadLessonFile(parsed.options.lessonFile);
            if (!read.error.empty()) {
                std::fprintf(stderr, "vesk: %s\n", read.error.c_str());
                return 2;
            }
            theApp.m_lesson = std::move(read.lesson);
        }
    }
    theApp.m_language = parsed.options.language.value_or(RememberedLanguage());
    theApp.m_palette =
        parsed.options.palette != nullptr ? parsed.options.palette : &RememberedPalette();
    // Qt's own scaling, which is read when the application starts: the given size, else the
    // size chosen in the window menu, unless the desktop sets a factor of its own.
    const double scale = parsed.options.scale.value_or(RememberedScale());
    if (parsed.options.scale || (scale != 1.0 && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    if (const std::string problem = DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr,
                     "vesk: no display to show the window on (%s); run vesk in a desktop "
                     "session, or use vesk-render to draw frames without a window\n",
                     problem.c_str());
        return 1;
    }
    return AfxWinMain(argc, argv);
}
