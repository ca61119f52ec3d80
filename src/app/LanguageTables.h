// Language tables: every text the program shows passes through TranslateText, which looks the
// English text up in the language file chosen from the system locale. The window, menu and
// combo-box translation of the UI is built on TranslateText alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/IniFile.h"

namespace lumicord {

constexpr std::size_t kLanguageValueLimit = 1022;

class CLanguageTables {
public:
    // Stores the program directory and makes the language of `localeId` (a Windows locale
    // number; the first form takes the system's) current. Runs at start-up, before any other
    // thread translates; afterwards the tables do not change and lookups are thread-safe.
    void Initialise(const std::string& programDirectory);
    void Initialise(const std::string& programDirectory, unsigned localeId);

    // Translation of `text` (or `text` itself without one), with the escapes applied.
    // A null text gives an empty text.
    std::u16string TranslateText(const char16_t* text) const;
    std::u16string TranslateText(std::u16string_view text) const;

    const std::string& LanguageName() const { return m_languageName; }
    const std::string& LanguageFilePath() const { return m_languageFile; }

private:
    std::string m_programDirectory;
    std::string m_languageName = "English";
    std::string m_languageFile;
    CIniFile m_table; // the current language file, parsed once
};

// The process's language tables; the application initialises them at start-up.
CLanguageTables& CurrentLanguageTables();

std::u16string TranslateText(const char16_t* text);
std::u16string TranslateText(std::u16string_view text);

// The escape table, applied in order: "\r\n" and "\n" written as text become line breaks,
// "[~NullInfoChrys~]" is removed and "[~Null~]" becomes one space.
std::u16string ApplyTranslationEscapes(std::u16string text);

} // namespace lumicord
