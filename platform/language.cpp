#include "language.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The core's lookups go straight to the translator, so that they work without an application
// too. Answers are kept, so that the views handed out stay valid; frames may be drawn on several
// threads at once.
class QtTranslation : public Translation {
  public:
    void Use(const QTranslator* translator) {
        const std::lock_guard lock(m_mutex);
        m_translator = translator;
        m_texts.clear();
    }
    std::string_view Text(std::string_view context, std::string_view source) const override {
        std::string key(context);
        key += '\x04';
        key += source;
        const std::lock_guard lock(m_mutex);
        auto it = m_texts.find(key);
        if (it == m_texts.end()) {
            const QString text = m_translator == nullptr
                                     ? QString()
                                     : m_translator->translate(std::string(context).c_str(),
                                                               std::string(source).c_str());
            it = m_texts.emplace(std::move(key), text.toStdString()).first;
        }
        return it->second;
    }

  private:
    mutable std::mutex m_mutex;
    const QTranslator* m_translator = nullptr;
    mutable std::map<std::string, std::string> m_texts;
};

Language g_language = Language::Chinese;
QtTranslation g_translation;
std::unique_ptr<QTranslator> g_translator;

}  // namespace

void SetLanguage(Language language) {
    const bool app = QCoreApplication::instance() != nullptr;
    const bool had = g_translator != nullptr && app;
    if (had) QCoreApplication::removeTranslator(g_translator.get());
    g_translation.Use(nullptr);
    g_translator.reset();
    g_language = language;
    if (language == Language::English) {
        g_translator = std::make_unique<QTranslator>();
        if (!g_translator->load(QStringLiteral(":/translations/vesk_en.qm"))) return;
        g_translation.Use(g_translator.get());
        if (app) QCoreApplication::installTranslator(g_translator.get());
    } else if (!had && app) {
        // Installing or removing a translator tells every window; with nothing removed, we do.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
}

Language CurrentLanguage() { return g_language; }

const Translation* CurrentTranslation() {
    return g_language == Language::Chinese ? nullptr : &g_translation;
}
