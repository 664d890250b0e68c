#pragma once
// Ids of the program's resources: dialog templates, controls, icon, strings and menu commands.

// Dialog templates
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_FIELDDEMO = 102;

// Icon group
constexpr int IDR_MAINFRAME = 128;

// String table (the texts are in strings/; each is named here too, for the translation tools)
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDS_EXPLORER = 103;
#ifdef QT_TRANSLATE_NOOP
inline constexpr const char* kStringTableSources[] = {
    QT_TRANSLATE_NOOP("StringTable", "关于 vesk(&A)..."),
    QT_TRANSLATE_NOOP("StringTable", "探索(&E)..."),
};
#endif

// Window-menu commands; the low four bits stay clear, the window's own commands start at 0xF000.
constexpr unsigned IDM_ABOUTBOX = 0x0010;
constexpr unsigned IDM_EXPLORER = 0x0020;
constexpr unsigned IDM_LANGUAGE_ZH = 0x0030;
constexpr unsigned IDM_LANGUAGE_EN = 0x0040;
constexpr unsigned IDM_PALETTE_STANDARD = 0x0050;
constexpr unsigned IDM_PALETTE_SAFE = 0x0060;
constexpr unsigned IDM_SCALE_FIRST = 0x0070;  // one per window scale, 0x10 apart
constexpr unsigned IDM_LESSON = 0x0400;
// The frame taken home: saved, copied, its page address, its curves exported.
constexpr unsigned IDM_SAVE_FRAME = 0x0410;
constexpr unsigned IDM_COPY_FRAME = 0x0420;
constexpr unsigned IDM_COPY_ADDRESS = 0x0430;
constexpr unsigned IDM_EXPORT_DATA = 0x0440;

// Controls of IDD_FIELDDEMO
constexpr int IDC_START = 1000;
constexpr int IDC_CANVAS = 1001;
constexpr int IDC_NEXT = 1002;
constexpr int IDC_RESET = 1003;
constexpr int IDC_STOP = 1004;
constexpr int IDC_PHASE_ANGLE = 1005;
constexpr int IDC_AMP_U = 1006;
constexpr int IDC_AMP_V = 1007;
constexpr int IDC_AMP_W = 1008;
constexpr int IDC_PREV = 1009;
constexpr int IDC_SHOW_RESULTANT = 1010;
