#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/SystemLocale.h"

using namespace lumicord;

TEST(SystemLocale, PosixNamesMapToWindowsLocaleNumbers) {
    struct Case {
        const char* name;
        unsigned id;
    } const cases[] = {
        {"en_US.UTF-8", 1033},
        {"en_GB.UTF-8", 2057},
        {"zh_CN.UTF-8", 2052},
        {"zh_TW.UTF-8", 1028},
        {"zh_HK", 3076},
        {"de_DE@euro", 1031},
        {"fr_FR.UTF-8", 1036},
        {"es_ES.UTF-8", 3082},
        {"pt_BR.UTF-8", 1046},
        {"pt_PT", 2070},
        {"it_IT", 1040},
        {"ru_RU.KOI8-R", 1049},
        {"ja_JP.eucJP", 1041},
        {"ko_KR.UTF-8", 1042},
        // Unknown or missing territory: the language's primary locale.
        {"de_BE", 1031},
        {"zh", 2052},
        {"pt", 1046},
        {"en_XX", 1033},
        // No language to speak of: English (United States).
        {"C", 1033},
        {"C.UTF-8", 1033},
        {"POSIX", 1033},
        {"", 1033},
        {"xx_YY", 1033},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocaleIdFromPosixName(c.name), c.id) << c.name;
}

TEST(SystemLocale, LcAllThenLcMessagesThenLang) {
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
    ::setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(SystemLocaleId(), 1041u); // an empty LC_ALL counts as unset
    ::setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(SystemLocaleId(), 2052u);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    EXPECT_EQ(SystemLocaleId(), 1031u);
    ::unsetenv("LANG");
    EXPECT_EQ(SystemLocaleId(), 1033u);
}
