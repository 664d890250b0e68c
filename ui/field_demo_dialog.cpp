#include "field_demo_dialog.h"

#include <algorithm>

#include <QMessageBox>
#include <QTimer>

#include "about_dialog.h"
#include "canvas_widget.h"
#include "frame_actions.h"
#include "menu.h"
#include "preferences.h"
#include "presentation_window.h"
#include "resource.h"
#include "resources.h"
#include "view_windows.h"

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

    // Made before the menu, which lists them.
    m_pTakeHome = new FrameActions(
        this, {[this] { return ViewSettings(MainSettings{m_bShowResultant != FALSE}); },
               [this] {
                   const QWidget* canvas = GetDlgItem(IDC_CANVAS);
                   CanvasInputs in{m_nStep, canvas->width(), canvas->height()};
                   in.scale = canvas->devicePixelRatioF();
                   in.palette = CurrentPalette();
                   in.translation = CurrentTranslation();
                   return in;
               }});
    if (CMenu* pSysMenu = GetSystemMenu(FALSE); pSysMenu != nullptr) AppendMenuEntries(pSysMenu);

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_nStep = 0;
    m_bShowResultant = TRUE;
    UpdateData(FALSE);

    // F5 and F11 present the step shown; the animation goes on there if it ran here.
    const auto present = AddPresentationKeys(this, [this] {
        LessonStop stop;
        stop.settings = MainSettings{m_bShowResultant != FALSE};
        stop.step = m_nStep;
        stop.playing = HasTimer(ANIM_TIMER_ID);
        KillTimer(ANIM_TIMER_ID);
        return stop;
    });
    if (m_bPresentAtStart) QTimer::singleShot(0, this, present);

    m_fontReadout.CreatePointFont(120, "Arial");
    if (const QFont* font = m_fontReadout.GetSafeHandle(); font != nullptr) {
        for (const int id : {IDC_PHASE_ANGLE, IDC_AMP_U, IDC_AMP_V, IDC_AMP_W})
            GetDlgItem(id)->setFont(*font);
    }
    return TRUE;
}

// The explorer, the class's choices, and last, after a separator, the About box.
void CFieldDemoDialog::AppendMenuEntries(CMenu* pSysMenu) {
    const CString strExplorerMenu = LoadResourceString(IDS_EXPLORER);
    if (!strExplorerMenu.isEmpty()) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        for (const View view : WindowViews())
            pSysMenu->AppendMenu(MF_STRING, ViewMenuId(view), ViewMenuText(view));
    }
    auto choice = [](bool chosen) {
        return MF_STRING | MFT_RADIOCHECK | (chosen ? MF_CHECKED : 0);
    };
    pSysMenu->AppendMenu(MF_STRING, IDM_LESSON,
                         QCoreApplication::translate("Presentation", "课程(&S)"));
    if (m_pTakeHome != nullptr) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        const UINT ids[] = {IDM_SAVE_FRAME, IDM_COPY_FRAME, IDM_COPY_ADDRESS, IDM_EXPORT_DATA};
        for (int i = 0; i < 4; ++i) {
            const QAction* action = m_pTakeHome->Actions()[i];
            const QString keys = action->shortcut().toString(QKeySequence::NativeText);
            pSysMenu->AppendMenu(MF_STRING, ids[i],
                                 action->text() + (keys.isEmpty() ? "" : "\t" + keys));
        }
        pSysMenu->AppendMenu(MF_SEPARATOR);
    }
    CMenu* language = pSysMenu->AppendPopup(tr("语言(&L)"));
    // Each language is named in itself, so that it can be found whichever is shown.
    language->AppendMenu(choice(CurrentLanguage() == Language::Chinese), IDM_LANGUAGE_ZH, "中文");
    language->AppendMenu(choice(CurrentLanguage() == Language::English), IDM_LANGUAGE_EN,
                         "English");
    CMenu* colours = pSysMenu->AppendPopup(tr("配色(&P)"));
    colours->AppendMenu(choice(CurrentPalette() == kStandardPalette), IDM_PALETTE_STANDARD,
                        tr("标准"));
    colours->AppendMenu(choice(CurrentPalette() == kSafePalette), IDM_PALETTE_SAFE, tr("色盲友好"));
    CMenu* size = pSysMenu->AppendPopup(tr("放大(&Z)"));
    const double remembered = ChosenScale();
    for (std::size_t i = 0; i < kWindowScales.size(); ++i) {
        size->AppendMenu(choice(kWindowScales[i] == remembered), IDM_SCALE_FIRST + 0x10 * i,
                         QStringLiteral("%1%").arg(kWindowScales[i] * 100));
    }
    const CString strAboutMenu = LoadResourceString(IDS_ABOUTBOX);
    if (!strAboutMenu.isEmpty()) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
    }
}

