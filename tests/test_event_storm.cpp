// Event storms on the main window: thousands of random runs of clicks, keys, timer ticks, paints,
// minimizing and restoring and the About box, each checked event by event against a small model of
// the step controller worked out from its rules alone. Nothing may break, drift or grow.
//
// The suite runs 2,000 sequences of 50 events (500 under the sanitizers), in four shards that CTest
// runs side by side. Longer storms on demand, for instance
//     VESK_STORM_SEQUENCES=100000 ctest --test-dir build/dev -R EventStorm -j2 --timeout 7200
// VESK_STORM_SEED is the seed of the first sequence (each sequence takes the next number) and
// VESK_STORM_EVENTS the number of events in each. A failure names the seed of its sequence, which
// then runs again alone with VESK_STORM_SEED=<seed> VESK_STORM_SEQUENCES=1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimerEvent>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "field/frame.h"
#include "field/main_stepper.h"
#include "field/phase_model.h"
#include "field_demo_dialog.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

namespace {

constexpr int kAnimationPeriod = 200;  // ms
// Under the sanitizers each event costs several times as much; a quarter of the storm still takes
// every handler through thousands of events.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultSequences = 500;
#else
constexpr int kDefaultSequences = 2000;
#endif
constexpr int kSequencesPerWindow = 20;

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::atoi(value) : fallback;
}

// What the window should show: the step and the mode by the core's step rules (MainStepper), and
// the check box and the window's state beside them.
struct Model : MainStepper {
    bool resultant = true;
    bool minimized = false;

    void Toggle() { resultant = !resultant; }
};

// Qt's ids of the window's timers that run at the animation's period.
QList<int> AnimationTimers(QObject* window) {
    QList<int> ids;
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(window))
        if (timer.interval == kAnimationPeriod) ids.append(timer.timerId);
    return ids;
}

// The storm delivers the animation's ticks itself, at the moments it chooses; the real ones that
// come due meanwhile are held back, so that a sequence plays the same way on any machine.
class RealTicksHeldBack : public QObject {
  public:
    bool delivering = false;
    long held = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Timer || delivering) return false;
        if (!AnimationTimers(watched).contains(static_cast<QTimerEvent*>(event)->timerId()))
            return false;
        ++held;
        return true;
    }
};

// Expected frames, drawn by the headless renderer (not by the window) once each.
const QImage& ExpectedFrame(int step, bool resultant, double scale) {
    static std::map<std::tuple<int, bool, double>, QImage> frames;
    const auto key = std::make_tuple(step, resultant, scale);
    auto it = frames.find(key);
    if (it == frames.end())
        it = frames.emplace(key, RasterFrame({step, 513, 624, resultant, scale})).first;
    return it->second;
}

// Pixel for pixel, a row at a time (QImage's own comparison goes pixel by pixel).
bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format()) return false;
    const auto row = static_cast<std::size_t>(a.width()) * 4;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), row) != 0) return false;
    return true;
}

// Which frame an image is, for the failure message.
std::string DescribeFrame(const QImage& image, double scale) {
    if (image.isNull()) return "no frame";
    for (int step = 0; step <= 72; ++step)
        for (const bool resultant : {true, false})
            if (SamePixels(image, ExpectedFrame(step, resultant, scale)))
                return "the frame of step " + std::to_string(step) +
                       (resultant ? " with" : " without") + " the resultant";
    return "a frame of no step";
}

constexpr int kPushButtons[] = {IDC_START, IDC_STOP, IDC_NEXT, IDC_PREV, IDC_RESET};

const char* ControlName(int id) {
    switch (id) {
        case IDC_START:
            return "Start";
        case IDC_STOP:
            return "Stop";
        case IDC_NEXT:
            return "Next";
        case IDC_PREV:
            return "Previous";
        case IDC_RESET:
            return "Reset";
        default:
            return "the check box";
    }
}

