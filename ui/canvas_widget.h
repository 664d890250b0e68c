#pragma once
// The canvas control: shows the last frame copied onto it, in one piece.
#include <QImage>
#include <QWidget>

class CanvasWidget : public QWidget {
  public:
    explicit CanvasWidget(QWidget* parent = nullptr);
    // Puts a finished frame on screen at once (or on the next paint, during a paint).
    void ShowFrame(QImage frame);
    const QImage& Frame() const { return m_frame; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_frame;
};
