#include "app/LanguageTables.h"

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
    m_programDirectory = programDirectory;
    m_languageName = "English";
    m_languageFile = m_programDirectory + "Languages/" + m_languageName + ".lng";
}

std::u16string CLanguageTables::TranslateText(const char16_t* text) const {
    if (text == nullptr)
        return {};
    return TranslateText(std::u16string_view(text));
}

std::u16string CLanguageTables::TranslateText(std::u16string_view text) const {
    return ApplyTranslationEscapes(std::u16string(text));
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
