#pragma once
// The texts a picture draws, in the language of the class. Each text is written in the code in
// Chinese, marked with QT_TRANSLATE_NOOP(context, text) so that Qt's lupdate finds it, and looked
// up at draw time; without a translation the Chinese source is drawn.
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
// The core needs no Qt: the marker is only a name for lupdate to find.
#define QT_TRANSLATE_NOOP(context, text) text
#endif

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
