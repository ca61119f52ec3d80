// One JSON document read with its comments and written back with the styled layout.
#pragma once

#include <json/value.h>

#include <string>

namespace lumicord {

class CJsonFile {
public:
    // Reads and parses `path` (comments collected); false when the file cannot be read, is
    // empty or does not parse.
    bool Load(const std::string& path);
    // The document root; an unloaded document becomes an empty object.
    Json::Value& Root();
    // Writes the styled text of the root to `path`; false when nothing is loaded or the file
    // cannot be written.
    bool Save(const std::string& path) const;

    bool Loaded() const { return m_loaded; }
    const std::string& LastError() const { return m_lastError; }

private:
    Json::Value m_root;
    bool m_loaded = false;
    std::string m_lastError;
};

} // namespace lumicord