// Calls `action` with the first popup menu, or the first modal window other than `main`, that
// opens; stops looking when `looking` is cleared.
void WhenOpened(bool popup, QWidget* main, const std::shared_ptr<bool>& looking,
                const std::function<void(QWidget*)>& action) {
    QTimer::singleShot(0, [popup, main, looking, action] {
        if (!*looking) return;
        QWidget* w = popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (w != nullptr && w != main && w->isVisible()) {
            *looking = false;
            action(w);
            return;
        }
        WhenOpened(popup, main, looking, action);
    });
}

struct Totals {
    long sequences = 0;
    long events = 0;
    long windows = 0;
    long wraps = 0;  // from step 72 to 0 by a tick or Next
    std::map<std::string, long> byKind;
};

class Storm {
  public:
    Storm(CFieldDemoDialog& dialog, Totals& totals) : m_dialog(dialog), m_totals(totals) {
        for (const int id : {IDC_START, IDC_STOP, IDC_NEXT, IDC_PREV, IDC_RESET, IDC_SHOW_RESULTANT,
                             IDC_PHASE_ANGLE, IDC_AMP_U, IDC_AMP_V, IDC_AMP_W})
            m_controls[id] = dialog.GetDlgItem(id);
        m_canvas = static_cast<CanvasWidget*>(dialog.GetDlgItem(IDC_CANVAS));
        m_scale = m_canvas->devicePixelRatioF();
        dialog.installEventFilter(&m_realTicks);
    }
    ~Storm() { m_dialog.removeEventFilter(&m_realTicks); }

    // The window as it opened: its first frame drawn, nothing else happened yet.
    bool Begin() {
        m_log.clear();
        m_seed = 0;
        if (!QTest::qWaitFor([&] { return !m_canvas->Frame().isNull(); }, 5000))
            return Fail("the window painted no first frame");
        m_topLevels = QApplication::topLevelWidgets().size();
        m_children = m_dialog.findChildren<QObject*>().size();
        return Verify("the window opened");
    }

    // Puts the window back as it opened, with the same events a person would use.
    bool Rewind() {
        m_log = {"rewind"};
        if (m_dialog.isMinimized()) m_dialog.showNormal();
        Click(Item(IDC_STOP));
        Click(Item(IDC_RESET));
        if (!qobject_cast<QCheckBox*>(Item(IDC_SHOW_RESULTANT))->isChecked())
            Click(Item(IDC_SHOW_RESULTANT));
        Item(IDC_START)->setFocus(Qt::TabFocusReason);
        m_model = Model();
        return Verify("the window was rewound");
    }

    bool Run(unsigned seed, int events) {
        m_seed = seed;
        m_log.clear();
        std::mt19937 rng(seed);
        for (int i = 0; i < events; ++i) {
            if (!Step(rng)) return false;
            ++m_totals.events;
        }
        ++m_totals.sequences;
        return true;
    }

    // Ends the window's run as a person would; checks that the animation ended with it.
    bool Close(std::mt19937& rng) {
        m_log = {"close"};
        QWidget* check = Item(IDC_SHOW_RESULTANT);
        switch (rng() % 3) {
            case 0:
                Item(kPushButtons[rng() % 5])->setFocus(Qt::TabFocusReason);
                QTest::keyClick(m_dialog.focusWidget(), Qt::Key_Escape);
                m_expectedResult = IDCANCEL;
                break;
            case 1:
                m_dialog.close();  // the close box
                m_expectedResult = IDCANCEL;
                break;
            default:
                check->setFocus(Qt::TabFocusReason);
                QTest::keyClick(check, Qt::Key_Return);
                m_expectedResult = IDOK;
                break;
        }
        if (m_dialog.isVisible()) return Fail("the window did not close");
        return true;
    }
    int ExpectedResult() const { return m_expectedResult; }
    long HeldTicks() const { return m_realTicks.held; }

    // After the run: no timer may outlive the window.
    bool VerifyClosed() {
        if (m_dialog.HasTimer(CFieldDemoDialog::ANIM_TIMER_ID))
            return Fail("the animation timer outlived the window");
        if (!AnimationTimers(&m_dialog).isEmpty())
            return Fail("a platform timer outlived the window");
        return true;
    }

