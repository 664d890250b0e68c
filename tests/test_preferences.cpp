// The class's choices made in the main window's menu: every open window follows at once, in
// every text and in the picture, and the next run starts with them.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "explorer_window.h"
#include "field_demo_dialog.h"
#include "language.h"
#include "preferences.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

namespace {

bool HasChinese(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() < 0xa000) return true;
    return false;
}

// Every text a person or a screen reader meets in a window.
QStringList Texts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->accessibleName() << w->accessibleDescription() << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    }
    texts.removeAll(QString());
    return texts;
}

// A choice from the window menu; the windows hear of it through the event loop.
void Choose(CFieldDemoDialog& d, UINT command) {
    d.SendMessage(WM_SYSCOMMAND, command);
    QCoreApplication::sendPostedEvents();
}

QImage Canvas(CFieldDemoDialog& d) {
    return static_cast<CanvasWidget*>(d.GetDlgItem(IDC_CANVAS))->Frame();
}

TEST(Preferences, EnglishReachesEveryTextAtOnceAndBackAgainLeavesNoTrace) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, IDM_EXPLORER);
        auto* explorer = dialog.findChild<ExplorerWindow*>();
        ASSERT_NE(explorer, nullptr);
        for (int i = 0; i < 3; ++i) Click(dialog.GetDlgItem(IDC_NEXT));
        const QStringList chinese = Texts(dialog);

        Choose(dialog, IDM_LANGUAGE_EN);
        EXPECT_EQ(RememberedLanguage(), Language::English) << "the next run starts in English";
        for (QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(explorer)})
            for (const QString& text : Texts(*window))
                EXPECT_FALSE(HasChinese(text)) << text.toStdString();
        FrameInputs english{3};
        english.translation = CurrentTranslation();
        EXPECT_EQ(Canvas(dialog), RasterFrame(english));

        Choose(dialog, IDM_LANGUAGE_ZH);
        EXPECT_EQ(Texts(dialog).join('|').toStdString(), chinese.join('|').toStdString());
        EXPECT_EQ(Canvas(dialog), RasterFrame({3}));
        Choose(dialog, IDM_LANGUAGE_EN);
        EXPECT_EQ(Canvas(dialog), RasterFrame(english)) << "as a fresh start in English";
        EXPECT_EQ(dialog.m_nStep, 3);
    });
    SetLanguage(Language::Chinese);
}

TEST(Preferences, TheSafePaletteRedrawsTheFrameAndTheSizeWaitsForTheNextRun) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        Choose(dialog, IDM_PALETTE_SAFE);
        FrameInputs safe{0};
        safe.palette = kSafePalette;
        EXPECT_EQ(Canvas(dialog), RasterFrame(safe));
        EXPECT_EQ(RememberedPalette(), kSafePalette);

        // 150 %: said to apply at the next start, and remembered for it.
        bool told = false;
        WhenOpen(
            []() -> QWidget* {
                return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            },
            [&](QWidget* box) {
                told = true;
                qobject_cast<QDialog*>(box)->accept();
            });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_SCALE_FIRST + 2 * 0x10);
        EXPECT_TRUE(told);
        EXPECT_EQ(RememberedScale(), 1.5);
        EXPECT_EQ(Canvas(dialog), RasterFrame(safe)) << "the size waits for the next run";
    });
    SetPalette(kStandardPalette);
}

}  // namespace
