#include "app/LanguageTables.h"

#include "platform/CaseFolding.h"
#include "platform/SystemLocale.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::u16string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

} // namespace

std::u16string ApplyTranslationEscapes(std::u16string text) {
    ReplaceAll(text, u"\\r\\n", u"\r\n");
    ReplaceAll(text, u"\\n", u"\n");
    ReplaceAll(text, u"[~NullInfoChrys~]", u"");
    ReplaceAll(text, u"[~Null~]", u" ");
    return text;
}

void CLanguageTables::Initialise(const std::string& programDirectory) {
    Initialise(programDirectory, SystemLocaleId());
}

void CLanguageTables::Initialise(const std::string& programDirectory, unsigned localeId) {
    m_programDirectory = programDirectory;
    const std::string folder = m_programDirectory + "Languages/";
    const std::u16string name =
        ReadProfileString(folder + "Language.ini", u"LCID", Utf8ToUtf16(std::to_string(localeId)),
                          u"", kLanguageValueLimit);
    m_languageName = name.empty() ? "English" : Utf16ToUtf8(name);
    // A missing or empty file leaves an empty table: every text then stays in English.
    m_languageFile = folder + m_languageName + ".lng";
    m_table = CIniFile::Load(m_languageFile);
}

std::u16string CLanguageTables::TranslateText(const char16_t* text) const {
    if (text == nullptr)
        return {};
    return TranslateText(std::u16string_view(text));
}

std::u16string CLanguageTables::TranslateText(std::u16string_view text) const {
    std::u16string found =
        m_table.GetString(u"ProgramOutStr", ToLower(text), u"", kLanguageValueLimit);
    return ApplyTranslationEscapes(found.empty() ? std::u16string(text) : std::move(found));
}

CLanguageTables& CurrentLanguageTables() {
    static CLanguageTables tables;
    return tables;
}

std::u16string TranslateText(const char16_t* text) {
    return CurrentLanguageTables().TranslateText(text);
}

std::u16string TranslateText(std::u16string_view text) {
    return CurrentLanguageTables().TranslateText(text);
}

} // namespace lumicord
