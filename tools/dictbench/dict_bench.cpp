// Speed and size of the word store on the shipped word list:
//   tb-dictbench [--benchmark_...]   (the list must have been built first)
// Lookup is what the computer player asks hundreds of thousands of times per
// move; OpenReady is the start-up cost; IndexMemory the resident size the
// store adds by a million lookups; MovePreview what the game screen pays for every tile laid or
// lifted.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/game/move_preview.h"
#include "engine/game/tiles.h"
#include "files/text.h"
#include "store/sqlite_db.h"
#include "store/sqlite_word_store.h"

namespace {

const tb::FileRoot kInstall{TB_ROOT_DIR};

// An empty user directory, so the player's own changes play no part.
const tb::FileRoot& userDir() {
    static const tb::FileRoot dir = [] {
        auto path = tb::fs::temp_directory_path() / ("tb-dictbench-" + std::to_string(getpid()));
        tb::fs::create_directories(path);
        return tb::FileRoot(path);
    }();
    return dir;
}

double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Queries in random order: `hitPercent` of them words of the list, the rest
// words with one letter changed or added (almost all of them misses, as most
// of the computer player's arrangements are).
std::vector<std::string> queries(int hitPercent) {
    tb::SqliteDb db(kInstall.resolve(tb::SqliteWordStore::kShippedName),
                    tb::SqliteDb::Mode::ReadOnly);
    auto rows = db.prepare("SELECT Cesky FROM Slovnik");
    std::vector<std::string> words;
    while (rows.step()) words.push_back(tb::utf8ToCp1250(rows.column(0)));
    std::mt19937 random(7);
    std::vector<std::string> out;
    for (int i = 0; i < (1 << 20); ++i) {
        std::string w = words[random() % words.size()];
        if (static_cast<int>(random() % 100) >= hitPercent) {
            const char letter = "aeiouklmnprstvz"[random() % 15];
            if (random() % 2)
                w += letter;
            else
                w[random() % w.size()] = letter;
        }
        out.push_back(std::move(w));
    }
    return out;
}

// "kolo" fixed across the centre; "kos" laid down from its k, and "od" both
// across and down: three words, scored.
void MovePreview(benchmark::State& state) {
    tb::SqliteWordStore store(kInstall, userDir());
    auto cursor = store.openCursor();
    cursor->Lookup("a");  // waits for the index
    tb::GameState s;
    tb::dejVsechnaPismena(s);
    tb::InitBodovanePole(s);
    s.MinPismen = 2;
    s.PrvniTah = false;
    std::vector<bool> used(tb::kTiles + 1);
    auto lay = [&](int x, int y, char letter, bool fixed) {
        int t = 1;
        while (used[t] || s.Kameny[t].Pismeno[0] != letter) ++t;
        used[t] = true;
        (fixed ? s.Pole[x][y].Pevny : s.Pole[x][y].Novy) = t;
    };
    for (int i = 0; i < 4; ++i) lay(6 + i, 8, "kolo"[i], true);
    lay(6, 9, 'o', false);
    lay(6, 10, 's', false);
    lay(7, 9, 'd', false);
    state.SetLabel(tb::cp1250ToUtf8(tb::nahledTahu(s, *cursor).rozpis));
    for (auto _ : state) benchmark::DoNotOptimize(tb::nahledTahu(s, *cursor));
}
BENCHMARK(MovePreview);

void Lookup(benchmark::State& state) {
    const auto qs = queries(static_cast<int>(state.range(0)));
    tb::SqliteWordStore store(kInstall, userDir());
    auto cursor = store.openCursor();
    cursor->Lookup("a");  // waits for the index
    size_t i = 0, found = 0;
    for (auto _ : state) {
        found += cursor->Lookup(qs[i++ & (qs.size() - 1)]);
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations());
    state.counters["hit_ratio"] = static_cast<double>(found) / state.iterations();
}
// Hits and misses half and half, and mostly misses as in a computer move.
BENCHMARK(Lookup)->Arg(50)->Arg(5);

void OpenReady(benchmark::State& state) {
    for (auto _ : state) {
        tb::SqliteWordStore store(kInstall, userDir());
        benchmark::DoNotOptimize(store.openCursor()->Lookup("pes"));
    }
}
BENCHMARK(OpenReady)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// What the store keeps resident once a million lookups have been asked.
void IndexMemory(benchmark::State& state) {
    const auto asked = queries(50);
    for (auto _ : state) {
        const double before = residentMb();
        tb::SqliteWordStore store(kInstall, userDir());
        auto cursor = store.openCursor();
        for (const auto& w : asked) benchmark::DoNotOptimize(cursor->Lookup(w));
        state.counters["words"] = static_cast<double>(store.index().size());
        state.counters["index_MB"] = residentMb() - before;
    }
}
BENCHMARK(IndexMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    tb::fs::remove_all(userDir().base(), ec);
    return 0;
}
