#pragma once
// A game on a fresh user directory, started by its first timer tick.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/game/hra.h"
#include "engine/record/move_record.h"
#include "files/files.h"
#include "store/memory_word_store.h"
#include "support/game_driver.h"
#include "support/temp_dir.h"

namespace tb::test {

struct HerniStul {
    explicit HerniStul(std::vector<int> skript, int hracu = 2)
        : rnd(std::move(skript)),
          kurzor(slovnik.openCursor()),
          zapis(FileRoot(dir.path())),
          hra(s, ui, rnd, *kurzor, zapis) {
        std::filesystem::create_directories(dir.path() / "Data");
        dejVsechnaPismena(s);
        s.PocetHracu = hracu;
        const char* jmena[] = {"", "Eva", "Jan", "Olga", "Petr"};
        for (int p = 1; p <= kSeats; ++p) s.Hraci[p].Jmeno = jmena[p];
    }
    // The menu's hand-over: the next tick starts the game.
    void start() {
        s.Faze = Phase::NewGame;
        hra.NastavCasovac(true, 1);
        hra.frameTick();
    }
    // The player on move lays `kolik` tiles along the path and ends the move.
    void tah(int kolik) {
        polozPoCeste(s, kolik);
        hra.PrehazujClick();
    }
    std::string mainDat() const { return readFile(zapis.mainDat()); }

    GameState s;
    HerniUi ui;
    ScriptedRandom rnd;
    MemoryWordStore slovnik;
    std::unique_ptr<WordCursor> kurzor;
    TempDir dir;
    TZapis zapis;
    Hra hra;
};

}  // namespace tb::test
