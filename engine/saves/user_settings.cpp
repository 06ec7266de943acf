#include "engine/saves/user_settings.h"

#include <limits>

#include "files/file_lines.h"

namespace tb {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
// Ten short lines; anything near this size is not a settings file.
constexpr uint64_t kMaxUserDat = 4096;

// Name + ";" + flag. The reader does not look for the ";": it drops the last
// two characters, so a name may hold ";" itself.
void readSeat(LineReader& r, std::string& jmeno, int32_t& pc) {
    const std::string& line = r.text();
    if (line.size() < 2) r.failHere("a seat line is name;flag");
    const char flag = line.back();
    // 2 is the master; a file of an older game knows only 0 and 1.
    if (flag < '0' || flag > '2') r.failHere("the seat flag is 0, 1 or 2");
    if (line.size() - 2 > kDelkaJmena) r.failHere("the name is too long");
    jmeno = line.substr(0, line.size() - 2);
    pc = flag - '0';
}

// The options' lines after the ten: name, then the member it sets.
constexpr std::pair<const char*, bool Volby::*> kVolby[] = {
    {"Nahled", &Volby::NahledTahu},
    {"RychleAnimace", &Volby::RychleAnimace},
    {"SkrytPC", &Volby::SkrytPC},
    {"SkrytOstatni", &Volby::SkrytOstatni},
};

// Lines of later versions that this one does not know are passed over.
Volby readVolby(LineReader& r) {
    Volby v;
    while (!r.atEnd()) {
        const std::string& line = r.text();
        for (const auto& [jmeno, clen] : kVolby)
            if (line == std::string(jmeno) + "=0" || line == std::string(jmeno) + "=1")
                v.*clen = line.back() == '1';
    }
    return v;
}

}  // namespace

void parseUserData(std::string_view bytes, const std::string& name, UserSettings& nast,
                   bool& zvukyZap) {
    LineReader r(splitLines(bytes), name);
    UserSettings n = nast;
    n.HlasitostHudby = r.number(0, 255);
    const bool zvuky = r.number(kMin, kMax) != 0;
    n.PocetPisni = r.number(0, 20);
    n.NastHracu = r.number(2, kSeats);
    for (int p = 1; p <= kSeats; ++p) readSeat(r, n.MJmeno[p], n.NastPC[p]);
    n.NastMinPismen = r.number(2, 5);
    n.NastLimit = r.number(0, 300);
    // The setup steps the limit by 30 and shows it as picture NastLimit / 30.
    if (n.NastLimit % 30 != 0) r.failHere("the time limit goes in steps of 30");
    n.volby = readVolby(r);
    nast = std::move(n);
    zvukyZap = zvuky;
}

std::string formatUserData(const UserSettings& nast, bool zvukyZap) {
    std::vector<std::string> lines = {
        std::to_string(nast.HlasitostHudby),
        zvukyZap ? "1" : "0",
        std::to_string(nast.PocetPisni),
        std::to_string(nast.NastHracu),
    };
    for (int p = 1; p <= kSeats; ++p)
        lines.push_back(oneLine(nast.MJmeno[p]) + ";" + std::to_string(nast.NastPC[p]));
    lines.push_back(std::to_string(nast.NastMinPismen));
    lines.push_back(std::to_string(nast.NastLimit));
    for (const auto& [jmeno, clen] : kVolby)
        lines.push_back(std::string(jmeno) + (nast.volby.*clen ? "=1" : "=0"));
    return joinLines(lines);
}

NactenaNastaveni LoadUserData(UserSettings& nast, GameState& s, const FileRoot& user,
                              int musicTracks) {
    const fs::path path = user.resolve(kUserDat);
    NactenaNastaveni out;
    try {
        parseUserData(readFile(path, kMaxUserDat), kUserDat, nast, s.ZvukyZap);
        out.pouzit = true;
        return out;
    } catch (const FileError& e) {
        parseUserData(defaultUserDat(musicTracks), "default settings", nast, s.ZvukyZap);
        if (!existsAtAll(path)) return out;
        const std::string proc = std::string("\n(") + e.what() + ")";
        try {
            const fs::path kam = setAside(path);
            out.upozorneni = "Nastavení nelze přečíst, platí výchozí.\nSoubor je uschován jako " +
                             kam.filename().string() + "." + proc;
        } catch (const FileError&) {
            nast.souborNecitelny = true;
            out.upozorneni = "Nastavení nelze přečíst, platí výchozí.\nSoubor se nepřepíše." + proc;
        }
    }
    return out;
}

void SaveUserData(const UserSettings& nast, const GameState& s, const FileRoot& user) {
    const fs::path path = user.resolve(kUserDat);
    if (nast.souborNecitelny)
        throw FileError("Nastavení se neuloží: soubor " + path.string() +
                        " nelze přečíst, a proto se nepřepíše.");
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    writeFileAtomic(path, formatUserData(nast, s.ZvukyZap));
}

}  // namespace tb
