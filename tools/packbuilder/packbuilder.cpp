// Writes a data pack: a ZIP archive whose members are encrypted with the traditional password
// scheme the game reads.
//
//   packbuilder [--password P] [--store] [--list FILE] OUTPUT [NAME=PATH | PATH]...
//
// A member is named NAME, or the file name of PATH. A list file holds one member a line, in the
// same two forms; empty lines and lines starting with '#' are skipped. Members keep the order
// given, which is the order the game's linear search walks.
#include <zip.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Member {
    std::string name;
    std::string path;
};

Member ParseMember(const std::string& arg)
{
    const auto eq = arg.find('=');
    if (eq != std::string::npos && eq > 0)
        return {arg.substr(0, eq), arg.substr(eq + 1)};
    const auto slash = arg.find_last_of('/');
    return {slash == std::string::npos ? arg : arg.substr(slash + 1), arg};
}

int Usage()
{
    std::fprintf(stderr, "usage: packbuilder [--password P] [--store] [--list FILE] OUTPUT [NAME=PATH | PATH]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string password;
    bool store = false;
    std::string output;
    std::vector<Member> members;

    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--password" && i + 1 < argc) {
            password = argv[++i];
        } else if (a == "--store") {
            store = true;
        } else if (a == "--list" && i + 1 < argc) {
            std::ifstream in(argv[++i]);
            if (!in) {
                std::fprintf(stderr, "packbuilder: cannot read list %s\n", argv[i]);
                return 1;
            }
            std::string line;
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                if (line.empty() || line[0] == '#')
                    continue;
                members.push_back(ParseMember(line));
            }
        } else if (!a.empty() && a[0] == '-') {
            return Usage();
        } else if (output.empty()) {
            output = a;
        } else {
            members.push_back(ParseMember(a));
        }
    }
    if (output.empty())
        return Usage();

    std::set<std::string> seen;
    for (const Member& m : members) {
        if (!seen.insert(m.name).second) {
            std::fprintf(stderr, "packbuilder: member %s given twice\n", m.name.c_str());
            return 1;
        }
    }

    int err = 0;
    zip_t* z = zip_open(output.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, err);
        std::fprintf(stderr, "packbuilder: cannot create %s: %s\n", output.c_str(), zip_error_strerror(&ze));
        zip_error_fini(&ze);
        return 1;
    }
    for (const Member& m : members) {
        zip_source_t* src = zip_source_file(z, m.path.c_str(), 0, -1);
        if (!src) {
            std::fprintf(stderr, "packbuilder: cannot read %s: %s\n", m.path.c_str(), zip_strerror(z));
            zip_discard(z);
            return 1;
        }
        const zip_int64_t idx = zip_file_add(z, m.name.c_str(), src, ZIP_FL_ENC_UTF_8);
        if (idx < 0) {
            std::fprintf(stderr, "packbuilder: cannot add %s: %s\n", m.name.c_str(), zip_strerror(z));
            zip_source_free(src);
            zip_discard(z);
            return 1;
        }
        const auto uidx = static_cast<zip_uint64_t>(idx);
        if (zip_set_file_compression(z, uidx, store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9) != 0
            || (!password.empty() && zip_file_set_encryption(z, uidx, ZIP_EM_TRAD_PKWARE, password.c_str()) != 0)) {
            std::fprintf(stderr, "packbuilder: cannot set up %s: %s\n", m.name.c_str(), zip_strerror(z));
            zip_discard(z);
            return 1;
        }
    }
    // libzip writes into a temporary file and renames it over OUTPUT only when all went well.
    if (zip_close(z) != 0) {
        std::fprintf(stderr, "packbuilder: cannot write %s: %s\n", output.c_str(), zip_strerror(z));
        zip_discard(z);
        return 1;
    }
    return 0;
}
