// The anti-theft command's bytes, and that control characters in a field still give JSON the
// device can read back to the same text.
#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>

#include "content/AntiTheftCommand.h"
#include "platform/TextConversion.h"

using namespace lumicord;

TEST(AntiTheftCommand, ExactBytes) {
    AntiTheftFields f;
    f.lockCode = f.confirmLockCode = u"Lock-9";
    f.acName = u"AC Name";
    f.primaryDns = u"8.8.8.8 ";
    EXPECT_EQ(BuildAntiTheftCommand(f),
              R"({"Lockcode":"Lock-9","Enable":"1","ACName":"AC Name","DNS1":"8.8.8.8 ",)"
              R"("DNS2":"0.0.0.0"})");

    // With the switch off the other edits are not read.
    f.switchOn = false;
    EXPECT_EQ(
        BuildAntiTheftCommand(f),
        R"({"Lockcode":"Lock-9","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})");

    f.lockCode = u"ab\tc";
    EXPECT_EQ(BuildAntiTheftCommand(f),
              R"({"Lockcode":"ab\tc","Enable":"0","ACName":"","DNS1":"0.0.0.0","DNS2":"0.0.0.0"})");

    f.switchOn = true;
    f.lockCode = u"\u9501";
    f.acName = u"a\r\n\x01\x1f\x7f";
    f.secondaryDns = u"::1";
    EXPECT_EQ(BuildAntiTheftCommand(f), "{\"Lockcode\":\"\xE9\x94\x81\",\"Enable\":\"1\","
                                        "\"ACName\":\"a\\r\\n\\u0001\\u001f\x7f\","
                                        "\"DNS1\":\"8.8.8.8 \",\"DNS2\":\"::1\"}");
}

TEST(AntiTheftCommand, EveryControlCharacterReadsBack) {
    Json::CharReaderBuilder builder;
    builder["strictRoot"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    for (char16_t c = 0; c < 0x20; ++c) {
        AntiTheftFields f;
        f.lockCode = std::u16string(u"x") + c + u"y";
        f.acName = std::u16string(1, c) + u"\u00e9";
        f.primaryDns = u"1.1.1.1";
        const std::string command = BuildAntiTheftCommand(f);
        Json::Value root;
        std::string errors;
        ASSERT_TRUE(reader->parse(command.data(), command.data() + command.size(), &root, &errors))
            << static_cast<int>(c) << ": " << command << " " << errors;
        EXPECT_EQ(root["Lockcode"].asString(), Utf16ToUtf8(f.lockCode)) << static_cast<int>(c);
        EXPECT_EQ(root["ACName"].asString(), Utf16ToUtf8(f.acName)) << static_cast<int>(c);
        EXPECT_EQ(root["DNS2"].asString(), "0.0.0.0");
    }
}

TEST(AntiTheftCommand, EscapesOnlyWhatJsonRequires) {
    EXPECT_EQ(JsonStringEscape("a\"b\\c/d\x7f\xC3\xA9\b\f"), "a\\\"b\\\\c/d\x7f\xC3\xA9\\b\\f");
    EXPECT_EQ(JsonStringEscape(std::string("\0z", 2)), "\\u0000z");
}
