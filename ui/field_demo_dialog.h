#pragma once
// The main window: the canvas and the readouts of the rotating-field demonstration.
#include <QDialog>
#include <QString>

#include "dc.h"
#include "scene.h"

class CanvasWidget;
class QLineEdit;

class CFieldDemoDialog : public QDialog, public SceneHost {
  public:
    explicit CFieldDemoDialog(QWidget* parent = nullptr);

    // Draws the frame of `step` off-screen and puts it on the canvas in one piece.
    void RenderFrame(int step);
    void DrawScene(CDC* pDC, int step);
    void UpdateData(bool saveAndValidate);

    // SceneHost
    CRect GetCanvasRect() const override;
    void PushReadouts(const Readouts& readouts) override;
    bool ShowResultant() const override { return m_bShowResultant != 0; }

    QString m_strPhaseAngle;
    QString m_strAmpU;
    QString m_strAmpV;
    QString m_strAmpW;
    int m_bShowResultant = 1;
    int m_nStep = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnPaint();
    CanvasWidget* m_canvas;
    QLineEdit* m_phaseAngle;
    QLineEdit* m_ampU;
    QLineEdit* m_ampV;
    QLineEdit* m_ampW;
};
