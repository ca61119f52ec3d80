// The template file: layout, what loading a template does to the fields, what the user's own
// lines become on a save, and files that must not load.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "content/AntiTheftTemplate.h"
#include "content/CTemplateIni.h"

using namespace lumicord;

TEST(TemplateIni, SavesSortedSectionsAndKeysWithCrLfAndNoLockCode) {
    AntiTheftFields on;
    on.lockCode = on.confirmLockCode = u"never-stored";
    on.acName = u"AC-1";
    on.secondaryDns = u"1.1.1.1";
    AntiTheftFields off = on;
    off.switchOn = false;
    CTemplateIni ini;
    StoreTemplate(ini, "Office", on);
    StoreTemplate(ini, "Lab", off);
    const std::string expected =
        "[Lab]\r\nACName=\r\nPrimaryDns=\r\nSecondaryDns=\r\nSwitchOn=0\r\n"
        "\r\n"
        "[Office]\r\nACName=AC-1\r\nPrimaryDns=e.g. 8.8.8.8\r\n"
        "SecondaryDns=1.1.1.1\r\nSwitchOn=1\r\n\r\n";
    EXPECT_EQ(ini.Text(), expected);

    TempFolder folder;
    const std::string path = folder.Write("IniTemplate/Config.ini", "");
    ASSERT_TRUE(ini.SaveFile(path));
    CTemplateIni back;
    ASSERT_TRUE(back.LoadFile(path)) << back.ErrorText();
    EXPECT_EQ(back.Text(), expected);
    EXPECT_EQ(back.SectionNames(), (std::vector<std::string>{"Lab", "Office"}));

    AntiTheftFields page = on;
    LoadTemplate(back, "Lab", page);
    EXPECT_FALSE(page.switchOn);
    EXPECT_EQ(page.lockCode, u"");
    EXPECT_EQ(page.confirmLockCode, u"");
    EXPECT_EQ(page.acName, u"");
    EXPECT_EQ(page.primaryDns, u"");
    LoadTemplate(back, "Office", page);
    EXPECT_TRUE(page.switchOn);
    EXPECT_EQ(page.acName, u"AC-1");
    EXPECT_EQ(page.primaryDns, kDnsHint);
    EXPECT_EQ(page.secondaryDns, u"1.1.1.1");

    back.RemoveSection("Office");
    back.RemoveSection("office"); // names are exact
    EXPECT_EQ(back.SectionNames(), std::vector<std::string>{"Lab"});
}

TEST(TemplateIni, SwitchIsOnOnlyForExactlyOne) {
    const std::pair<const char*, bool> cases[] = {
        {"SwitchOn=1", true},    {"SwitchOn = 1 ", true},
        {"SwitchOn=0", false},   {"SwitchOn=11", false},
        {"SwitchOn=yes", false}, {"SwitchOn=", false},
        {"Switchon=1", false},   {"", false},
    };
    for (const auto& [line, on] : cases) {
        CTemplateIni ini;
        ASSERT_TRUE(ini.Parse(std::string("[t]\n") + line + "\n", "t"));
        AntiTheftFields fields;
        LoadTemplate(ini, "t", fields);
        EXPECT_EQ(fields.switchOn, on) << line;
    }
}

TEST(TemplateIni, KeepsTheUsersLinesWhereTheyStood) {
    const std::string file = "; templates of site 4\n"
                             "Owner=ops\n"
                             "\n"
                             "# the lab\n"
                             "[Zeta]\n"
                             "SwitchOn=1\n"
                             "; set by hand\n"
                             "  ACName =  zeta ac  \n"
                             "a line without equals\n"
                             "=no key\n"
                             "\n"
                             "[Alpha]\r\n"
                             "\tSwitchOn\t=\t0\r\n"
                             "SwitchOn=1\r\n"
                             "\n"
                             "; end";
    CTemplateIni ini;
    ASSERT_TRUE(ini.Parse(file, "t")) << ini.ErrorText();
    EXPECT_EQ(ini.GetValue("Zeta", "ACName", "-"), "zeta ac");
    EXPECT_EQ(ini.GetValue("Alpha", "SwitchOn", "-"), "1"); // the last one counts
    EXPECT_EQ(ini.GetValue("Zeta", "Owner", "-"), "-");     // above every section
    // The head stays on top; a comment block directly above a header moves with it, and
    // the other lines stay with their section.
    EXPECT_EQ(ini.Text(), "; templates of site 4\r\n"
                          "Owner=ops\r\n"
                          "\r\n"
                          "[Alpha]\r\n"
                          "SwitchOn=1\r\n"
                          "\r\n"
                          "; end\r\n"
                          "\r\n"
                          "# the lab\r\n"
                          "[Zeta]\r\n"
                          "; set by hand\r\n"
                          "ACName=zeta ac\r\n"
                          "SwitchOn=1\r\n"
                          "a line without equals\r\n"
                          "=no key\r\n"
                          "\r\n");
    CTemplateIni again;
    ASSERT_TRUE(again.Parse(ini.Text(), "t"));
    EXPECT_EQ(again.Text(), ini.Text()); // saving again changes nothing
}

