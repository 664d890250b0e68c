#include "canvas_widget.h"

#include <QPainter>

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent) {
    // Every paint covers the whole control, so the window behind it is never repainted for it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::ShowFrame(QImage frame) {
    m_frame = std::move(frame);
    // While the window is being painted the canvas is painted in the same pass; any other time
    // the frame goes on screen now.
    bool windowPainting = false;
    for (const QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget())
        windowPainting = windowPainting || w->testAttribute(Qt::WA_WState_InPaintEvent);
    if (isVisible() && !windowPainting)
        repaint();
    else
        update();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    if (!m_frame.isNull()) {
        QPainter(this).drawImage(0, 0, m_frame);
        return;
    }
    QPainter(this).fillRect(rect(), palette().window());
    QFrame::paintEvent(event);
}
