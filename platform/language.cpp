#include "language.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {

// The core's lookups go to Qt's translators. Answers are kept, so that the views handed out stay
// valid; frames may be drawn on several threads at once.
class QtTranslation : public Translation {
  public:
    std::string_view Text(std::string_view context, std::string_view source) const override {
        std::string key(context);
        key += '\x04';
        key += source;
        const std::lock_guard lock(m_mutex);
        auto it = m_texts.find(key);
        if (it == m_texts.end()) {
            const QString text = QCoreApplication::translate(std::string(context).c_str(),
                                                             std::string(source).c_str());
            it = m_texts.emplace(std::move(key), text.toStdString()).first;
        }
        return it->second;
    }
    void Forget() {
        const std::lock_guard lock(m_mutex);
        m_texts.clear();
    }

  private:
    mutable std::mutex m_mutex;
    mutable std::map<std::string, std::string> m_texts;
};

Language g_language = Language::Chinese;
QtTranslation g_translation;
std::unique_ptr<QTranslator> g_translator;

constexpr char kSettingsKey[] = "language";

// ~/.config/vesk/vesk.conf, whatever the application calls itself.
QSettings Settings() { return QSettings(QStringLiteral("vesk"), QStringLiteral("vesk")); }

}  // namespace

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "zh"; }

void SetLanguage(Language language) {
    const bool had = g_translator != nullptr;
    if (had) QCoreApplication::removeTranslator(g_translator.get());
    g_translator.reset();
    g_translation.Forget();
    g_language = language;
    if (language == Language::English) {
        g_translator = std::make_unique<QTranslator>();
        if (g_translator->load(QStringLiteral(":/translations/vesk_en.qm")))
            QCoreApplication::installTranslator(g_translator.get());
    } else if (!had && QCoreApplication::instance() != nullptr) {
        // Installing or removing a translator tells every window; with nothing removed, we do.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

Language CurrentLanguage() { return g_language; }

const Translation* CurrentTranslation() {
    return g_language == Language::Chinese ? nullptr : &g_translation;
}

Language RememberedLanguage() {
    const QString code = Settings().value(kSettingsKey).toString();
    return ParseLanguage(code.toStdString()).value_or(Language::Chinese);
}

void RememberLanguage(Language language) {
    Settings().setValue(kSettingsKey, QString::fromLatin1(LanguageCode(language)));
}
