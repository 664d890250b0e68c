#include "explorer_window.h"

#include <array>

#include <QSignalBlocker>

namespace {
// The preset box lists kPresets in order, then "custom" for any other supply.
constexpr int kCustomPreset = static_cast<int>(kPresets.size());
}  // namespace

ExplorerWindow::ExplorerWindow(QWidget* parent) : ViewWindow(View::Explorer, parent) {
    ui.setupUi(this);
    SetUpView();
    connect(ui.preset, &QComboBox::currentIndexChanged, this, &ExplorerWindow::ChoosePreset);
    for (QDoubleSpinBox* box : {ui.amplitudeU, ui.amplitudeV, ui.amplitudeW})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ExplorerWindow::ReadSupply);
    for (QSpinBox* box : {ui.offsetU, ui.offsetV, ui.offsetW})
        connect(box, &QSpinBox::valueChanged, this, &ExplorerWindow::ReadSupply);
    for (QComboBox* box : {ui.sequence, ui.openPhase})
        connect(box, &QComboBox::currentIndexChanged, this, &ExplorerWindow::ReadSupply);
    for (QCheckBox* box : {ui.neutral, ui.singlePhase})
        connect(box, &QCheckBox::toggled, this, &ExplorerWindow::ReadSupply);
    connect(ui.componentsApart, &QCheckBox::toggled, this, &ExplorerWindow::Render);
    // The derivation waits below the controls until it is asked for: on a small screen the
    // controls fit without scrolling.
    ui.derivationGroup->setVisible(false);
    connect(ui.showDerivation, &QCheckBox::toggled, ui.derivationGroup, &QWidget::setVisible);
    ShowSupply();
    // The keys work from anywhere; the preset box, first in the tab order, starts with the focus.
    ui.preset->setFocus();
}

ExplorerWindow::~ExplorerWindow() = default;

ViewSettings ExplorerWindow::Settings() const {
    return ExplorerSettings{m_supply, ui.componentsApart->isChecked()};
}

void ExplorerWindow::ChoosePreset(int index) {
    if (m_showingSupply || index < 0 || index >= kCustomPreset) return;
    m_supply = PresetSupply(kPresets[index]);
    ShowSupply();
    Render();
}

void ExplorerWindow::ReadSupply() {
    if (m_showingSupply) return;
    const std::array amplitude{ui.amplitudeU, ui.amplitudeV, ui.amplitudeW};
    const std::array offset{ui.offsetU, ui.offsetV, ui.offsetW};
    Supply s;
    for (int x = 0; x < 3; ++x) {
        s.amplitude[x] = amplitude[x]->value();
        s.offset[x] = offset[x]->value();
    }
    s.sequence = ui.sequence->currentIndex() == 1 ? Sequence::Negative : Sequence::Positive;
    s.singlePhase = ui.singlePhase->isChecked();
    s.openPhase = ui.openPhase->currentIndex() - 1;
    s.neutral = ui.neutral->isChecked();
    m_supply = ControlledSupply(s);
    ShowSupply();
    Render();
}

void ExplorerWindow::ShowSupply() {
    m_showingSupply = true;
    const std::array amplitude{ui.amplitudeU, ui.amplitudeV, ui.amplitudeW};
    const std::array offset{ui.offsetU, ui.offsetV, ui.offsetW};
    for (int x = 0; x < 3; ++x) {
        amplitude[x]->setValue(m_supply.amplitude[x]);
        offset[x]->setValue(static_cast<int>(m_supply.offset[x]));
    }
    ui.sequence->setCurrentIndex(m_supply.sequence == Sequence::Negative ? 1 : 0);
    ui.singlePhase->setChecked(m_supply.singlePhase);
    if (!m_supply.singlePhase) ui.openPhase->setCurrentIndex(m_supply.openPhase + 1);
    ui.neutral->setChecked(m_supply.neutral);
    const std::optional<Preset> preset = MatchPreset(m_supply);
    ui.preset->setCurrentIndex(preset ? static_cast<int>(*preset) : kCustomPreset);

    // What a single phase or a closed star leaves out cannot be set.
    const bool three = !m_supply.singlePhase;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.amplitudeV, ui.amplitudeW, ui.offsetV,
                                                      ui.offsetW, ui.sequence, ui.openPhase})
        w->setEnabled(three);
    ui.neutral->setEnabled(three);
    m_showingSupply = false;
}

void ExplorerWindow::Retranslate() {
    const QSignalBlocker blocker(ui.preset);
    ui.retranslateUi(this);
    ShowSupply();
}
