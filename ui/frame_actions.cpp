#include "frame_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

#include "frame_file.h"
#include "raster_image.h"

namespace {

// Where the last file went, for the next dialog of this run.
QString& LastFolder() {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return folder;
}

}  // namespace

FrameActions::FrameActions(QWidget* window, Source source)
    : QObject(window), m_window(window), m_source(std::move(source)) {
    const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_S),
                                 QKeySequence(Qt::CTRL | Qt::Key_C),
                                 QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence()};
    for (const QKeySequence& key : keys) {
        auto* action = new QAction(window);
        action->setShortcut(key);
        window->addAction(action);
        m_actions << action;
    }
    const std::string_view view = Describe(ViewOf(m_source.settings())).name;
    // A view without curves has no numbers to export.
    Export()->setEnabled(Describe(ViewOf(m_source.settings())).csv != nullptr);
    const auto name = [this, view](const char* extension) {
        return QStringLiteral("vesk-%1-%2.%3")
            .arg(QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())))
            .arg(m_source.canvas().step)
            .arg(QLatin1String(extension));
    };
    connect(Save(), &QAction::triggered, this, [this, name] {
        const QString path =
            AskForFile(tr("保存画面"),
                       {tr("PNG 图像 (*.png)"), tr("SVG 矢量图 (*.svg)"), tr("PDF 文档 (*.pdf)")},
                       name("png"));
        if (!path.isEmpty()) SaveFrameTo(path);
    });
    connect(Copy(), &QAction::triggered, this, [this] {
        QApplication::clipboard()->setImage(
            RasterViewFrame(m_source.settings(), m_source.canvas()));
    });
    connect(CopyAddress(), &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(
            QString::fromStdString(AddressOf(m_source.settings(), m_source.canvas().step)));
    });
    connect(Export(), &QAction::triggered, this, [this, name] {
        const QString path = AskForFile(tr("导出数据"), {tr("CSV 表格 (*.csv)")}, name("csv"));
        if (!path.isEmpty()) ExportDataTo(path);
    });
    window->installEventFilter(this);
    Retranslate();
}

void FrameActions::Retranslate() {
    Save()->setText(tr("保存画面(&I)..."));
    Copy()->setText(tr("复制画面(&C)"));
    CopyAddress()->setText(tr("复制网页地址(&R)"));
    Export()->setText(tr("导出数据(&D)..."));
    // The address is the page's: say so where the pointer rests.
    CopyAddress()->setToolTip(tr("复制在网页上重现此画面的地址（#view=...）"));
}

bool FrameActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::LanguageChange) Retranslate();
    return QObject::eventFilter(watched, event);
}

QString FrameActions::AskForFile(const QString& title, const QStringList& filters,
                                 const QString& name) {
    QFileDialog dialog(m_window, title, QDir(LastFolder()).filePath(name), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // A name typed without an extension takes the one of the kind chosen.
    const auto suffix = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section(QLatin1String("(*."), 1).chopped(1));
    };
    suffix(filters.first());
    connect(&dialog, &QFileDialog::filterSelected, &dialog, suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().first();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

bool FrameActions::SaveFrameTo(const QString& path) {
    const std::string reason = SaveViewFrame(QFile::encodeName(path).toStdString(),
                                             m_source.settings(), m_source.canvas());
    if (!reason.empty()) Tell(tr("画面没有保存。"), reason);
    return reason.empty();
}

bool FrameActions::ExportDataTo(const QString& path) {
    const std::string reason = SaveViewCsv(QFile::encodeName(path).toStdString(),
                                           m_source.settings(), m_source.canvas().step);
    if (!reason.empty()) Tell(tr("数据没有导出。"), reason);
    return reason.empty();
}

void FrameActions::Tell(const QString& what, const std::string& reason) {
    QMessageBox::warning(m_window, m_window->windowTitle(),
                         what + QLatin1Char('\n') + QString::fromLocal8Bit(reason.c_str()));
}
