#pragma once
// Reading an XML file safely: only regular files of a sane size are parsed (a folder or a
// device in a file's place would otherwise ask for an absurd buffer).
#include <pugixml.hpp>

namespace ZEL {

pugi::xml_parse_result LoadXmlFile(pugi::xml_document& doc, const char* path,
                                   unsigned options = pugi::parse_default);

} // namespace ZEL
