// What a class takes home from a window, through its real widgets, in the main window and every
// view's window alike: Ctrl+C puts the frame on the clipboard, Ctrl+L the page's address of what
// the window shows, Ctrl+S writes the frame chosen in the file dialog, the export writes the
// view's CSV, and a file that cannot be written leaves nothing and says why in the window.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "field/frame.h"
#include "field_demo_dialog.h"
#include "frame_actions.h"
#include "menu.h"
#include "raster_image.h"
#include "resource.h"
#include "test_dialog_support.h"
#include "view_windows.h"

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the next file dialog with `path`.
void ChooseFile(const QString& path) {
    WhenOpen([] { return QApplication::activeModalWidget(); },
             [path](QWidget* w) {
                 auto* dialog = qobject_cast<QFileDialog*>(w);
                 ASSERT_NE(dialog, nullptr);
                 // Typed over the name it offers, as a person would.
                 auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                 ASSERT_NE(name, nullptr);
                 name->setText(path);
                 static_cast<QDialog*>(dialog)->accept();
             });
}

// The checks, whatever the window: `shown` is what it shows, as the table of views draws it.
void TakesHome(QWidget* window, FrameActions* actions, const ViewSettings& settings,
               const CanvasInputs& canvas) {
    const QTemporaryDir dir;
    QApplication::clipboard()->clear();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) ==
                RasterViewFrame(settings, canvas).convertToFormat(QImage::Format_RGB32));

    QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
    const QString address = QApplication::clipboard()->text();
    EXPECT_TRUE(
        address.startsWith("#view=" + QString::fromUtf8(Describe(ViewOf(settings)).name.data())))
        << address.toStdString();
    const AddressRead read = SettingsFromAddress(address.toStdString());
    EXPECT_EQ(read.problems, std::vector<std::string>{});
    EXPECT_EQ(read.step, canvas.step);
    // What the page makes of it is written the same again.
    EXPECT_EQ(AddressOf(read.settings, read.step), address.toStdString());

    const QString png = dir.filePath("frame.png");
    ChooseFile(png);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_RGB32) ==
                RasterViewFrame(settings, canvas).convertToFormat(QImage::Format_RGB32))
        << QImage(png).width() << "x" << QImage(png).height();
    // The kind by the name's extension, whatever its case.
    ASSERT_TRUE(actions->SaveFrameTo(dir.filePath("frame.SVG")));
    EXPECT_TRUE(Contents(dir.filePath("frame.SVG")).contains("<svg"));
    ASSERT_TRUE(actions->SaveFrameTo(dir.filePath("frame.pdf")));
    EXPECT_TRUE(Contents(dir.filePath("frame.pdf")).startsWith("%PDF-"));

    const QString csv = dir.filePath("data.csv");
    ChooseFile(csv);
    actions->Export()->trigger();
    EXPECT_TRUE(Contents(csv).toStdString() ==
                Describe(ViewOf(settings)).csv(settings, canvas.step))
        << Contents(csv).size() << " bytes";

    // A plain file where a folder is needed: nothing is written, and the window says why.
    QFile(dir.filePath("blocker")).open(QIODevice::WriteOnly);
    QString told;
    WhenOpen([] { return QApplication::activeModalWidget(); },
             [&told](QWidget* w) {
                 auto* box = qobject_cast<QMessageBox*>(w);
                 ASSERT_NE(box, nullptr);
                 told = box->text();
                 box->accept();
             });
    EXPECT_FALSE(actions->SaveFrameTo(dir.filePath("blocker/frame.png")));
    EXPECT_TRUE(told.contains("cannot write " + dir.filePath("blocker/frame.png")))
        << told.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("blocker/frame.png")));
}

TEST(TakeHome, EveryViewWindowSavesCopiesAndExportsWhatItShows) {
    for (const View view : WindowViews()) {
        SCOPED_TRACE(std::string(Describe(view).name));
        const std::unique_ptr<ViewWindow> window(MakeViewWindow(view));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Away from where it opened, where the window steps by the arrows: the address and the
        // windings' numbers hold the step.
        QTest::keyClick(window.get(), Qt::Key_Right);
        QTest::keyClick(window.get(), Qt::Key_Right);
        TakesHome(window.get(), window->TakeHome(), window->Settings(), window->Canvas());
        // In its context menu too.
        EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);
        for (QAction* action : window->TakeHome()->Actions())
            EXPECT_TRUE(window->actions().contains(action));
    }
}

TEST(TakeHome, TheMainWindowTakesTheSameWayAndListsItInItsMenu) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        for (int i = 0; i < 3; ++i) dialog.SendMessage(WM_COMMAND, IDC_NEXT);
        CanvasInputs canvas{3, kCanvasWidth, kCanvasHeight};
        canvas.scale = dialog.GetDlgItem(IDC_CANVAS)->devicePixelRatioF();
        TakesHome(&dialog, dialog.m_pTakeHome, MainSettings{}, canvas);

        QStringList entries;
        for (const QAction* a : dialog.GetSystemMenu(FALSE)->Menu().actions()) entries << a->text();
        for (const char* entry : {"保存画面(&I)...\tCtrl+S", "复制画面(&C)\tCtrl+C",
                                  "复制网页地址(&R)\tCtrl+L", "导出数据(&D)..."})
            EXPECT_TRUE(entries.contains(QString::fromUtf8(entry))) << entry;
        QApplication::clipboard()->clear();
        dialog.SendMessage(WM_SYSCOMMAND, IDM_COPY_ADDRESS);
        EXPECT_EQ(QApplication::clipboard()->text(), "#view=main&step=3");
    });
}

}  // namespace
