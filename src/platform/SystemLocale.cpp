#include "platform/SystemLocale.h"

#include <cstdlib>

namespace lumicord {
namespace {

struct LocaleEntry {
    std::string_view language;
    std::string_view territory;
    unsigned id;
};

// The first entry of each language is its primary locale.
constexpr LocaleEntry kLocales[] = {
    {"en", "US", 1033},  {"en", "GB", 2057}, {"en", "AU", 3081},  {"en", "CA", 4105},
    {"en", "NZ", 5129},  {"en", "IE", 6153}, {"en", "ZA", 7177},  {"en", "IN", 16393},
    {"zh", "CN", 2052},  {"zh", "TW", 1028}, {"zh", "HK", 3076},  {"zh", "SG", 4100},
    {"zh", "MO", 5124},  {"de", "DE", 1031}, {"de", "CH", 2055},  {"de", "AT", 3079},
    {"de", "LU", 4103},  {"de", "LI", 5127}, {"fr", "FR", 1036},  {"fr", "BE", 2060},
    {"fr", "CA", 3084},  {"fr", "CH", 4108}, {"fr", "LU", 5132},  {"es", "ES", 3082},
    {"es", "MX", 2058},  {"es", "CO", 9226}, {"es", "AR", 11274}, {"es", "CL", 13322},
    {"es", "US", 21514}, {"pt", "BR", 1046}, {"pt", "PT", 2070},  {"it", "IT", 1040},
    {"it", "CH", 2064},  {"ru", "RU", 1049}, {"ja", "JP", 1041},  {"ko", "KR", 1042},
    {"nl", "NL", 1043},  {"nl", "BE", 2067}, {"pl", "PL", 1045},  {"tr", "TR", 1055},
    {"cs", "CZ", 1029},  {"sv", "SE", 1053}, {"da", "DK", 1030},  {"fi", "FI", 1035},
    {"nb", "NO", 1044},  {"no", "NO", 1044}, {"el", "GR", 1032},  {"hu", "HU", 1038},
    {"uk", "UA", 1058},  {"ar", "SA", 1025}, {"he", "IL", 1037},  {"th", "TH", 1054},
    {"vi", "VN", 1066},  {"id", "ID", 1057},
};

} // namespace

unsigned LocaleIdFromPosixName(std::string_view name) {
    // language[_territory][.codeset][@modifier]
    name = name.substr(0, name.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory =
        underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
    unsigned primary = 0;
    for (const LocaleEntry& entry : kLocales) {
        if (entry.language != language)
            continue;
        if (entry.territory == territory)
            return entry.id;
        if (primary == 0)
            primary = entry.id;
    }
    return primary != 0 ? primary : kLocaleEnglishUs;
}

unsigned SystemLocaleId() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LocaleIdFromPosixName(value);
    }
    return kLocaleEnglishUs;
}

} // namespace lumicord