  private:
    QWidget* Item(int id) const { return m_controls.at(id); }
    std::string Text(int id) const {
        return qobject_cast<QLineEdit*>(Item(id))->text().toStdString();
    }

    bool Step(std::mt19937& rng) {
        if (m_model.minimized) {
            // A minimized window takes no clicks; it ticks, paints and is restored.
            switch (rng() % 4) {
                case 0:
                case 1:
                    return Tick();
                case 2:
                    return Paint(rng);
                default:
                    return Restore(rng);
            }
        }
        // While the animation runs, its ticks come between the clicks.
        if (m_model.Running() && rng() % 3 == 0) return rng() % 32 == 0 ? TickRun(rng) : Tick();
        const unsigned r = rng() % 100;
        if (r < 10) return Button(rng, IDC_START, "Start", &Model::Start);
        if (r < 19) return Button(rng, IDC_STOP, "Stop", &Model::Stop);
        if (r < 36) return Button(rng, IDC_NEXT, "Next", &Model::Next);
        if (r < 51) return Button(rng, IDC_PREV, "Previous", &Model::Previous);
        if (r < 59) return Button(rng, IDC_RESET, "Reset", &Model::Reset);
        if (r < 70) return CheckBox(rng);
        if (r < 78) return Tick();
        if (r < 90) return Paint(rng);
        if (r < 95) return Minimize(rng);
        return About(rng);
    }

