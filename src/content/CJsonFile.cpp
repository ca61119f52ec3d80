#include "content/CJsonFile.h"

#include <json/reader.h>
#include <json/writer.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace lumicord {

bool CJsonFile::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        m_lastError = "cannot open " + path;
        return false;
    }
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (text.empty()) {
        m_lastError = "empty file " + path;
        return false;
    }
    Json::CharReaderBuilder builder;
    builder["collectComments"] = true;
    builder["stackLimit"] = 256;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    bool parsed = false;
    try {
        parsed = reader->parse(text.data(), text.data() + text.size(), &root, &errors);
    } catch (const Json::Exception& error) {
        errors = error.what();
    }
    if (!parsed) {
        m_lastError = errors;
        return false;
    }
    m_root = std::move(root);
    m_loaded = true;
    return true;
}

Json::Value& CJsonFile::Root() {
    if (!m_loaded) {
        m_root = Json::Value(Json::objectValue);
        m_loaded = true;
    }
    return m_root;
}

bool CJsonFile::Save(const std::string& path) const {
    if (!m_loaded)
        return false;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    builder["commentStyle"] = "All";
    builder["emitUTF8"] = true;
    std::string text = Json::writeString(builder, m_root) + "\n";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

} // namespace lumicord
