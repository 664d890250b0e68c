#include "windings_window.h"

#include <QSignalBlocker>

namespace {
// The preset box lists kWindingPresets in order, then "custom" for any other winding.
constexpr int kCustomPreset = static_cast<int>(kWindingPresets.size());
}  // namespace

WindingsWindow::WindingsWindow(QWidget* parent) : ViewWindow(View::Winding, parent) {
    ui.setupUi(this);
    SetUpView();
    connect(ui.preset, &QComboBox::currentIndexChanged, this, &WindingsWindow::ChoosePreset);
    for (QComboBox* box : {ui.poles, ui.slotCount, ui.layers, ui.pitch, ui.sequence})
        connect(box, &QComboBox::currentIndexChanged, this, &WindingsWindow::ReadWinding);
    connect(ui.frequency, &QSpinBox::valueChanged, this, &WindingsWindow::Render);
    connect(ui.fluxLines, &QCheckBox::toggled, this, &WindingsWindow::Render);
    ShowWinding();
    ui.preset->setFocus();
}

WindingsWindow::~WindingsWindow() = default;

ViewSettings WindingsWindow::Settings() const {
    WindingSettings s;
    s.winding = m_winding;
    s.sequence = ui.sequence->currentIndex() == 1 ? Sequence::Negative : Sequence::Positive;
    s.frequency = ui.frequency->value();
    s.fluxLines = ui.fluxLines->isChecked();
    return s;
}

WindingInputs WindingsWindow::Inputs() const {
    const WindingSettings s = std::get<WindingSettings>(Settings());
    const CanvasInputs c = Canvas();
    return {s.winding, c.step,  s.sequence, s.frequency, s.fluxLines, c.width,
            c.height,  c.scale, c.palette,  c.translation};
}

void WindingsWindow::ChoosePreset(int index) {
    if (m_showing || index < 0 || index >= kCustomPreset) return;
    m_winding = PresetWinding(kWindingPresets[index]);
    ShowWinding();
    Render();
}

void WindingsWindow::ReadWinding() {
    if (m_showing) return;
    Winding w;
    w.poles = ui.poles->currentData().toInt();
    w.slotCount = ui.slotCount->currentData().toInt();
    w.layers = ui.layers->currentIndex() + 1;
    w.pitch = ui.pitch->currentData().toInt();
    m_winding = ControlledWinding(m_winding, w);
    ShowWinding();
    Render();
}

void WindingsWindow::ShowWinding() {
    m_showing = true;
    const Winding& w = m_winding;
    const ParamSpec& poles = *FindParam(Describe(View::Winding), "poles");
    ui.poles->clear();
    for (const int p : poles.values) ui.poles->addItem(QString::number(p), p);
    ui.poles->setCurrentIndex(ui.poles->findData(w.poles));
    ui.slotCount->clear();
    for (const int q : SlotCountsFor(w.poles)) ui.slotCount->addItem(QString::number(q), q);
    ui.slotCount->setCurrentIndex(ui.slotCount->findData(w.slotCount));
    ui.layers->setCurrentIndex(w.layers - 1);
    ui.pitch->clear();
    const int tau = w.PolePitch();
    for (const int y : PitchesFor(w)) ui.pitch->addItem(QStringLiteral("%1/%2").arg(y).arg(tau), y);
    ui.pitch->setCurrentIndex(ui.pitch->findData(w.pitch));
    ui.pitch->setEnabled(w.layers == 2);
    int preset = kCustomPreset;
    for (int i = 0; i < kCustomPreset; ++i)
        if (PresetWinding(kWindingPresets[i]) == w) preset = i;
    ui.preset->setCurrentIndex(preset);
    m_showing = false;
}

void WindingsWindow::Retranslate() {
    const QSignalBlocker blocker(ui.preset);
    ui.retranslateUi(this);
    ShowWinding();
}
