#pragma once
// The canvas control: a static control with a black frame, on which each finished frame is
// copied in one piece.
#include <QFrame>
#include <QImage>

class CanvasWidget : public QFrame {
  public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    // Puts a finished frame on screen at once. A null image leaves the control's own frame.
    void ShowFrame(QImage frame);
    const QImage& Frame() const { return m_frame; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_frame;
};
