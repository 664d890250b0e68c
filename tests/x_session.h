#pragma once
// The real program on a virtual X server of the test's own, driven and photographed from outside
// with xdotool and ImageMagick's import, as a person at a desktop meets it.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class XSession {
  public:
    XSession()
        : m_xvfb(QStandardPaths::findExecutable("Xvfb")),
          m_xdotool(QStandardPaths::findExecutable("xdotool")),
          m_import(QStandardPaths::findExecutable("import")) {}
    ~XSession() {
        if (m_program.state() != QProcess::NotRunning) m_program.kill();
        m_program.waitForFinished(5000);
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    bool HasTools() const {
        return !m_xvfb.isEmpty() && !m_xdotool.isEmpty() && !m_import.isEmpty();
    }

    // A server on the first free display number from `first` (others run virtual servers too; a
    // server that loses the race for a number exits, and the next one is tried). `resets`: the
    // server resets whenever its last client leaves, as a bare X server does.
    bool Start(int first, bool resets = false) {
        for (int n = first; n < first + 30 && m_display.isEmpty(); ++n) {
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            QStringList args{
                QStringLiteral(":%1").arg(n), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
            if (!resets) args << "-noreset";
            m_server.start(m_xvfb, args);
            if (!m_server.waitForStarted(5000)) continue;
            if (QTest::qWaitFor(
                    [&] { return QFile::exists(socket) || m_server.state() != QProcess::Running; },
                    10000) &&
                m_server.state() == QProcess::Running)
                m_display = QStringLiteral(":%1").arg(n);
        }
        if (m_display.isEmpty()) return false;
        m_env.remove("QT_QPA_PLATFORM");
        m_env.remove("WAYLAND_DISPLAY");
        m_env.insert("DISPLAY", m_display);
        // The socket appears a moment before the server answers.
        return QTest::qWaitFor([&] { return !Tool(m_xdotool, {"getdisplaygeometry"}).isEmpty(); },
                               10000);
    }

    // Starts the program and waits for its window; false when none appeared.
    bool Launch(const QString& program, const QStringList& args = {}) {
        m_program.setProcessEnvironment(m_env);
        m_program.start(program, args);
        if (!m_program.waitForStarted(5000)) return false;
        const QString pid = QString::number(m_program.processId());
        (void)QTest::qWaitFor(
            [&] {
                m_window =
                    QString::fromUtf8(Tool(m_xdotool, {"search", "--onlyvisible", "--pid", pid}))
                        .split('\n')
                        .last();
                return !m_window.isEmpty() || m_program.state() == QProcess::NotRunning;
            },
            15000);
        return !m_window.isEmpty();
    }

    // The window as it is on screen, or a null image.
    QImage Shot() {
        return QImage::fromData(Tool(m_import, {"-window", m_window, "png:-"}), "PNG");
    }
    void Click(int x, int y) {
        Tool(m_xdotool, {"mousemove", "--window", m_window, QString::number(x), QString::number(y),
                         "click", "1"});
    }
    // Escape with the keyboard focus on the window, tried three times; true when the program ended.
    bool EndWithEscape() {
        for (int attempt = 0; attempt < 3 && !m_window.isEmpty(); ++attempt) {
            Tool(m_xdotool, {"windowfocus", "--sync", m_window});
            Tool(m_xdotool, {"key", "Escape"});
            if (m_program.waitForFinished(5000)) return true;
        }
        return false;
    }

    QProcess& Program() { return m_program; }
    const QString& Display() const { return m_display; }

  private:
    QByteArray Tool(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(program, args);
        p.waitForFinished(15000);
        return p.readAllStandardOutput().trimmed();
    }

    QString m_xvfb, m_xdotool, m_import;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QProcess m_server;
    QProcess m_program;
    QString m_display;
    QString m_window;
};
