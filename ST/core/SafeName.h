#pragma once
#include <string_view>

namespace ZEL {

// A name that can only ever mean one entry inside a known folder: valid UTF-8, not empty, not
// "." or "..", and without "/", "\" or control characters (C0, DEL and C1). Names that come from
// files or from the keyboard pass this check before any path is built from them.
bool IsPlainName(std::string_view s);

} // namespace ZEL
