// The dialog runtime: a control is the dialog's wherever its form puts it, so a button inside a
// group box is found by its id and its clicks reach the message map.
#include <QGroupBox>
#include <QPushButton>

#include "test_dialog_support.h"

namespace {

constexpr int kTemplate = 900;
constexpr int kInner = 901;

class NestedDialog : public CDialog {
  public:
    NestedDialog() : CDialog(kTemplate) {
        setProperty("templateId", kTemplate);
        setProperty("dialogStyle", "WS_POPUP | WS_CAPTION | WS_SYSMENU");
        resize(200, 120);
        auto* box = new QGroupBox("box", this);
        box->setProperty("controlId", -1);
        box->setGeometry(10, 10, 180, 100);
        auto* inner = new QPushButton("inner", box);
        inner->setProperty("controlId", kInner);
        inner->setGeometry(20, 30, 80, 30);
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {MapCommand<&NestedDialog::OnInner>(kInner)};
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    int clicks = 0;

  private:
    void OnInner() { ++clicks; }
};

TEST(Dialog, ControlInsideAGroupBoxIsFoundAndClicked) {
    NestedDialog dialog;
    RunModal(dialog, [&] {
        auto* inner = qobject_cast<QPushButton*>(dialog.GetDlgItem(kInner));
        ASSERT_NE(inner, nullptr);
        // Through the window, at the button's place, as a pointer clicks.
        const QPoint at = inner->mapTo(&dialog, inner->rect().center());
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseClick(inner, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.clicks, 2);
}

}  // namespace
