#pragma once
#include <QString>

namespace zemtar {

// The user-interface language. The application decides it once at start-up and hands it
// to every function that produces or reads a user-visible text.
enum class Language { English, Chinese };

// The text of a language from its English and Chinese forms (UTF-8).
inline QString pick(Language lang, const char* en, const char* zh)
{
    return QString::fromUtf8(lang == Language::Chinese ? zh : en);
}

} // namespace zemtar
