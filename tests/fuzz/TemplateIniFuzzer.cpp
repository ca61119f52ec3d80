// Fuzz target: any bytes as the anti-theft template file. A file that loads must give every
// template to the page, and what a save would write must load back to the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "content/AntiTheftTemplate.h"
#include "content/CTemplateIni.h"

using namespace lumicord;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CTemplateIni ini;
    if (!ini.Parse(bytes, "fuzz")) {
        if (ini.ErrorText().empty() || !ini.SectionNames().empty())
            __builtin_trap();
        return 0;
    }
    const std::vector<std::string> names = ini.SectionNames();
    for (std::size_t i = 1; i < names.size(); ++i)
        if (!(names[i - 1] < names[i]))
            __builtin_trap();
    AntiTheftFields fields;
    for (const std::string& name : names)
        LoadTemplate(ini, name, fields);
    if (!names.empty()) {
        StoreTemplate(ini, names.front(), fields);
        ini.RemoveSection(names.back());
    }
    const std::string text = ini.Text();
    CTemplateIni again;
    if (!again.Parse(text, "again") || again.Text() != text ||
        again.SectionNames() != ini.SectionNames())
        __builtin_trap();
    return 0;
}
