#include "field_demo_dialog.h"

#include "about_dialog.h"
#include "explorer_window.h"
#include "menu.h"
#include "resource.h"
#include "resources.h"

CFieldDemoDialog::CFieldDemoDialog(QWidget* pParent)
    : CDialog(IDD_FIELDDEMO, pParent),
      m_strPhaseAngle(""),
      m_strAmpU(""),
      m_strAmpV(""),
      m_strAmpW(""),
      m_bShowResultant(FALSE),
      m_hIcon(LoadIcon(IDR_MAINFRAME)) {
    ui.setupUi(this);
}

CFieldDemoDialog::~CFieldDemoDialog() = default;

const MessageMap* CFieldDemoDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MapMessage<&CFieldDemoDialog::OnSysCommand>(WM_SYSCOMMAND),
        MapMessage<&CFieldDemoDialog::OnPaint>(WM_PAINT),
        MapMessage<&CFieldDemoDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
        MapCommand<&CFieldDemoDialog::OnStart>(IDC_START),
        MapMessage<&CFieldDemoDialog::OnTimer>(WM_TIMER),
        MapCommand<&CFieldDemoDialog::OnStop>(IDC_STOP),
        MapCommand<&CFieldDemoDialog::OnNextStep>(IDC_NEXT),
        MapCommand<&CFieldDemoDialog::OnReset>(IDC_RESET),
        MapMessage<&CFieldDemoDialog::OnDestroy>(WM_DESTROY),
        MapCommand<&CFieldDemoDialog::OnShowResultant>(IDC_SHOW_RESULTANT),
        MapCommand<&CFieldDemoDialog::OnPrevStep>(IDC_PREV),
        MapMessage<&CFieldDemoDialog::OnClose>(WM_CLOSE),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void CFieldDemoDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_PHASE_ANGLE, m_strPhaseAngle);
    DDX_Text(pDX, IDC_AMP_U, m_strAmpU);
    DDX_Text(pDX, IDC_AMP_V, m_strAmpV);
    DDX_Text(pDX, IDC_AMP_W, m_strAmpW);
    DDX_Check(pDX, IDC_SHOW_RESULTANT, m_bShowResultant);
}

BOOL CFieldDemoDialog::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE); pSysMenu != nullptr) {
        const CString strExplorerMenu = LoadResourceString(IDS_EXPLORER);
        if (!strExplorerMenu.isEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_EXPLORER, strExplorerMenu);
        }
        const CString strAboutMenu = LoadResourceString(IDS_ABOUTBOX);
        if (!strAboutMenu.isEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_nStep = 0;
    m_bShowResultant = TRUE;
    UpdateData(FALSE);

    m_fontReadout.CreatePointFont(120, "Arial");
    if (const QFont* font = m_fontReadout.GetSafeHandle(); font != nullptr) {
        for (const int id : {IDC_PHASE_ANGLE, IDC_AMP_U, IDC_AMP_V, IDC_AMP_W})
            GetDlgItem(id)->setFont(*font);
    }
    return TRUE;
}

void CFieldDemoDialog::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDialog dlgAbout;
        dlgAbout.DoModal();
    } else if ((nID & 0xFFF0) == IDM_EXPLORER) {
        OpenExplorer();
    } else {
        Default();
    }
}

void CFieldDemoDialog::OpenExplorer() {
    // A window of its own whose parent is this one: the modal run of this window does not block
    // it, and it closes with it.
    if (m_explorer == nullptr) m_explorer = new ExplorerWindow(this);
    m_explorer->show();
    m_explorer->raise();
    m_explorer->activateWindow();
}

HCURSOR CFieldDemoDialog::OnQueryDragIcon() { return m_hIcon; }

void CFieldDemoDialog::OnClose() {
    KillTimer(ANIM_TIMER_ID);
    m_fontReadout.Detach();
    Default();
}

void CFieldDemoDialog::OnDestroy() {
    Default();
    KillTimer(ANIM_TIMER_ID);
    m_fontReadout.Detach();
}
