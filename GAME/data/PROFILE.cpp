#include "GAME/data/PROFILE.h"

#include "GAME/data/Config.h"
#include "ST/core/Diag.h"
#include "ST/core/ST_GAME.h"
#include "ST/core/SafeName.h"
#include "ST/core/iFile.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>

namespace GAME {

namespace {

constexpr const char* kLastCharacterFile = "LC.pzl";
constexpr const char* kBuiltInDefaultName = "Игрок";

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool MakeDirs(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec && !IsDirectory(path)) {
        ZEL::Diag("cannot create " + path + ": " + ec.message());
        return false;
    }
    return IsDirectory(path);
}

// At most `limit` + 1 bytes: enough to tell an over-long name, never a whole stray file.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t limit)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string out(limit + 1, '\0');
    const std::size_t n = std::fread(out.data(), 1, out.size(), f);
    const bool bad = std::ferror(f) != 0;
    std::fclose(f);
    if (bad)
        return std::nullopt;
    out.resize(n);
    return out;
}

} // namespace

bool IsValidPlayerName(std::string_view name)
{
    return name.size() <= kMaxPlayerNameBytes && ZEL::IsPlainName(name);
}

std::string PROFILE::DefaultName()
{
    if (chTEXT_DEFAULT_NAME && IsValidPlayerName(chTEXT_DEFAULT_NAME))
        return chTEXT_DEFAULT_NAME;
    return kBuiltInDefaultName;
}

PROFILE::PROFILE(ZEL::JFONT* f)
    : gameProfileDir(ZEL::GetGame()->GetGameProfileDirg()), playerName(DefaultName()),
      settings(std::make_unique<PUZZLE_PLAYER_PROFILE>(DefaultRecord())), font(f)
{
    ZEL::Diag("Profile start");
    const bool haveLast = GetLastCharacter();
    if (!haveLast && GetNames().empty()) {
        // Neither a last player nor any player folder: the game runs here for the first time.
        // (The engine has made the game folder already, for game.xml.)
        ZEL::Diag("FirstTimeStart " + playerName);
        firstStart = true;
        CreateDefault();
        return;
    }
    if (!haveLast) {
        // The default player takes over; a record it already has is read, never replaced.
        ZEL::Diag("Character invalid");
        playerName = DefaultName();
        SetLastCharacter();
    } else if (!IsDirectory(GetPlayerDir())) {
        ZEL::Diag("Character folder not exist");
        CreateProfileDir();
    }
    LoadSettings();
    ZEL::Diag("PROFILE::PROFILE end " + std::to_string(settings->totalPieces));
}

std::string PROFILE::GetProfileDir() const { return ZEL::GetGame()->GetProfileDirg(); }

std::string PROFILE::PlayerDir(std::string_view name) const
{
    if (!IsValidPlayerName(name))
        return {};
    return gameProfileDir + std::string(name) + "/";
}

PUZZLE_PLAYER_PROFILE PROFILE::DefaultRecord() const
{
    PUZZLE_PLAYER_PROFILE p = NewPlayerRecord(0, false);
    const ZEL::ST_GAME* game = ZEL::GetGame();
    p.screen = game->pixelCount == game->desktop.x * game->desktop.y ? 0 : game->pixelCount;
    p.fullScreen = game->fullScreenConfig;
    return p;
}

void PROFILE::TakeScreenFromGame()
{
    const PUZZLE_PLAYER_PROFILE d = DefaultRecord();
    settings->screen = d.screen;
    settings->fullScreen = d.fullScreen;
}

bool PROFILE::CreateProfileDir()
{
    const std::string dir = GetPlayerDir();
    if (dir.empty() || !MakeDirs(gameProfileDir))
        return false;
    std::error_code ec;
    std::filesystem::create_directory(dir, ec);
    if (!IsDirectory(dir)) {
        ZEL::Diag("cannot create the player folder " + dir);
        return false;
    }
    ZEL::ifile.Log(dir.c_str(), true);
    return true;
}

bool PROFILE::CreateDefault()
{
    const bool folders = MakeDirs(GetProfileDir()) && MakeDirs(gameProfileDir);
    return folders && SetLastCharacter();
}

bool PROFILE::SetLastCharacter()
{
    if (!IsValidPlayerName(playerName) || !MakeDirs(gameProfileDir))
        return false;
    const bool written = ZEL::iFile::WriteFileAtomic(gameProfileDir + kLastCharacterFile, playerName);
    const bool folder = IsDirectory(GetPlayerDir()) || CreateProfileDir();
    return written && folder;
}

bool PROFILE::CanBePlayer(const std::string& name) const
{
    // A valid name that is taken by a file of the game (game.xml, LC.pzl) names no player.
    const std::string dir = PlayerDir(name);
    return !dir.empty() && (!Exists(gameProfileDir + name) || IsDirectory(gameProfileDir + name));
}

