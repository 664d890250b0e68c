// Frame rendering: each frame is composed off-screen and reaches the canvas in one copy, so a
// half-drawn frame never shows. Data flows one way: the frame is computed from the step and the
// check box, its readouts go to their boxes, then its image goes to the canvas.
#include <QPainter>

#include "canvas_widget.h"
#include "views/view_table.h"
#include "field_demo_dialog.h"
#include "preferences.h"
#include "raster_image.h"
#include "resource.h"
#include "resources.h"

void CFieldDemoDialog::RenderFrame(int step) {
    auto* canvas = static_cast<CanvasWidget*>(GetDlgItem(IDC_CANVAS));
    const QRect rc = canvas->rect();
    // On a HiDPI screen, or an enlarged window, the frame is drawn at the screen's resolution.
    const double scale = canvas->devicePixelRatioF();
    const std::unique_ptr<RasterDc> memDC = m_createSurface
                                                ? m_createSurface(rc.width(), rc.height(), scale)
                                                : MakeRasterDc(rc.width(), rc.height(), scale);
    // An abandoned frame is missing until the next event draws one.
    const bool complete = DrawScene(memDC.get(), step);
    canvas->ShowFrame(complete ? ToImage(memDC->TakePixels()) : QImage());
}

bool CFieldDemoDialog::DrawScene(CDC* pDC, int step) {
    const QWidget* canvas = GetDlgItem(IDC_CANVAS);
    CanvasInputs inputs{step, canvas->width(), canvas->height()};
    inputs.palette = CurrentPalette();
    inputs.translation = CurrentTranslation();
    // The main window's frame through the table of views, as every other window's.
    const ViewResult frame = DrawView(MainSettings{m_bShowResultant != FALSE}, inputs, *pDC);
    m_strPhaseAngle = QString::fromStdString(frame.readouts[0].value);
    m_strAmpU = QString::fromStdString(frame.readouts[1].value);
    m_strAmpV = QString::fromStdString(frame.readouts[2].value);
    m_strAmpW = QString::fromStdString(frame.readouts[3].value);
    UpdateData(FALSE);
    GetDlgItem(IDC_CANVAS)->setAccessibleDescription(QString::fromStdString(frame.description));
    return frame.complete;
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