void CFieldDemoDialog::OnSysCommand(UINT nID, LPARAM) {
    const UINT command = nID & 0xFFF0;
    const std::span<const View> views = WindowViews();
    const auto view = std::find_if(views.begin(), views.end(),
                                   [command](View v) { return ViewMenuId(v) == command; });
    if (command == IDM_ABOUTBOX) {
        CAboutDialog dlgAbout;
        dlgAbout.DoModal();
    } else if (view != views.end()) {
        OpenView(*view);
    } else if (command >= IDM_SAVE_FRAME && command <= IDM_EXPORT_DATA) {
        m_pTakeHome->Actions()[(command - IDM_SAVE_FRAME) / 0x10]->trigger();
    } else if (command == IDM_LESSON) {
        KillTimer(ANIM_TIMER_ID);
        Present(BuiltInLesson(), LessonStepper::Walk::Stops, this);
    } else if (command == IDM_LANGUAGE_ZH || command == IDM_LANGUAGE_EN) {
        const Language language =
            command == IDM_LANGUAGE_EN ? Language::English : Language::Chinese;
        // Said in the language just chosen.
        SetLanguage(language);
        TellUnsaved(RememberLanguage(language));
    } else if (command == IDM_PALETTE_STANDARD || command == IDM_PALETTE_SAFE) {
        const Palette& palette = command == IDM_PALETTE_SAFE ? kSafePalette : kStandardPalette;
        SetPalette(palette);
        TellUnsaved(RememberPalette(palette));
    } else if (command >= IDM_SCALE_FIRST &&
               command < IDM_SCALE_FIRST + 0x10 * kWindowScales.size()) {
        const std::optional<SettingsProblem> problem =
            RememberScale(kWindowScales[(command - IDM_SCALE_FIRST) / 0x10]);
        RebuildMenu();
        if (problem)
            QMessageBox::warning(
                this, windowTitle(),
                QCoreApplication::translate(
                    "Preferences", "新的大小无法保存到 %1：%2。vesk 下次启动时仍是原来的大小。")
                    .arg(problem->file, problem->reason));
        else
            QMessageBox::information(this, windowTitle(), tr("新的大小在 vesk 下次启动时生效。"));
    } else {
        Default();
    }
}

// A choice that holds for this run only: the class hears of it now, not at the next start.
void CFieldDemoDialog::TellUnsaved(const std::optional<SettingsProblem>& problem) {
    if (!problem) return;
    QMessageBox::warning(
        this, windowTitle(),
        QCoreApplication::translate("Preferences",
                                    "这个选择无法保存到 %1：%2。它只在 vesk 这次运行中有效。")
            .arg(problem->file, problem->reason));
}

void CFieldDemoDialog::RebuildMenu() {
    if (CMenu* pSysMenu = GetSystemMenu(TRUE); pSysMenu != nullptr) AppendMenuEntries(pSysMenu);
}

// A new language or palette: the texts, the menu and the frame are drawn again in it at once.
bool CFieldDemoDialog::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange || event->type() == AppearanceChangeEvent()) {
        if (event->type() == QEvent::LanguageChange) ui.retranslateUi(this);
        RebuildMenu();
        if (isVisible()) RenderFrame(m_nStep);
    }
    return CDialog::event(event);
}

void CFieldDemoDialog::OpenView(View view) {
    // A window of its own whose parent is this one: the modal run of this window does not block
    // it, and it closes with it.
    QPointer<ViewWindow>& window = m_views[view];
    if (window == nullptr) window = MakeViewWindow(view, this);
    window->show();
    window->raise();
    window->activateWindow();
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
