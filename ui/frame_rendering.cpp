// Frame rendering: each frame is composed off-screen and reaches the canvas in one copy, so a
// half-drawn frame never shows.
#include <algorithm>

#include <QPainter>

#include "canvas_widget.h"
#include "field_demo_dialog.h"
#include "gdi_objects.h"
#include "raster_dc.h"
#include "resource.h"
#include "resources.h"

void CFieldDemoDialog::RenderFrame(int step) {
    auto* canvas = static_cast<CanvasWidget*>(GetDlgItem(IDC_CANVAS));
    const QRect rc = canvas->rect();
    // On a HiDPI screen the frame is drawn at the screen's resolution (whole multiples only; a
    // fractional ratio shows the frame enlarged).
    const int scale = std::max(1, static_cast<int>(canvas->devicePixelRatioF()));
    RasterDc memDC(rc.width(), rc.height(), scale);
    try {
        DrawScene(&memDC, step);
    } catch (const CResourceException&) {
        // An abandoned frame is missing until the next event draws one.
        canvas->ShowFrame(QImage());
        return;
    }
    canvas->ShowFrame(memDC.TakeImage());
}

void CFieldDemoDialog::OnPaint() {
    if (IsIconic()) {
        QPainter dc(this);
        dc.fillRect(rect(), palette().window());
        const int x = (width() - STANDARD_ICON_SIZE + 1) / 2;
        const int y = (height() - STANDARD_ICON_SIZE + 1) / 2;
        DrawIcon(dc, x, y, m_hIcon);
    } else {
        RenderFrame(m_nStep);
        Default();
    }
}

void CFieldDemoDialog::DrawScene(CDC* pDC, int step) { ::DrawScene(*this, pDC, step); }

CRect CFieldDemoDialog::GetCanvasRect() const {
    const QWidget* canvas = GetDlgItem(IDC_CANVAS);
    return {0, 0, canvas->width(), canvas->height()};
}

void CFieldDemoDialog::PushReadouts(const Readouts& readouts) {
    m_strPhaseAngle = QString::fromStdString(readouts.phaseAngle);
    m_strAmpU = QString::fromStdString(readouts.ampU);
    m_strAmpV = QString::fromStdString(readouts.ampV);
    m_strAmpW = QString::fromStdString(readouts.ampW);
    UpdateData(FALSE);
}