bool PROFILE::GetLastCharacter()
{
    const std::optional<std::string> text = ReadSmallFile(gameProfileDir + kLastCharacterFile, kMaxPlayerNameBytes);
    if (!text)
        return false;
    if (!CanBePlayer(*text)) {
        ZEL::Diag("LC.pzl names no valid player; it is not used");
        return false;
    }
    playerName = *text;
    ZEL::Diag("Readed last character is " + playerName);
    return true;
}

bool PROFILE::LoadSettings()
{
    const std::string path = SettingsPath();
    settingsUnreadable = false;
    bool ok = true;
    if (!Exists(path)) {
        ZEL::Diag("File not exist " + path);
        LoadDefaultSettings();
    } else if (std::optional<PUZZLE_PLAYER_PROFILE> rec = ReadPlayerRecord(path.c_str(), DefaultRecord())) {
        *settings = *rec;
    } else {
        ZEL::Diag(path + " cannot be read; the defaults are used and the file is kept as it is");
        *settings = DefaultRecord();
        settingsUnreadable = true;
        ok = false;
    }
    // game.xml is the master copy of the resolution.
    TakeScreenFromGame();
    return ok;
}

bool PROFILE::LoadDefaultSettings()
{
    *settings = DefaultRecord();
    const std::string path = SettingsPath();
    ZEL::Diag("Loading default settings " + path);
    const bool ok = !Exists(path) && SavePlayerRecord(path.c_str(), *settings);
    ZEL::ST_GAME* game = ZEL::GetGame();
    game->CreateConfig(game->resX, game->resY, settings->fullScreen, false);
    return ok;
}

bool PROFILE::SaveSettings()
{
    const std::string path = SettingsPath();
    if (settingsUnreadable) {
        ZEL::Diag("Not saving " + path + ": the file there could not be read and is kept");
        return false;
    }
    ZEL::Diag("Saving " + path);
    const bool ok = IsDirectory(GetPlayerDir()) && SavePlayerRecord(path.c_str(), *settings);
    if (!ok)
        ZEL::Diag("cannot save " + path);

    ZEL::ST_GAME* game = ZEL::GetGame();
    int w = game->resX, h = game->resY;
    switch (settings->screen) {
    case 786432: w = 1024; h = 768; break;
    case 1296000: w = 1440; h = 900; break;
    case 2073600: w = 1920; h = 1080; break;
    case 0:
        w = game->desktop.x;
        h = game->desktop.y;
        settings->fullScreen = true;
        break;
    default: settings->fullScreen = game->fullScreenConfig; break;
    }
    game->CreateConfig(w, h, settings->fullScreen, false);
    if (ok)
        ZEL::Diag("Saved " + path);
    return ok;
}

std::vector<std::string> PROFILE::GetNames() const
{
    std::vector<std::string> names;
    ZEL::DirList* head = ZEL::ifile.FindDir(gameProfileDir.c_str(), "*", 1);
    for (const ZEL::DirList* n = head; n; n = n->next) {
        if (IsValidPlayerName(n->name))
            names.push_back(n->name);
    }
    delete head;
    return names;
}

std::optional<std::uint32_t> PROFILE::GetScore4Player(const std::string& name) const
{
    const std::string dir = PlayerDir(name);
    if (dir.empty())
        return std::nullopt;
    const std::string path = dir + "set.bin";
    if (name != playerName && Exists(path)) {
        if (std::optional<PUZZLE_PLAYER_PROFILE> rec = ReadPlayerRecord(path.c_str(), NewPlayerRecord(0, false)))
            return rec->totalScore;
        return std::nullopt;
    }
    if (name == playerName)
        return settings->totalScore;
    return std::nullopt;
}

bool PROFILE::SelectPlayer(const std::string& name)
{
    if (!CanBePlayer(name)) {
        ZEL::Diag("refused player name of " + std::to_string(name.size()) + " bytes");
        return false;
    }
    ZEL::Diag("manager send new name " + name);
    playerName = name;
    const bool remembered = SetLastCharacter();
    const bool loaded = LoadSettings();
    return remembered && loaded;
}

bool PROFILE::DeletePlayer(const std::string& name, const std::string& thenSelect)
{
    const std::string dir = PlayerDir(name);
    if (dir.empty() || gameProfileDir.empty()) {
        ZEL::Diag("refused to delete a player of " + std::to_string(name.size()) + " bytes");
        return false;
    }
    const std::string path = gameProfileDir + name;
    if (Exists(path)) {
        if (!IsDirectory(path)) {
            ZEL::Diag("refused to delete " + path + ": not a folder");
            return false;
        }
        ZEL::Diag("DELETING " + path);
        if (!ZEL::ifile.DirDel(path.c_str()))
            ZEL::Diag("could not delete all of " + path);
    }
    const bool gone = !Exists(path);
    SelectPlayer(CanBePlayer(thenSelect) ? thenSelect : DefaultName());
    return gone;
}

} // namespace GAME
