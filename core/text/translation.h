#pragma once
// The texts a picture draws, in the language of the class. Each text is written in the code in
// Chinese, marked with QT_TRANSLATE_NOOP(context, text) so that Qt's lupdate finds it, and looked
// up at draw time; without a translation the Chinese source is drawn.
#include <optional>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
// The core needs no Qt: the marker is only a name for lupdate to find.
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// The languages a class can be taught in: Chinese, the texts as written, or English.
enum class Language { Chinese, English };

// "zh" or "en"; nothing for anything else.
inline std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "zh") return Language::Chinese;
    if (code == "en") return Language::English;
    return std::nullopt;
}
inline const char* LanguageCode(Language language) {
    return language == Language::English ? "en" : "zh";
}

class Translation {
  public:
    virtual ~Translation() = default;
    // The text to show for `source`; empty when there is none.
    virtual std::string_view Text(std::string_view context, std::string_view source) const = 0;
};

// `source` in the language of `translation`, or `source` itself when there is no translation.
inline std::string_view Tr(const Translation* translation, std::string_view context,
                           std::string_view source) {
    if (translation == nullptr) return source;
    const std::string_view text = translation->Text(context, source);
    return text.empty() ? source : text;
}
