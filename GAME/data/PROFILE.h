#pragma once
// The store of players. Every sub-folder of the game's per-user folder is a player, named as the
// folder; LC.pzl in that folder names the current one. The store finds or creates the current
// player at start-up, loads and saves its settings record (set.bin) and carries out what the
// player selection screen decides: select, add (a new name is selected) and delete.
#include "GAME/data/PUZZLE_PLAYER_PROFILE.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ZEL {
class JFONT;
}

namespace GAME {

// Longest player name, in bytes of UTF-8.
inline constexpr std::size_t kMaxPlayerNameBytes = 64;

// The one check for player names, typed or read from LC.pzl, made before any folder is created
// or removed: valid UTF-8, not empty, not "." or "..", no "/", "\" or control characters, at most
// kMaxPlayerNameBytes bytes.
bool IsValidPlayerName(std::string_view name);

class PROFILE {
public:
    // Start-up: the current player from LC.pzl (or the default player), its folder and its
    // settings. `font` is kept for the welcome line.
    explicit PROFILE(ZEL::JFONT* font = nullptr);
    PROFILE(const PROFILE&) = delete;
    PROFILE& operator=(const PROFILE&) = delete;

    // True when this start found neither LC.pzl nor any player folder: the selection screen
    // should be open when the main menu is first shown.
    bool FirstStart() const { return firstStart; }

    std::string GetProfileDir() const;
    std::string GetGameProfileDir() const { return gameProfileDir; }
    // The current player's folder, ending with "/".
    std::string GetPlayerDir() const { return PlayerDir(playerName); }
    // The named player's folder, ending with "/"; empty for a name the check refuses.
    std::string PlayerDir(std::string_view name) const;

    // Creates the current player's folder (and the folders above it). True when it exists.
    bool CreateProfileDir();
    // First start: the folders, the default player's folder and LC.pzl.
    bool CreateDefault();
    // Writes LC.pzl (atomically) with the current name and creates the player's folder.
    bool SetLastCharacter();
    // Reads LC.pzl into the current name. False when it is missing, unreadable or names no valid
    // player; the current name is then unchanged.
    bool GetLastCharacter();

    // Reads the current player's set.bin over the default record; a missing set.bin is written
    // with the defaults. The screen fields always come from game.xml. False when set.bin exists
    // but cannot be read: the defaults are used and SaveSettings leaves that file alone.
    bool LoadSettings();
    // Writes set.bin atomically and game.xml from the record's resolution. False when set.bin was
    // not written (no player folder, a write error, or an unreadable set.bin that is kept).
    bool SaveSettings();
    // The current player's record; the same object for the whole run.
    PUZZLE_PLAYER_PROFILE* GetSettings() { return settings.get(); }

    // The player folders, last listed first (folders whose names the check refuses are left out).
    std::vector<std::string> GetNames() const;
    // The named player's total points: from its set.bin, or the current record for the current
    // player; nullopt for another player without a readable set.bin.
    std::optional<std::uint32_t> GetScore4Player(const std::string& name) const;

    const std::string& GetPlayerName() const { return playerName; }
    const std::string& GetCurProfileName() const { return playerName; }
    ZEL::JFONT* GetFont() const { return font; }
    // chTEXT_DEFAULT_NAME, or the built-in "Игрок" when that text is no valid player name.
    static std::string DefaultName();

    // The selection screen's OK: `name` becomes the current player (its folder and set.bin are
    // made when new). False, with nothing changed, for a name the check refuses or one taken by
    // a file of the game folder (game.xml, LC.pzl).
    bool SelectPlayer(const std::string& name);
    // The selection screen's Delete: removes the named player's folder with everything in it,
    // then selects `thenSelect` (the default player when that is no valid name). Only a real
    // folder directly inside the game folder is ever removed; for a refused name or a symbolic
    // link nothing happens at all. True when the player's folder is gone (a deleted current
    // player that is selected again gets a new, empty folder).
    bool DeletePlayer(const std::string& name, const std::string& thenSelect);

private:
    // The default record in memory, and in set.bin when there is none yet (true when written).
    bool LoadDefaultSettings();
    bool CanBePlayer(const std::string& name) const;
    std::string SettingsPath() const { return GetPlayerDir() + "set.bin"; }
    PUZZLE_PLAYER_PROFILE DefaultRecord() const;
    void TakeScreenFromGame();

    std::string gameProfileDir;
    std::string playerName;
    std::unique_ptr<PUZZLE_PLAYER_PROFILE> settings;
    ZEL::JFONT* font = nullptr;
    bool firstStart = false;
    bool settingsUnreadable = false;  // set.bin exists but could not be read: never written over
};

} // namespace GAME
