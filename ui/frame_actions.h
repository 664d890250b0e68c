#pragma once
// What a class takes home from any view's window: the frame as a file (Ctrl+S: PNG, SVG or PDF by
// the name's extension), the frame on the clipboard as an image (Ctrl+C), the page's address of
// what the window shows (Ctrl+L), and the view's curves as CSV (Export data...). Files go through
// the checked writer vesk-render uses, whole or not at all; the reason for a failure is shown in
// the window. The main window and the view windows each have one.
#include <functional>

#include <QList>
#include <QObject>
#include <QString>

#include "views/view_table.h"

class QAction;
class QWidget;

class FrameActions : public QObject {
    Q_OBJECT

  public:
    // What the window shows: its view's settings, and its canvas at the step shown.
    struct Source {
        std::function<ViewSettings()> settings;
        std::function<CanvasInputs()> canvas;
    };

    // Adds the actions, with their shortcuts, to `window`, and follows its language.
    FrameActions(QWidget* window, Source source);

    // Save, copy, copy the address, export: in the order a menu lists them.
    const QList<QAction*>& Actions() const { return m_actions; }
    QAction* Save() const { return m_actions[0]; }
    QAction* Copy() const { return m_actions[1]; }
    QAction* CopyAddress() const { return m_actions[2]; }
    QAction* Export() const { return m_actions[3]; }

    // Write the frame, or the curves, to `path`; false, with the reason shown, when they could
    // not be written.
    bool SaveFrameTo(const QString& path);
    bool ExportDataTo(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Retranslate();
    // A name chosen in a file dialog, or none.
    QString AskForFile(const QString& title, const QStringList& filters, const QString& name);
    void Tell(const QString& what, const std::string& reason);

    QWidget* m_window;
    Source m_source;
    QList<QAction*> m_actions;
};
