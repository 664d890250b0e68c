// The two dialog templates as built from their forms: every control in template order with its
// id, kind, rectangle and text; the window's size, style and font.
#include <cmath>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "test_dialog_support.h"

#include "about_dialog.h"
#include "canvas_widget.h"
#include "field_demo_dialog.h"
#include "resource.h"

namespace {

enum class Kind { Canvas, Push, DefPush, Group, Edit, Left, Right, Check, Icon };

struct Control {
    int row;
    int id;
    Kind kind;
    int x, y, w, h;  // dialog units
    const char* text;
};

// One dialog unit is 1.5 pixels each way; halves round up.
int Px(int du) { return static_cast<int>(std::floor(du * 1.5 + 0.5)); }

const std::vector<Control> kFieldDemo = {
    {1, 1001, Kind::Canvas, 7, 7, 342, 416, ""},
    {2, 1000, Kind::Push, 360, 183, 56, 21, "开始"},
    {3, 1002, Kind::Push, 360, 289, 56, 21, "下一步"},
    {4, 1003, Kind::Push, 360, 323, 56, 21, "重置"},
    {5, 1004, Kind::Push, 360, 215, 56, 21, "停止"},
    {6, -1, Kind::Group, 354, 168, 125, 76, "自动"},
    {7, -1, Kind::Group, 354, 275, 125, 76, "单步"},
    {8, 1005, Kind::Edit, 406, 131, 73, 17, ""},
    {9, -1, Kind::Left, 355, 135, 50, 8, "相位角(U相)"},
    {10, -1, Kind::Left, 353, 7, 124, 17, "合成旋转磁动势的幅值为单相最大磁动势幅值的3/2倍。"},
    {11, -1, Kind::Left, 353, 31, 124, 12, "旋转频率与电流波形频率一致。"},
    {12, -1, Kind::Left, 354, 63, 51, 8, "U相相对幅值:"},
    {13, -1, Kind::Left, 354, 85, 51, 8, "V相相对幅值:"},
    {14, -1, Kind::Left, 354, 105, 51, 8, "W相相对幅值:"},
    {15, 1006, Kind::Edit, 406, 59, 73, 15, ""},
    {16, 1007, Kind::Edit, 406, 81, 73, 15, ""},
    {17, 1008, Kind::Edit, 406, 103, 73, 15, ""},
    {18, 1010, Kind::Check, 356, 254, 79, 12, "显示合成磁动势"},
    {19, 1009, Kind::Push, 420, 289, 56, 21, "前一步"},
    {20, -1, Kind::Left, 498, 25, 157, 9, "Fux=Fp*cos(ωt)*cosα"},
    {21, -1, Kind::Left, 498, 40, 157, 9, "Fvx=Fp*cos(ωt-120°)*cos(α-120°)"},
    {22, -1, Kind::Left, 498, 54, 157, 9, "Fwx=Fp*cos(ωt+120°)*cos(α+120°)"},
    {23, -1, Kind::Left, 498, 70, 157, 8, "根据三角函数积化和差公式"},
    {24, -1, Kind::Left, 498, 84, 157, 11, "cosαcosβ=1/2(cos(α-β)+cos(α+β))"},
    {25, -1, Kind::Left, 497, 98, 158, 11, "得：F(x,t)=3/2*Fp*cos(ωt-α)"},
    {26, -1, Kind::Left, 498, 133, 157, 9, "Fux=Fp*cos(ωt)*sinα"},
    {27, -1, Kind::Left, 498, 148, 157, 9, "Fvx=Fp*cos(ωt-120°)*sin(α-120°)"},
    {28, -1, Kind::Left, 498, 162, 157, 9, "Fwx=Fp*cos(ωt+120°)*sin(α+120°)"},
    {29, -1, Kind::Left, 498, 178, 157, 8, "根据三角函数积化和差公式"},
    {30, -1, Kind::Left, 498, 192, 157, 11, "cosαsinβ=1/2(sin(α+β)-sin(α-β))"},
    {31, -1, Kind::Left, 497, 206, 158, 11, "得：F(y,t)=3/2*Fp*sin(ωt-α)"},
    {32, -1, Kind::Left, 498, 120, 157, 8, "同理：[各相磁动势在Y向分解]"},
    {33, -1, Kind::Left, 497, 11, 158, 11, "[各相磁动势在X向分解]"},
    {34, -1, Kind::Left, 497, 226, 158, 11, "结论："},
    {35, -1, Kind::Left, 497, 239, 158, 22,
     "三相合成磁动势是一个幅值恒定不变(单相最大磁动势的3/2倍)的圆形旋转磁动势。"},
    {36, -1, Kind::Right, 505, 412, 150, 11, nullptr},  // our own credit line
};

const std::vector<Control> kAbout = {
    {1, -1, Kind::Icon, 11, 17, 20, 20, ""},  // icon 128, checked by kind
    {2, -1, Kind::Left, 40, 10, 119, 8, "vesk 1.0 版"},
    {3, -1, Kind::Left, 40, 25, 119, 8, nullptr},  // our own copyright line
    {4, 1, Kind::DefPush, 178, 7, 50, 14, "确定"},
};

// The controls of a dialog, in creation order.
std::vector<QWidget*> Controls(const QWidget& dialog) {
    std::vector<QWidget*> controls;
    for (QWidget* w : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->property("controlId").isValid()) controls.push_back(w);
    return controls;
}

QString TextOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    return {};
}

