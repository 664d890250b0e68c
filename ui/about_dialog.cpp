#include "about_dialog.h"

#include "resource.h"

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) { ui.setupUi(this); }

CAboutDialog::~CAboutDialog() = default;

const MessageMap* CAboutDialog::GetMessageMap() const {
    // Nothing of its own: OK and Cancel are the base's.
    static const MessageMap map{CDialog::GetMessageMap(), {}};
    return &map;
}

void CAboutDialog::DoDataExchange(CDataExchange*) {}
