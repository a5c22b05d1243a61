#include "ST/core/XmlFile.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace ZEL {

pugi::xml_parse_result LoadXmlFile(pugi::xml_document& doc, const char* path, unsigned options) {
    pugi::xml_parse_result fail;
    fail.status = pugi::status_file_not_found;
    doc.reset();
    if (!path) return fail;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return fail;
    const auto size = std::filesystem::file_size(path, ec);
    constexpr std::uintmax_t kMax = 64u << 20;
    if (ec || size > kMax) {
        fail.status = pugi::status_io_error;
        return fail;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        fail.status = pugi::status_io_error;
        return fail;
    }
    return doc.load_buffer(bytes.data(), bytes.size(), options);
}

} // namespace ZEL
