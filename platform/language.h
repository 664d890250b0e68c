#pragma once
// The class's language: Chinese, the texts as they are written in the code and the forms, or
// English, from Qt's translation of them (res/translations/vesk_en.ts).
#include <optional>
#include <string_view>

#include "text/translation.h"

// Installs the translation of `language` in the application in place of the previous one. Every
// window hears of it (QEvent::LanguageChange) and redraws itself in the new language.
void SetLanguage(Language language);
Language CurrentLanguage();

// The texts the core draws, in the current language: nullptr for Chinese.
const Translation* CurrentTranslation();