void CheckKind(const QWidget* w, Kind kind) {
    switch (kind) {
        case Kind::Canvas: {
            auto* frame = qobject_cast<const QFrame*>(w);
            ASSERT_NE(frame, nullptr);
            EXPECT_NE(dynamic_cast<const CanvasWidget*>(w), nullptr);
            EXPECT_EQ(frame->frameShape(), QFrame::Box);
            EXPECT_EQ(frame->frameShadow(), QFrame::Plain);
            EXPECT_EQ(frame->lineWidth(), 1);
            // No border style: the client rectangle is the whole control.
            EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
            break;
        }
        case Kind::Push:
        case Kind::DefPush: {
            auto* button = qobject_cast<const QPushButton*>(w);
            ASSERT_NE(button, nullptr);
            EXPECT_FALSE(button->autoDefault());
            EXPECT_EQ(button->isDefault(), kind == Kind::DefPush);
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
            break;
        }
        case Kind::Group: {
            auto* box = qobject_cast<const QGroupBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_FALSE(box->isCheckable());
            EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
            // Group boxes do not adopt the controls they frame.
            EXPECT_TRUE(box->findChildren<QWidget*>().isEmpty());
            break;
        }
        case Kind::Edit: {
            auto* edit = qobject_cast<const QLineEdit*>(w);
            ASSERT_NE(edit, nullptr);
            EXPECT_TRUE(edit->isReadOnly());
            EXPECT_TRUE(edit->hasFrame());
            EXPECT_TRUE(edit->alignment() & Qt::AlignLeft);
            EXPECT_TRUE(edit->focusPolicy() & Qt::TabFocus);
            break;
        }
        case Kind::Left:
        case Kind::Right: {
            auto* label = qobject_cast<const QLabel*>(w);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->wordWrap());
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
            EXPECT_TRUE(label->alignment() & (kind == Kind::Left ? Qt::AlignLeft : Qt::AlignRight));
            EXPECT_TRUE(label->alignment() & Qt::AlignTop);
            EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
            break;
        }
        case Kind::Check: {
            auto* box = qobject_cast<const QCheckBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_FALSE(box->isTristate());
            EXPECT_TRUE(box->focusPolicy() & Qt::TabFocus);
            break;
        }
        case Kind::Icon: {
            auto* label = qobject_cast<const QLabel*>(w);
            ASSERT_NE(label, nullptr);
            const QPixmap pixmap = label->pixmap();
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                      QImage(":/icons/128/32.png").convertToFormat(QImage::Format_ARGB32));
            break;
        }
    }
}

