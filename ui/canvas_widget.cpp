#include "canvas_widget.h"

#include <QPainter>

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent) {
    // Every paint covers the whole control, so a new frame never repaints the window behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::ShowFrame(QImage frame) {
    m_frame = std::move(frame);
    // Shown in the window's next paint pass, together with the readouts written just before it.
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