TEST(TemplateIni, SavedTextReadsBackTheSame) {
    const std::string files[] = {
        // A key=value line above the first section stays on top, where it holds no value.
        "Owner=ops\n[Zeta]\nSwitchOn=1\n[Alpha]\n",
        // A leading U+FEFF that is not the file's own mark.
        "\xEF\xBB\xBF[b]\n\xEF\xBB\xBF; note\n[a]\n",
    };
    for (const std::string& file : files) {
        CTemplateIni ini;
        ASSERT_TRUE(ini.Parse(file, "t"));
        ini.SetValue("Alpha", "ACName", "x");
        CTemplateIni again;
        ASSERT_TRUE(again.Parse(ini.Text(), "t"));
        EXPECT_EQ(again.Text(), ini.Text()) << file;
        EXPECT_EQ(again.GetValue("Zeta", "Owner", "-"), "-");
        EXPECT_EQ(again.SectionNames(), ini.SectionNames());
    }
}

TEST(TemplateIni, FilesThatDoNotLoad) {
    TempFolder folder;
    struct Case {
        std::string bytes;
        std::string error; // the path follows
    };
    const Case cases[] = {
        {"[A]\nSwitchOn=1\n\n; again\n[B]\n[A]\n", "Duplicate section \"A\" found at line 6"},
        {"[A]\r\n[ A]\r\n[A ]\r\n[A]\r\n", "Duplicate section \"A\" found at line 4"},
        {std::string("[A]\nACName=a\0b\n", 13), "The template file is not a text file: "},
        {"[A]\nACName=\xC3\n", "The template file is not a text file: "},
        {"[A]\nACName=\xED\xA0\x80\n", "The template file is not a text file: "},
        {std::string(CTemplateIni::kMaxFileBytes + 1, ';'), "The template file is too large: "},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Write("t.ini", c.bytes);
        CTemplateIni ini;
        ini.SetValue("kept?", "k", "v");
        EXPECT_FALSE(ini.LoadFile(path));
        const std::string expected = c.error.ends_with(": ") ? c.error + path : c.error;
        EXPECT_EQ(ini.ErrorText(), expected);
        EXPECT_TRUE(ini.SectionNames().empty());
    }
    CTemplateIni ini;
    EXPECT_FALSE(ini.LoadFile(folder.Path() + "missing.ini"));
    EXPECT_EQ(ini.ErrorText(), "Cannot open file: " + folder.Path() + "missing.ini");
    EXPECT_FALSE(ini.LoadFile(folder.Path()));
    EXPECT_EQ(ini.ErrorText(), "Cannot open file: " + folder.Path());

    // A UTF-8 byte-order mark and an empty file are fine.
    ASSERT_TRUE(ini.LoadFile(folder.Write("bom.ini", "\xEF\xBB\xBF[\xE5\x8A\x9E]\nk=v\n")));
    EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"\xE5\x8A\x9E"});
    ASSERT_TRUE(ini.LoadFile(folder.Write("empty.ini", "")));
    EXPECT_TRUE(ini.SectionNames().empty());
}

TEST(TemplateIni, SaveFailuresAreReported) {
    TempFolder folder;
    CTemplateIni ini;
    ini.SetValue("T", "ACName", "two\nlines");
    const std::string path = folder.Write("t.ini", "[Old]\r\n");
    EXPECT_FALSE(ini.SaveFile(path));
    EXPECT_EQ(ini.ErrorText(), "A line break cannot be stored in the template T");
    CTemplateIni old;
    ASSERT_TRUE(old.LoadFile(path));
    EXPECT_EQ(old.SectionNames(), std::vector<std::string>{"Old"}); // the file is untouched

    ini.SetValue("T", "ACName", "one line");
    EXPECT_FALSE(ini.SaveFile(folder.Path() + "no/such/folder/t.ini"));
    EXPECT_EQ(ini.ErrorText(), "Cannot write file: " + folder.Path() + "no/such/folder/t.ini");
}
