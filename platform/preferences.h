#pragma once
// The class's choices, remembered from one run to the next (QSettings, ~/.config/vesk/vesk.conf):
// the language, the phase colours and how large the windows are drawn.
#include <array>
#include <optional>
#include <string_view>

#include <QString>

#include "language.h"
#include "text/palette.h"

// The palette every picture is drawn in now (kStandardPalette or kSafePalette). Changing it has
// every window draw itself again.
const Palette& CurrentPalette();
void SetPalette(const Palette& palette);
// The event windows get when the palette changes.
int AppearanceChangeEvent();

// How large the windows can be drawn: Qt's own scaling, set before the application starts.
inline constexpr std::array<double, 5> kWindowScales{1.0, 1.25, 1.5, 1.75, 2.0};
// One of kWindowScales written as a number ("1.5"); nothing for anything else.
std::optional<double> ParseWindowScale(std::string_view text);

// Why a choice could not be kept for the next run: the settings file, and the reason in the
// language shown.
struct SettingsProblem {
    QString file;
    QString reason;
};

// The choices of the last run: Chinese, the standard palette and 1 when none was made, or when
// vesk.conf cannot be read safely (not a regular file, larger than 1 MB, unreadable), which is said
// once on standard error and never overwritten.
// Remember* keep a choice for the next run; when it cannot be saved they say so in one line on
// standard error and return why, for the window to say it too.
Language RememberedLanguage();
std::optional<SettingsProblem> RememberLanguage(Language language);
const Palette& RememberedPalette();
std::optional<SettingsProblem> RememberPalette(const Palette& palette);
double RememberedScale();
std::optional<SettingsProblem> RememberScale(double scale);
// The size chosen in this run, saved or not; else the remembered one.
double ChosenScale();
