#include "GAME/data/ProgressFile.h"

#include "GAME/data/Config.h"
#include "GAME/data/PROFILE.h"
#include "GAME/data/TrophyRules.h"
#include "ST/core/Diag.h"
#include "ST/core/SafeName.h"
#include "ST/core/iFile.h"

#include <pugixml.hpp>

#include <climits>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace GAME {

namespace {

constexpr int kMostKeptCopies = 100;
constexpr std::uintmax_t kLargestFile = 64u << 20;  // some hundred thousand results

enum class FileKind { Missing, Regular, Other };

FileKind KindOf(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return FileKind::Missing;
    return S_ISREG(st.st_mode) ? FileKind::Regular : FileKind::Other;
}

std::string FormatTime(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0.0)
        seconds = 0.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", seconds);
    return buf;
}

double ParseTime(const char* text)
{
    if (!text || !*text)
        return 0.0;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || !std::isfinite(v) || v < 0.0 || v > static_cast<double>(INT_MAX))
        return 0.0;
    return v;
}

void AppendElement(pugi::xml_node root, const ProgressEntry& e)
{
    pugi::xml_node el = root.append_child("element");
    el.append_attribute("face") = e.face.c_str();
    el.append_attribute("score") = e.score;
    el.append_attribute("count") = e.count;
    el.append_attribute("rotata") = e.rotata;
    el.append_attribute("time") = FormatTime(e.time).c_str();
}

bool Save(const pugi::xml_document& doc, const std::string& path)
{
    std::ostringstream out;
    doc.save(out, "\t", pugi::format_indent, pugi::encoding_utf8);
    return ZEL::iFile::WriteFileAtomic(path, out.str());
}

// Renames a damaged file to the first free <path>.bad, <path>.bad2, ...; the new name, or empty.
std::string KeepBeside(const std::string& path)
{
    for (int n = 1; n <= kMostKeptCopies; ++n) {
        const std::string aside = path + ".bad" + (n == 1 ? "" : std::to_string(n));
        if (KindOf(aside) != FileKind::Missing)
            continue;
        if (std::rename(path.c_str(), aside.c_str()) == 0)
            return aside;
        return {};
    }
    return {};
}

enum class Loaded { Missing, Whole, Damaged, Unreadable };

// Parses the progress file into `doc`. Of a damaged file the document keeps what was parsed
// before the damage, less an element cut off inside its start tag.
Loaded LoadProgress(pugi::xml_document& doc, const std::string& path, std::string* why = nullptr)
{
    auto unreadable = [why](const std::string& reason) {
        if (why)
            *why = reason;
        return Loaded::Unreadable;
    };
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return Loaded::Missing;
    if (!S_ISREG(st.st_mode))
        return unreadable("no file");
    if (static_cast<std::uintmax_t>(st.st_size) > kLargestFile)
        return unreadable("too large");
    const std::optional<std::string> text = ZEL::iFile::ReadWholeFile(path);
    if (!text)
        return unreadable("cannot be opened");
    const pugi::xml_parse_result r = doc.load_buffer(text->data(), text->size());
    if (why)
        *why = r.description();
    if (r.status == pugi::status_out_of_memory)
        return Loaded::Unreadable;
    pugi::xml_node root = doc.child("root");
    if (!r && root) {
        const pugi::xml_node last = root.last_child();
        const std::ptrdiff_t start = last ? last.offset_debug() : -1;
        if (start >= 0 && r.offset >= start
            && text->find('>', static_cast<std::size_t>(start)) >= static_cast<std::size_t>(r.offset))
            root.remove_child(last);
    }
    return r && root ? Loaded::Whole : Loaded::Damaged;
}

} // namespace

std::string ProgressFileName()
{
    if (C_NAME_PROGRESS_FILE && ZEL::IsPlainName(C_NAME_PROGRESS_FILE))
        return C_NAME_PROGRESS_FILE;
    return "Progress.xml";
}

std::string ProgressFilePath(const std::string& playerDir) { return playerDir + ProgressFileName(); }

bool AppendProgress(const std::string& path, const ProgressEntry& entry)
{
    pugi::xml_document doc;
    std::string why;
    const Loaded loaded = LoadProgress(doc, path, &why);
    if (loaded == Loaded::Unreadable) {
        ZEL::Diag("result not recorded: " + path + " cannot be read (" + why + ")");
        return false;
    }
    if (loaded == Loaded::Damaged) {
        // Kept as it is; the new file starts from what could still be read.
        pugi::xml_document fresh;
        pugi::xml_node freshRoot = fresh.append_child("root");
        for (pugi::xml_node el : doc.child("root").children()) {
            if (el.type() == pugi::node_element)
                freshRoot.append_copy(el);
        }
        const std::string aside = KeepBeside(path);
        if (aside.empty()) {
            ZEL::Diag("result not recorded: the damaged " + path + " cannot be kept aside");
            return false;
        }
        ZEL::Diag(path + " was damaged (" + why + "); kept as " + aside);
        doc.reset(fresh);
    }
    pugi::xml_node root = doc.child("root");
    if (!root)
        root = doc.append_child("root");
    AppendElement(root, entry);
    if (!Save(doc, path)) {
        ZEL::Diag("result not recorded: " + path + " cannot be written");
        return false;
    }
    return true;
}

std::vector<ProgressEntry> ReadProgress(const std::string& path)
{
    std::vector<ProgressEntry> out;
    pugi::xml_document doc;
    if (LoadProgress(doc, path) == Loaded::Unreadable)
        return out;
    for (pugi::xml_node el : doc.child("root").children()) {
        if (el.type() != pugi::node_element)
            continue;
        ProgressEntry e;
        e.face = el.attribute("face").value();
        e.score = el.attribute("score").as_int();
        e.count = el.attribute("count").as_int();
        e.rotata = el.attribute("rotata").as_bool();
        e.time = ParseTime(el.attribute("time").value());
        out.push_back(std::move(e));
    }
    return out;
}

REG ScoreRow(const ProgressEntry& entry)
{
    REG r;
    r.score = entry.score;
    r.pieces = entry.count;
    const int t = WholeSeconds(entry.time);
    r.minutes = t / 60;
    r.seconds = t % 60;
    return r;
}

bool RecordCompletedPuzzle(PROFILE& profile, const ProgressEntry& entry, bool& recorded)
{
    if (recorded)
        return true;
    recorded = true;
    ZEL::Diag("Saving score...");
    const bool appended = AppendProgress(ProgressFilePath(profile.GetPlayerDir()), entry);
    const bool saved = profile.SaveSettings();
    return appended && saved;
}

bool HasProgress(const PROFILE& profile)
{
    return KindOf(ProgressFilePath(profile.GetPlayerDir())) == FileKind::Regular;
}

} // namespace GAME
