// Files and rows shared by the content tests.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "content/ConfigValueStu.h"

inline std::string ContentData(const std::string& name) {
    return std::string(LUMICORD_CONTENT_DATA) + "/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// A row with a value in every field the sheet can carry.
inline lumicord::config_value_stu FilledRow(int wanCount) {
    using lumicord::SetField;
    lumicord::config_value_stu row{};
    SetField(row.mac, "02:00:00:00:00:01");
    row.wanCount = wanCount;
    for (int e = 0; e < lumicord::kMaxWanEntries; ++e) {
        SetField(row.wanName[e], "wan" + std::to_string(e + 1));
        SetField(row.vid[e], std::to_string(101 + e));
        SetField(row.pppUser[e], "u" + std::to_string(e + 1));
        SetField(row.pppPassword[e], "p" + std::to_string(e + 1));
    }
    SetField(row.ssid5g, "S5");
    SetField(row.wlanPsk5g, "K5-12345");
    SetField(row.ssid24g, "S24");
    SetField(row.wlanPsk24g, "K24-1234");
    SetField(row.loid, "L9");
    SetField(row.loidPassword, "LP9");
    SetField(row.loginPassword, "G9");
    SetField(row.ploamPassword, "P9");
    return row;
}
