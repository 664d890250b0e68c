#include "canvas_widget.h"

#include <QPainter>

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::ShowFrame(QImage frame) {
    m_frame = std::move(frame);
    if (isVisible() && !testAttribute(Qt::WA_WState_InPaintEvent)) {
        repaint();
    } else {
        update();
    }
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(0, 0, m_frame);
}
