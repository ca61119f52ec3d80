#include "records/JetDialect.h"

#include "platform/CaseFolding.h"

#include <cctype>
#include <vector>

namespace lumicord {
namespace {
constexpr std::string_view kAutoIncrementKey = "INTEGER PRIMARY KEY AUTOINCREMENT";

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// One lexical piece of the statement: a word, a quoted text or identifier, blanks, or one
// other character.
struct Token {
    std::string_view text;
    bool word = false;
    bool blank = false;
};

std::vector<Token> Tokenise(std::string_view sql) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < sql.size()) {
        const std::size_t start = i;
        const char c = sql[i];
        Token token;
        if (IsWordChar(c)) {
            while (i < sql.size() && IsWordChar(sql[i]))
                ++i;
            token.word = true;
        } else if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i])) != 0)
                ++i;
            token.blank = true;
        } else if (c == '\'' || c == '"' || c == '[' || c == '`') {
            const char close = c == '[' ? ']' : c;
            ++i;
            while (i < sql.size()) {
                if (sql[i] == close) {
                    ++i;
                    // A doubled quote stands for itself inside the quoted text.
                    if (close != ']' && i < sql.size() && sql[i] == close) {
                        ++i;
                        continue;
                    }
                    break;
                }
                ++i;
            }
        } else {
            ++i;
        }
        token.text = sql.substr(start, i - start);
        tokens.push_back(token);
    }
    return tokens;
}

// Index of the first token from `from` that is not blank, or the token count.
std::size_t NextSolid(const std::vector<Token>& tokens, std::size_t from) {
    while (from < tokens.size() && tokens[from].blank)
        ++from;
    return from;
}

bool IsWordAt(const std::vector<Token>& tokens, std::size_t index, std::string_view word) {
    return index < tokens.size() && tokens[index].word &&
           EqualsIgnoringAsciiCase(tokens[index].text, word);
}
} // namespace

std::string TranslateJetSql(std::string_view sql) {
    // Only "create ..." and "delete ..." statements can hold a Jet form.
    std::size_t start = 0;
    while (start < sql.size() && std::isspace(static_cast<unsigned char>(sql[start])) != 0)
        ++start;
    const std::string_view head = sql.substr(start, 6);
    if (!EqualsIgnoringAsciiCase(head, "create") && !EqualsIgnoringAsciiCase(head, "delete"))
        return std::string(sql);
    const std::vector<Token> tokens = Tokenise(sql);
    const std::size_t first = NextSolid(tokens, 0);
    const std::size_t second = NextSolid(tokens, first + 1);
    std::size_t skipFrom = tokens.size();
    std::size_t skipTo = tokens.size();
    bool createTable = false;
    if (IsWordAt(tokens, first, "delete") && second < tokens.size() && tokens[second].text == "*" &&
        IsWordAt(tokens, NextSolid(tokens, second + 1), "from")) {
        skipFrom = second; // drop the "*" and the blanks after it
        skipTo = NextSolid(tokens, second + 1);
    } else if (IsWordAt(tokens, first, "create") && IsWordAt(tokens, second, "table")) {
        createTable = true;
    }
    std::string out;
    out.reserve(sql.size() + kAutoIncrementKey.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i >= skipFrom && i < skipTo)
            continue;
        if (createTable && tokens[i].word && EqualsIgnoringAsciiCase(tokens[i].text, "counter"))
            out.append(kAutoIncrementKey);
        else
            out.append(tokens[i].text);
    }
    return out;
}

} // namespace lumicord