    // A click, Space or Enter on a push button that has the focus.
    bool Button(std::mt19937& rng, int id, const char* name, void (Model::*rule)()) {
        QWidget* button = Item(id);
        const unsigned how = rng() % 10;
        std::string event = name;
        if (how < 7) {
            Click(button);
            event += " (click)";
        } else {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, how == 7 ? Qt::Key_Space : Qt::Key_Return);
            event += how == 7 ? " (Space)" : " (Enter)";
        }
        if (rule == &Model::Next)
            Advance(rule);
        else
            (m_model.*rule)();
        return Happened(event, name);
    }

    bool CheckBox(std::mt19937& rng) {
        QWidget* box = Item(IDC_SHOW_RESULTANT);
        std::string event = "check box";
        if (rng() % 5 != 0) {
            Click(box);
            event += " (click)";
        } else {
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Space);
            event += " (Space)";
        }
        m_model.Toggle();
        return Happened(event, "check box");
    }

    // A tick of the animation timer, as the platform delivers it; none comes while it is stopped.
    bool Tick() {
        if (!m_model.Running()) {
            QCoreApplication::processEvents();
            return Happened("no tick (stopped)", "idle");
        }
        if (!DeliverTick()) return false;
        Advance(&Model::Tick);
        return Happened("tick", "tick");
    }

    // Now and then the animation runs on its own for a while: a run of ticks, each one checked.
    bool TickRun(std::mt19937& rng) {
        const int ticks = 20 + static_cast<int>(rng() % 61);
        const std::string event = std::to_string(ticks) + " ticks";
        for (int i = 1; i <= ticks; ++i) {
            if (!DeliverTick()) return false;
            Advance(&Model::Tick);
            if (!Verify("tick " + std::to_string(i) + " of " + event)) return false;
        }
        m_log.push_back(event);
        ++m_totals.byKind["tick run"];
        return true;
    }

    // A rule that moves the step on, counting the wraps from 72 to 0.
    void Advance(void (Model::*rule)()) {
        const int before = m_model.Step();
        (m_model.*rule)();
        if (before == 72 && m_model.Step() == 0) ++m_totals.wraps;
    }

    bool DeliverTick() {
        const QList<int> timers = AnimationTimers(&m_dialog);
        if (timers.size() != 1)
            return Fail("a tick is due, but " + std::to_string(timers.size()) +
                        " animation timers are registered");
        QTimerEvent tick(timers.front());
        m_realTicks.delivering = true;
        QCoreApplication::sendEvent(&m_dialog, &tick);
        m_realTicks.delivering = false;
        return true;
    }

    bool Paint(std::mt19937& rng) {
        switch (rng() % 4) {
            case 0:
                m_dialog.repaint();
                return Happened("repaint", "paint");
            case 1:
                m_dialog.update();
                QCoreApplication::processEvents();
                return Happened("update", "paint");
            case 2:
                m_dialog.grab();
                return Happened("grab window", "paint");
            default: {
                // What the canvas paints on screen, not only the frame it holds.
                const QImage painted = m_canvas->grab().toImage();
                const QImage& expected = ExpectedFrame(m_model.Step(), m_model.resultant, m_scale);
                if (!SamePixels(painted.convertToFormat(expected.format()), expected))
                    return Fail("the canvas paints " + DescribeFrame(painted, m_scale));
                return Happened("grab canvas", "paint");
            }
        }
    }

    bool Minimize(std::mt19937& rng) {
        std::string event = "minimize";
        if (rng() % 2 == 0) {
            m_dialog.showMinimized();
        } else {
            m_dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);  // the window menu's command
            event += " (window menu)";
        }
        m_model.minimized = true;
        return Happened(event, "minimize");
    }

    bool Restore(std::mt19937& rng) {
        m_dialog.showNormal();
        if (rng() % 2 == 0) QCoreApplication::processEvents();
        m_model.minimized = false;
        return Happened("restore", "restore");
    }

    // The About box from the window menu: the animation goes on behind it, the main window takes
    // no clicks meanwhile, and it closes by any of its four ways.
    bool About(std::mt19937& rng) {
        const unsigned route = rng() % 6;
        const int ticks = m_model.Running() ? static_cast<int>(rng() % 4) : 0;
        const int blocked = rng() % 3 == 0 ? IDC_SHOW_RESULTANT : kPushButtons[rng() % 5];
        // A right click opens the menu as the button goes down, and until it comes up again every
        // click goes to the main window: the About box it opens is closed from the keyboard.
        const bool rightClick = route == 3;
        static constexpr unsigned kNotByMouse[] = {0, 1, 3};
        const unsigned closeBy = rightClick ? kNotByMouse[rng() % 3] : rng() % 4;
        std::ostringstream event;
        event << "About";

        const auto looking = std::make_shared<bool>(true);
        bool opened = false;
        bool ok = true;
        WhenOpened(false, &m_dialog, looking, [&](QWidget* about) {
            opened = true;
            m_aboutOpen = true;
            if (about->windowTitle() != QStringLiteral("关于 vesk"))
                ok = Fail("a window titled \"" + about->windowTitle().toStdString() +
                          "\" opened instead of the About box");
            for (int i = 0; i < ticks && ok; ++i) {
                ok = DeliverTick();
                m_model.Tick();
                ok = ok && Verify("a tick behind the About box");
            }
            if (!rightClick) {
                Click(Item(blocked));  // goes nowhere
                ok = ok && Verify("a click on the main window while the About box is open");
            }
            switch (closeBy) {
                case 0:
                    QTest::keyClick(about, Qt::Key_Escape);
                    break;
                case 1:
                    QTest::keyClick(about, Qt::Key_Return);
                    break;
                case 2:
                    Click(about->findChild<QPushButton*>());
                    break;
                default:
                    about->close();
                    break;
            }
            m_aboutOpen = false;
        });

        if (route < 3) {
            event << " (command)";
            m_dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
        } else {
            const bool choose = route != 5;
            event << (route == 3 ? " (right click" : " (Shift+F10");
            event << (choose ? ", menu)" : ", menu dismissed)");
            const auto lookingForMenu = std::make_shared<bool>(true);
            WhenOpened(true, &m_dialog, lookingForMenu, [choose](QWidget* w) {
                auto* menu = qobject_cast<QMenu*>(w);
                if (!choose) {
                    QTest::keyClick(menu, Qt::Key_Escape);
                    return;
                }
                for (QAction* action : menu->actions())
                    if (action->data().toUInt() == IDM_ABOUTBOX)
                        QTest::mouseClick(menu, Qt::LeftButton, {},
                                          menu->actionGeometry(action).center());
            });
            const QPoint margin(3, 3);  // the window itself, beside every control
            if (route == 3 && m_dialog.childAt(margin) == nullptr)
                QTest::mouseClick(&m_dialog, Qt::RightButton, {}, margin);
            else
                QTest::keyClick(&m_dialog, Qt::Key_F10, Qt::ShiftModifier);
            *lookingForMenu = false;
            if (!choose) {
                *looking = false;
                return Happened(event.str(), "window menu");
            }
        }
        *looking = false;
        static const char* const kCloseBy[] = {"Esc", "Enter", "OK", "close box"};
        event << ", " << ticks << " ticks behind it, ";
        if (!rightClick) event << "a click on " << ControlName(blocked) << ", ";
        event << "closed by " << kCloseBy[closeBy];
        if (!ok) return false;  // already reported
        if (!opened) return Fail(event.str() + ": the About box did not open");
        // The desktop gives the main window back the focus.
        m_dialog.activateWindow();
        return Happened(event.str(), "About");
    }

    bool Happened(const std::string& event, const std::string& kind) {
        m_log.push_back(event);
        ++m_totals.byKind[kind];
        return Verify(event);
    }

    // Compares everything the model predicts with the window.
    bool Verify(const std::string& after) {
        std::ostringstream wrong;
        if (m_dialog.m_nStep != m_model.Step())
            wrong << "m_nStep is " << m_dialog.m_nStep << ", the model says " << m_model.Step()
                  << "\n";
        const bool timer = m_dialog.HasTimer(CFieldDemoDialog::ANIM_TIMER_ID);
        if (timer != m_model.Running())
            wrong << "timer 1 " << (timer ? "runs" : "is stopped") << ", the model says "
                  << (m_model.Running() ? "running" : "stopped") << "\n";
        const qsizetype registered = AnimationTimers(&m_dialog).size();
        if (registered != (m_model.Running() ? 1 : 0))
            wrong << registered << " platform timers of 200 ms are registered\n";
        const bool ticked = qobject_cast<QCheckBox*>(Item(IDC_SHOW_RESULTANT))->isChecked();
        if (ticked != m_model.resultant)
            wrong << "the check box is " << (ticked ? "ticked" : "clear") << "\n";
        if (m_dialog.m_bShowResultant != (m_model.resultant ? TRUE : FALSE))
            wrong << "m_bShowResultant is " << m_dialog.m_bShowResultant << "\n";
        const Readouts readouts = FormatReadouts(m_model.Step(), ComputePhases(m_model.Step()));
        const std::pair<int, const std::string*> boxes[] = {{IDC_PHASE_ANGLE, &readouts.phaseAngle},
                                                            {IDC_AMP_U, &readouts.ampU},
                                                            {IDC_AMP_V, &readouts.ampV},
                                                            {IDC_AMP_W, &readouts.ampW}};
        for (const auto& [id, expected] : boxes)
            if (Text(id) != *expected)
                wrong << "readout " << id << " shows \"" << Text(id) << "\", expected \""
                      << *expected << "\"\n";
        if (m_dialog.m_strPhaseAngle.toStdString() != readouts.phaseAngle)
            wrong << "m_strPhaseAngle is \"" << m_dialog.m_strPhaseAngle.toStdString() << "\"\n";
        const QImage& frame = ExpectedFrame(m_model.Step(), m_model.resultant, m_scale);
        if (!SamePixels(m_canvas->Frame(), frame))
            wrong << "the canvas holds " << DescribeFrame(m_canvas->Frame(), m_scale) << "\n";
        if (m_dialog.isMinimized() != m_model.minimized)
            wrong << "the window is " << (m_model.minimized ? "not " : "") << "minimized\n";
        // The About box is one more window while it is open; nothing else may add up.
        if (!m_aboutOpen && QApplication::topLevelWidgets().size() != m_topLevels)
            wrong << QApplication::topLevelWidgets().size() << " top-level widgets, were "
                  << m_topLevels << "\n";
        if (!m_aboutOpen && m_dialog.findChildren<QObject*>().size() != m_children)
            wrong << "the window has " << m_dialog.findChildren<QObject*>().size()
                  << " descendants, had " << m_children << "\n";
        if (wrong.tellp() == 0) return true;
        return Fail("after " + after + ":\n" + wrong.str());
    }

    bool Fail(std::string what) {
        if (what.back() != '\n') what += '\n';
        std::ostringstream events;
        for (std::size_t i = 0; i < m_log.size(); ++i)
            events << (i % 8 == 0 ? "\n  " : ", ") << i + 1 << " " << m_log[i];
        ADD_FAILURE() << "sequence with seed " << m_seed
                      << " (run it alone with VESK_STORM_SEED=" << m_seed
                      << " VESK_STORM_SEQUENCES=1)\n"
                      << what << "model: step " << m_model.Step() << ", "
                      << (m_model.Running() ? "running" : "stopped") << ", resultant "
                      << (m_model.resultant ? "shown" : "hidden")
                      << (m_model.minimized ? ", minimized" : "")
                      << "\nevents so far:" << events.str();
        return false;
    }

    CFieldDemoDialog& m_dialog;
    Totals& m_totals;
    std::map<int, QWidget*> m_controls;
    CanvasWidget* m_canvas;
    double m_scale;
    RealTicksHeldBack m_realTicks;
    Model m_model;
    unsigned m_seed = 0;
    std::vector<std::string> m_log;
    qsizetype m_topLevels = 0;
    qsizetype m_children = 0;
    int m_expectedResult = 0;
    bool m_aboutOpen = false;
};

