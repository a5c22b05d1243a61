#pragma once
#include <string_view>

namespace ZEL {

// The diagnostic stream: short lines on standard output that tell what the game is doing and
// why something was refused. Nothing reads them back; tests may silence or capture them.
void Diag(std::string_view line);

using DiagSink = void (*)(std::string_view line);
// Replaces where the lines go (nullptr restores standard output). Returns the previous sink.
DiagSink SetDiagSink(DiagSink sink);

} // namespace ZEL
