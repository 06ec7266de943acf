// The move record reader of Data/main.dat (the first byte picks the seats):
// any bytes load or fail with FileError, and a failed record changes nothing.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "engine/game/tiles.h"
#include "engine/record/move_list.h"
#include "engine/record/move_record.h"
#include "files/files.h"
#include "fuzz_check.h"

namespace {

// A user directory of this process, removed at exit; every input is a file
// write, so it is kept in memory where there is a tmpfs.
struct UserDir {
    std::filesystem::path dir =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path()) /
        ("tb-fuzz-record-" + std::to_string(::getpid()));
    UserDir() { std::filesystem::create_directories(dir / "Data"); }
    ~UserDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

bool sameTiles(const tb::GameState& a, const tb::GameState& b) {
    return a.Zasobnik == b.Zasobnik && a.Pytel == b.Pytel && a.Vytazeno == b.Vytazeno &&
           a.NaTahu == b.NaTahu && a.SekundHry == b.SekundHry;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    if (size == 0) return 0;
    static const UserDir dir;
    TZapis zapis{FileRoot(dir.dir)};
    writeFileAtomic(zapis.mainDat(),
                    std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    GameState s;
    dejVsechnaPismena(s);
    s.PocetHracu = 2 + data[0] % 3;
    const int records = static_cast<int>(zapis.radky().size() / kRadkuZaznamu);
    for (int k = 1; k <= records + 1 && k <= 8; ++k) {
        s.CisloTahu = k;
        const GameState before = s;
        try {
            zapis.InitTah(s);
        } catch (const FileError&) {
            fuzz::require(sameTiles(s, before), "a bad record changed the game");
            continue;
        }
        fuzz::require(s.NaTahu >= 1 && s.NaTahu <= s.PocetHracu, "player on move not in play");
    }
    s.PosledniTah = records;
    s.Faze = Phase::Browse;
    try {
        seznamTahu(s, zapis);
    } catch (const FileError&) {
    }
    return 0;
}