// The storm is split into shards that CTest can run side by side.
constexpr int kShards = 4;

class EventStorm : public ::testing::TestWithParam<int> {};

TEST_P(EventStorm, RandomSequencesKeepTheWindowInStepWithTheModel) {
    const int shard = GetParam();
    const int total = EnvInt("VESK_STORM_SEQUENCES", kDefaultSequences);
    const int events = EnvInt("VESK_STORM_EVENTS", 50);
    const unsigned firstSeed = static_cast<unsigned>(EnvInt("VESK_STORM_SEED", 1));
    const int begin = static_cast<int>(static_cast<long long>(total) * shard / kShards);
    const int end = static_cast<int>(static_cast<long long>(total) * (shard + 1) / kShards);
    if (begin == end) GTEST_SKIP() << "no sequences left for this shard";
    Totals totals;
    long heldTicks = 0;
    bool failed = false;
    // A fresh window every few sequences; in between the window is rewound by hand.
    for (int first = begin; first < end && !failed; first += kSequencesPerWindow) {
        CFieldDemoDialog dialog;
        int expectedResult = 0;
        std::unique_ptr<Storm> storm;
        const int result = RunModal(dialog, [&] {
            storm = std::make_unique<Storm>(dialog, totals);
            if (!storm->Begin()) {
                failed = true;
                return;
            }
            const int last = std::min(first + kSequencesPerWindow, end);
            for (int i = first; i < last && !failed; ++i) {
                if (i != first && !storm->Rewind()) failed = true;
                if (!failed && !storm->Run(firstSeed + static_cast<unsigned>(i), events))
                    failed = true;
            }
            std::mt19937 rng(firstSeed + static_cast<unsigned>(first));
            if (!failed && !storm->Close(rng)) failed = true;
            expectedResult = storm->ExpectedResult();
        });
        ++totals.windows;
        if (failed) break;
        EXPECT_EQ(result, expectedResult);
        failed = !storm->VerifyClosed();
        heldTicks += storm->HeldTicks();
    }
    std::printf(
        "seeds %u to %u: %ld sequences of %d events (%ld events) in %ld windows; %ld wraps from "
        "72 to 0; %ld real ticks held back\n",
        firstSeed + static_cast<unsigned>(begin), firstSeed + static_cast<unsigned>(end) - 1,
        totals.sequences, events, totals.events, totals.windows, totals.wraps, heldTicks);
    for (const auto& [kind, count] : totals.byKind)
        std::printf("  %-14s %ld\n", kind.c_str(), count);
    if (!failed) {
        EXPECT_EQ(totals.sequences, end - begin);
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, EventStorm, ::testing::Range(0, kShards));

}  // namespace
