#pragma once

namespace GAME {

// The names the game ships under. The per-user folders are built from them, so they must never
// be empty: an empty name would put player folders straight into the user's data folder.
inline constexpr const char* kCompanyName = "Hearthlight";
inline constexpr const char* kProductName = "Jigsaw Table";

} // namespace GAME
