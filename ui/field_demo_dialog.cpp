#include "field_demo_dialog.h"

#include <QLineEdit>

#include "canvas_widget.h"
#include "gdi_objects.h"
#include "raster_dc.h"

namespace {
QLineEdit* MakeReadout(QWidget* parent, int x, int y, int height) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setGeometry(x, y, 110, height);
    return edit;
}
}  // namespace

CFieldDemoDialog::CFieldDemoDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("三相交流异步电动机定子旋转磁场形成");
    setFixedSize(993, 645);
    m_canvas = new CanvasWidget(this);
    m_canvas->setGeometry(10, 10, 513, 624);
    m_ampU = MakeReadout(this, 609, 88, 22);
    m_ampV = MakeReadout(this, 609, 121, 22);
    m_ampW = MakeReadout(this, 609, 154, 22);
    m_phaseAngle = MakeReadout(this, 609, 196, 25);
}

CRect CFieldDemoDialog::GetCanvasRect() const {
    return {0, 0, m_canvas->width(), m_canvas->height()};
}

void CFieldDemoDialog::PushReadouts(const Readouts& r) {
    m_strPhaseAngle = QString::fromStdString(r.phaseAngle);
    m_strAmpU = QString::fromStdString(r.ampU);
    m_strAmpV = QString::fromStdString(r.ampV);
    m_strAmpW = QString::fromStdString(r.ampW);
    UpdateData(false);
}

void CFieldDemoDialog::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        m_strPhaseAngle = m_phaseAngle->text();
        m_strAmpU = m_ampU->text();
        m_strAmpV = m_ampV->text();
        m_strAmpW = m_ampW->text();
        return;
    }
    m_phaseAngle->setText(m_strPhaseAngle);
    m_ampU->setText(m_strAmpU);
    m_ampV->setText(m_strAmpV);
    m_ampW->setText(m_strAmpW);
}

void CFieldDemoDialog::DrawScene(CDC* pDC, int step) { ::DrawScene(*this, pDC, step); }

void CFieldDemoDialog::RenderFrame(int step) {
    const CRect rc = GetCanvasRect();
    RasterDc memory(rc.right, rc.bottom);
    try {
        DrawScene(&memory, step);
    } catch (const CResourceException&) {
        return;  // the frame is missing until the next event draws one
    }
    m_canvas->ShowFrame(memory.TakeImage());
}

void CFieldDemoDialog::OnPaint() { RenderFrame(m_nStep); }

void CFieldDemoDialog::paintEvent(QPaintEvent* event) {
    OnPaint();
    QDialog::paintEvent(event);
}
