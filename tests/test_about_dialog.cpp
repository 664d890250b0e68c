// The window menu and the About box: how the menu opens, what it offers, and the About box
// running modally over the main window while the animation goes on behind it.
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "test_dialog_support.h"

#include "about_dialog.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kTimer = CFieldDemoDialog::ANIM_TIMER_ID;

QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
QWidget* OpenAbout() {
    return dynamic_cast<CAboutDialog*>(QApplication::activeModalWidget()) != nullptr
               ? QApplication::activeModalWidget()
               : nullptr;
}

// Chooses the item whose text is `text` with a click.
void Choose(QWidget* popup, const QString& text) {
    auto* menu = qobject_cast<QMenu*>(popup);
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
}

// How the window menu is opened.
struct Opening {
    const char* name;
    std::function<void(CFieldDemoDialog&)> open;
    friend void PrintTo(const Opening& row, std::ostream* os) { *os << row.name; }
};

class WindowMenu : public ::testing::TestWithParam<Opening> {};

TEST_P(WindowMenu, OpensAndItsAboutEntryOpensTheAboutBox) {
    CFieldDemoDialog dialog;
    bool menuChecked = false;
    bool aboutChecked = false;
    RunModal(dialog, [&] {
        WhenOpen(OpenPopup, [&](QWidget* popup) {
            const QList<QAction*> actions = qobject_cast<QMenu*>(popup)->actions();
            ASSERT_GE(actions.size(), 2);
            EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
            EXPECT_EQ(actions.back()->text().toStdString(), "关于 vesk(&A)...");
            menuChecked = true;
            WhenOpen(OpenAbout, [&](QWidget* about) {
                EXPECT_EQ(about->windowTitle().toStdString(), "关于 vesk");
                EXPECT_EQ(about->parentWidget(), &dialog) << "owned by the main window";
                aboutChecked = true;
                PressKey(Qt::Key_Escape);
            });
            Choose(popup, QStringLiteral("关于 vesk(&A)..."));
        });
        GetParam().open(dialog);
        EXPECT_TRUE(dialog.isVisible()) << "the main window runs on after the About box";
    });
    EXPECT_TRUE(menuChecked);
    EXPECT_TRUE(aboutChecked);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, WindowMenu,
    ::testing::Values(
        Opening{"RightClick",
                [](CFieldDemoDialog& d) {
                    // On the window itself, between the controls.
                    QTest::mouseClick(&d, Qt::RightButton, Qt::NoModifier, QPoint(700, 600));
                }},
        Opening{"RightClickOnAButton",
                [](CFieldDemoDialog& d) { Click(d.GetDlgItem(IDC_START), Qt::RightButton); }},
        Opening{"ShiftF10", [](CFieldDemoDialog&) { PressKey(Qt::Key_F10, Qt::ShiftModifier); }},
        Opening{"MenuKey", [](CFieldDemoDialog&) { PressKey(Qt::Key_Menu); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowMenuCommands, CloseEndsTheRunAndStopsTheAnimation) {
    CFieldDemoDialog dialog;
    const int result = RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        WhenOpen(OpenPopup,
                 [&](QWidget* popup) { Choose(popup, QStringLiteral("关闭(&C)\tAlt+F4")); });
        PressKey(Qt::Key_Menu);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_FALSE(dialog.HasTimer(kTimer));
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(WindowMenuCommands, MinimizeMinimizes) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        WhenOpen(OpenPopup, [&](QWidget* popup) { Choose(popup, QStringLiteral("最小化(&N)")); });
        PressKey(Qt::Key_Menu);
        EXPECT_TRUE(dialog.IsIconic());
        dialog.showNormal();
    });
}

TEST(WindowMenuCommands, AboutCommandIgnoresTheLowFourBits) {
    CFieldDemoDialog dialog;
    bool opened = false;
    RunModal(dialog, [&] {
        WhenOpen(OpenAbout, [&](QWidget*) {
            opened = true;
            PressKey(Qt::Key_Escape);
        });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX | 0x7);
    });
    EXPECT_TRUE(opened);
}

TEST(AboutBoxOverTheMainWindow, MainWindowTakesNoInputButKeepsAnimating) {
    CFieldDemoDialog dialog;
    bool checked = false;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        WhenOpen(OpenAbout, [&](QWidget* about) {
            const int stepWhenOpened = dialog.m_nStep;
            // A click on Next would stop the animation; the blocked main window must not get it.
            Click(dialog.GetDlgItem(IDC_NEXT));
            EXPECT_TRUE(dialog.HasTimer(kTimer));
            EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= stepWhenOpened + 2; }, 3000))
                << "the animation stalled behind the About box";
            PressKey(Qt::Key_Escape);  // goes to the About box, which has the focus
            EXPECT_FALSE(about->isVisible());
            checked = true;
        });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.HasTimer(kTimer));
        dialog.KillTimer(kTimer);
    });
    EXPECT_TRUE(checked);
}

// The About box on its own, and every way to close it.
struct AboutEnding {
    const char* name;
    std::function<void(CAboutDialog&)> act;
    int result;
    friend void PrintTo(const AboutEnding& row, std::ostream* os) { *os << row.name; }
};

class AboutBox : public ::testing::TestWithParam<AboutEnding> {};

TEST_P(AboutBox, Closes) {
    CAboutDialog about;
    const int result = RunModal(about, [&] {
        EXPECT_EQ(QApplication::focusWidget(), about.GetDlgItem(IDOK));
        GetParam().act(about);
        EXPECT_FALSE(about.isVisible());
    });
    EXPECT_EQ(result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBox,
    ::testing::Values(
        AboutEnding{"OkButton", [](CAboutDialog& a) { Click(a.GetDlgItem(IDOK)); }, IDOK},
        AboutEnding{"Enter", [](CAboutDialog&) { PressKey(Qt::Key_Return); }, IDOK},
        AboutEnding{"Escape", [](CAboutDialog&) { PressKey(Qt::Key_Escape); }, IDCANCEL},
        AboutEnding{"CloseBox", [](CAboutDialog& a) { a.close(); }, IDCANCEL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AboutBoxContents, ShowsTheIconVersionAndCopyright) {
    CAboutDialog about;
    RunModal(about, [&] {
        const QList<QLabel*> labels = about.findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 3);
        EXPECT_FALSE(labels[0]->pixmap().isNull());
        EXPECT_EQ(labels[1]->text().toStdString(), "vesk 1.0 版");
        EXPECT_TRUE(labels[2]->text().contains("(C)"));
        EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_EQ(about.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    });
}

}  // namespace