void CheckTemplate(const QWidget& dialog, const std::vector<Control>& table) {
    const std::vector<QWidget*> controls = Controls(dialog);
    ASSERT_EQ(controls.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Control& c = table[i];
        const QWidget* w = controls[i];
        SCOPED_TRACE("row " + std::to_string(c.row));
        EXPECT_EQ(w->property("controlId").toInt(), c.id);
        EXPECT_EQ(w->parentWidget(), &dialog);
        EXPECT_EQ(w->pos(), QPoint(Px(c.x), Px(c.y)));
        // An icon control takes the size of its icon.
        const QSize size = c.kind == Kind::Icon ? QSize(32, 32) : QSize(Px(c.w), Px(c.h));
        EXPECT_EQ(w->size(), size);
        if (c.text != nullptr)
            EXPECT_EQ(TextOf(w).toStdString(), c.text);
        else
            EXPECT_FALSE(TextOf(w).isEmpty()) << "the free text is missing";
        CheckKind(w, c.kind);
    }
}

TEST(FieldDemoTemplate, ControlsInTemplateOrder) {
    CFieldDemoDialog dialog;
    CheckTemplate(dialog, kFieldDemo);
}

TEST(FieldDemoTemplate, CanvasAndClientAreaInPixels) {
    CFieldDemoDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(993, 645));
    const QWidget* canvas = dialog.GetDlgItem(IDC_CANVAS);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->size(), QSize(513, 624));
}

TEST(FieldDemoTemplate, TitleAndTemplateId) {
    CFieldDemoDialog dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "三相交流异步电动机定子旋转磁场形成");
    EXPECT_EQ(dialog.property("templateId").toInt(), IDD_FIELDDEMO);
}

TEST(FieldDemoTemplate, IdsFindTheirControls) {
    const struct {
        int id;
        const char* text;
    } rows[] = {{IDC_START, "开始"}, {IDC_NEXT, "下一步"}, {IDC_RESET, "重置"},
                {IDC_STOP, "停止"},  {IDC_PREV, "前一步"}, {IDC_SHOW_RESULTANT, "显示合成磁动势"}};
    CFieldDemoDialog dialog;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ASSERT_NE(dialog.GetDlgItem(row.id), nullptr);
        EXPECT_EQ(TextOf(dialog.GetDlgItem(row.id)).toStdString(), row.text);
    }
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
}

TEST(FieldDemoTemplate, EveryControlStartsWithTheDialogFont) {
    CFieldDemoDialog dialog;
    const QStringList families = {"SimSun", "宋体", "AR PL UMing CN", "Noto Serif CJK SC"};
    for (const QWidget* w : Controls(dialog)) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->font().families(), families);
        EXPECT_EQ(w->font().pointSize(), 9);
    }
    // With the fonts the program depends on, the first family present is a Chinese serif face
    // that is 12 pixels high at 9 points, like the one the layout was made for.
    EXPECT_EQ(QFontInfo(dialog.font()).family(), "AR PL UMing CN");
    EXPECT_EQ(QFontMetrics(dialog.font()).height(), 12);
}

TEST(FieldDemoTemplate, WindowStyleOnceRunning) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window) << "its own taskbar entry";
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
        EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(dialog.parentWidget(), nullptr);
        EXPECT_EQ(dialog.minimumSize(), QSize(993, 645));
        EXPECT_EQ(dialog.maximumSize(), QSize(993, 645));
        EXPECT_TRUE(dialog.isModal());
    });
}

TEST(AboutTemplate, ControlsInTemplateOrder) {
    CAboutDialog dialog;
    CheckTemplate(dialog, kAbout);
}

TEST(AboutTemplate, TitleSizeAndId) {
    CAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "关于 vesk");
    EXPECT_EQ(dialog.size(), QSize(Px(235), Px(55)));
    EXPECT_EQ(dialog.property("templateId").toInt(), IDD_ABOUTBOX);
}

}  // namespace
