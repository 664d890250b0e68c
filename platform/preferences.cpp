#include "preferences.h"

#include <charconv>
#include <string>

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QWidget>

namespace {

const Palette* g_palette = &kStandardPalette;

// ~/.config/vesk/vesk.conf, whatever the application calls itself.
QSettings Settings() { return QSettings(QStringLiteral("vesk"), QStringLiteral("vesk")); }

QString Read(const char* key) { return Settings().value(QLatin1String(key)).toString(); }
void Write(const char* key, const QString& value) {
    Settings().setValue(QLatin1String(key), value);
}

}  // namespace

const Palette& CurrentPalette() { return *g_palette; }

int AppearanceChangeEvent() {
    static const int type = QEvent::registerEventType();
    return type;
}

void SetPalette(const Palette& palette) {
    g_palette = palette == kSafePalette ? &kSafePalette : &kStandardPalette;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    // A window that rebuilds its menus deletes some of the others (their popups) on the way.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull()) continue;
        QEvent change(static_cast<QEvent::Type>(AppearanceChangeEvent()));
        QCoreApplication::sendEvent(window, &change);
    }
}

std::optional<double> ParseWindowScale(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    for (const double scale : kWindowScales)
        if (value == scale) return scale;
    return std::nullopt;
}

Language RememberedLanguage() {
    return ParseLanguage(Read("language").toStdString()).value_or(Language::Chinese);
}
void RememberLanguage(Language language) {
    Write("language", QString::fromLatin1(LanguageCode(language)));
}

const Palette& RememberedPalette() {
    const Palette* palette = PaletteNamed(Read("palette").toStdString());
    return palette != nullptr ? *palette : kStandardPalette;
}
void RememberPalette(const Palette& palette) {
    Write("palette", palette == kSafePalette ? "safe" : "standard");
}

double RememberedScale() { return ParseWindowScale(Read("scale").toStdString()).value_or(1.0); }
void RememberScale(double scale) { Write("scale", QString::number(scale)); }
