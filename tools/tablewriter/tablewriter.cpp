// Writes the three start-up tables exactly as the game ships them:
//
//   tablewriter DIR [--categories FILE] [--texts FILE]
//
// resource.xml holds the built-in defaults; config.xml the defaults plus the game's company and
// product names; strings.xml the defaults, with the book's category titles taken from
// --categories (one title per line, in tab order) and single texts from --texts
// ("key = value" lines; "\n" in a value is a line break; lines starting with # are comments).
// DIR is created when missing.
#include "GAME/data/Config.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string Trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

bool ReadLines(const char* path, std::vector<std::string>& lines)
{
    std::ifstream in(path);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);) {
        line = Trim(line);
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return true;
}

std::string Unescape(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const char* dir = nullptr;
    ShippedTexts texts;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--categories" || a == "--texts") && i + 1 < argc) {
            std::vector<std::string> lines;
            if (!ReadLines(argv[++i], lines)) {
                std::fprintf(stderr, "tablewriter: cannot read %s\n", argv[i]);
                return 1;
            }
            if (a == "--categories") {
                texts.categories = lines;
                continue;
            }
            for (const std::string& line : lines) {
                const auto eq = line.find('=');
                if (eq == std::string::npos) {
                    std::fprintf(stderr, "tablewriter: %s: no \"key = value\": %s\n", argv[i], line.c_str());
                    return 1;
                }
                texts.texts.emplace_back(Trim(line.substr(0, eq)), Unescape(Trim(line.substr(eq + 1))));
            }
        } else if (!dir && !a.empty() && a[0] != '-') {
            dir = argv[i];
        } else {
            std::fprintf(stderr, "usage: tablewriter DIR [--categories FILE] [--texts FILE]\n");
            return 2;
        }
    }
    if (!dir) {
        std::fprintf(stderr, "usage: tablewriter DIR [--categories FILE] [--texts FILE]\n");
        return 2;
    }
    std::string error;
    if (!WriteShippedTables(dir, texts, &error)) {
        std::fprintf(stderr, "tablewriter: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
