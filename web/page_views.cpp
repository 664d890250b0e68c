#include "page_views.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The main window's timer period (its ANIM_TIMER_PERIOD): five steps a second.
constexpr int kMainInterval = 200;

std::array<std::unique_ptr<PageView>, std::variant_size_v<ViewSettings>>& Pages() {
    static std::array<std::unique_ptr<PageView>, std::variant_size_v<ViewSettings>> pages;
    return pages;
}

std::variant<MainStepper, ExplorerStepper> StepsOf(View view) {
    if (Describe(view).rule == StepRule::Main) return MainStepper();
    return ExplorerStepper();
}

}  // namespace

PageView::PageView(View view)
    : m_settings(DefaultSettings(view)), m_view(view), m_steps(StepsOf(view)) {}

void PageView::Show(const ViewSettings& settings, int step) {
    m_settings = settings;
    Seek(step);
}

LessonStop PageView::StopShown() const {
    LessonStop stop;
    stop.settings = Settings();
    stop.step = Step();
    stop.playing = Playing();
    return stop;
}

void PageView::Act(StepAction action) {
    if (auto* main = std::get_if<MainStepper>(&m_steps)) {
        switch (action) {
            case StepAction::PlayPause:
                main->PlayPause();
                break;
            case StepAction::Pause:
                main->Stop();
                break;
            case StepAction::Tick:
                main->Tick();
                break;
            case StepAction::Next:
                main->Next();
                break;
            case StepAction::Previous:
                main->Previous();
                break;
            case StepAction::Reset:
                main->Reset();
                break;
            case StepAction::Start:
                main->Start();
                break;
        }
        return;
    }
    ExplorerStepper& s = Cycle();
    switch (action) {
        case StepAction::PlayPause:
            s.PlayPause();
            break;
        case StepAction::Pause:
            s.Pause();
            break;
        case StepAction::Tick:
            s.Tick();
            break;
        case StepAction::Next:
            s.Next();
            break;
        case StepAction::Previous:
            s.Previous();
            break;
        case StepAction::Reset:
            s.Reset();
            break;
        case StepAction::Start:
            if (!s.Playing()) s.PlayPause();
            break;
    }
}

void PageView::Seek(int step) {
    if (std::holds_alternative<MainStepper>(m_steps))
        m_steps = MainStepper(std::clamp(step, 0, Describe(m_view).lastStep));
    else
        Cycle().Seek(step);
}

void PageView::SetInterval(double ms) {
    // In a double, so that no figure typed wraps through 32 bits on its way in.
    if (std::holds_alternative<MainStepper>(m_steps) || std::isnan(ms)) return;
    Cycle().SetInterval(static_cast<int>(std::clamp(ms, double{ExplorerStepper::kMinInterval},
                                                    double{ExplorerStepper::kMaxInterval})));
}

int PageView::Step() const {
    if (const auto* main = std::get_if<MainStepper>(&m_steps)) return main->Step();
    return Cycle().Step();
}

bool PageView::Playing() const {
    if (const auto* main = std::get_if<MainStepper>(&m_steps)) return main->Playing();
    return Cycle().Playing();
}

int PageView::Interval() const {
    if (std::holds_alternative<MainStepper>(m_steps)) return kMainInterval;
    return Cycle().Interval();
}

PageView& PageOf(View view) {
    std::unique_ptr<PageView>& page = Pages()[static_cast<std::size_t>(view)];
    if (!page) page = std::make_unique<PageView>(view);
    return *page;
}

void RegisterPageView(std::unique_ptr<PageView> page) {
    Pages()[static_cast<std::size_t>(page->Which())] = std::move(page);
}
