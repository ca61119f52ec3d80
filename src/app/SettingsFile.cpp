#include "app/SettingsFile.h"

#include "app/SettingValues.h"
#include "platform/IniFile.h"
#include "platform/TextConversion.h"

namespace lumicord {
namespace {

class CSettingReader {
public:
    explicit CSettingReader(const CIniFile& file) : m_file(file) {}

    std::u16string Text(std::u16string_view section, std::u16string_view key,
                        std::u16string_view defaultValue) const {
        return m_file.GetString(section, key, defaultValue, kSettingValueLimit);
    }
    void Color(std::u16string_view key, std::u16string_view defaultValue, ColorRef& color) const {
        ParseColor(Text(u"Color", key, defaultValue), color);
    }
    int Integer(std::u16string_view key, std::u16string_view defaultValue) const {
        return ParseProfileInteger(Text(u"Font", key, defaultValue));
    }

private:
    const CIniFile& m_file;
};

LogFontDescription MakeGridFont(int height, int weight, const std::u16string& face) {
    LogFontDescription font;
    font.height = height;
    font.weight = weight;
    font.face = std::u16string(CutUtf16(face, LogFontDescription::kMaxFaceLength));
    return font;
}

} // namespace

std::string SettingsFilePath(const std::string& programDirectory) {
    return programDirectory + "Setting.ini";
}

std::u16string ReadSettingValue(const std::string& programDirectory, std::u16string_view section,
                                std::u16string_view key, std::u16string_view defaultValue) {
    return ReadProfileString(SettingsFilePath(programDirectory), section, key, defaultValue,
                             kSettingValueLimit);
}

CSettings ReadSettings(const CIniFile& file) {
    const CSettingReader read(file);
    CSettings s; // every colour starts at 0, so one that does not parse stays black
    read.Color(u"ChildBkColor", u"255,255,255", s.childBkColor);
    s.fontName = read.Text(u"Font", u"FontName", u"Microsoft YaHei");
    read.Color(u"LineColor", u"215,215,215", s.lineColor);
    s.gridTitleFontWeight = read.Integer(u"GridTitleFontWeight", u"700");
    s.gridTitleFontHeight = read.Integer(u"GridTitleFontHeight", u"15");
    s.gridFontWeight = read.Integer(u"GridFontWeight", u"0");
    s.gridFontHeight = read.Integer(u"GridFontHeight", u"15");
    read.Color(u"GridTextColor", u"0,0,0", s.gridTextColor);
    read.Color(u"GridTitleTextColor", u"237,112,32", s.gridTitleTextColor);
    read.Color(u"GridTitleBkColor", u"186,199,231", s.gridTitleBkColor);

    s.gridTitleLogFont = MakeGridFont(s.gridTitleFontHeight, s.gridTitleFontWeight, s.fontName);
    s.gridBodyLogFont = MakeGridFont(s.gridFontHeight, s.gridFontWeight, s.fontName);
    s.gridBodyRowHeight = CSettings::kGridBodyRowHeight;
    return s;
}

CSettings ReadSettings(const std::string& programDirectory) {
    return ReadSettings(CIniFile::Load(SettingsFilePath(programDirectory)));
}

} // namespace lumicord
