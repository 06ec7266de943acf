// The tool's hint, play, movelist and selfplay on small fixtures.

#include <gtest/gtest.h>

#include <fstream>

#include "engine/record/move_record.h"
#include "engine/saves/saved_game.h"
#include "files/file_lines.h"
#include "support/board_setup.h"
#include "tool_fixture.h"

namespace tb::test {
namespace {

// A saved two-player game: "e" fixed on the centre, seat 1 on move with p
// and s, seat 2 holding a and b.
std::filesystem::path ulozHru(const std::filesystem::path& dir) {
    Deska d;
    d.pevne(8, 8, true, "e");
    d.stojan(1, "ps");
    d.stojan(2, "ab");
    GameState& s = d.s;
    int n = 0;
    for (bool pouzity : {true, false})
        for (int t = 1; t <= kTiles; ++t)
            if (d.pouzit[t] == pouzity) s.Pytel[++n] = t;
    s.Vytazeno = 5;
    s.PocetHracu = 2;
    s.NaTahu = 1;
    s.PrvniTah = 0;
    s.CisloTahu = s.PosledniTah = 1;
    s.Hraci[1].Jmeno = "Eva";
    s.Hraci[2].Jmeno = "Jan";
    const auto path = dir / "hra.dat";
    std::ofstream(path, std::ios::binary)
        << formatSavedGame(s, "6.12.2026", splitLines(zaznamText(s)));
    return path;
}

const std::vector<std::string> kSlova = {"pe", "es", "pes", "sep", "eps"};

TEST(ToolHint, CandidatesOfTheSeatOnMoveInListOrder) {
    ToolFixture t(kSlova);
    const ToolRun r = t.run({"hint", ulozHru(t.dir.path()).string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "pes\t3\t8\t7\tV\neps\t3\t8\t8\tV\nsep\t3\t8\t7\tV\npes\t3\t7\t8\tH\n"
              "eps\t3\t8\t8\tH\nsep\t3\t7\t8\tH\npe\t2\t8\t7\tV\nes\t2\t8\t8\tV\n"
              "pe\t2\t7\t8\tH\nes\t2\t8\t8\tH\n");
}

TEST(ToolHint, BadOrMissingFileExitsWithTwo) {
    ToolFixture t(kSlova);
    const auto zla = t.dir.path() / "zla.dat";
    std::ofstream(zla) << "6.12.2026\r\nnonsense\r\n";
    for (const auto& f : {zla, t.dir.path() / "neni.dat"}) {
        const ToolRun r = t.run({"hint", f.string()});
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(f.filename().string()), std::string::npos) << r.err;
    }
}

TEST(ToolPlay, DialogsAnswersAndTheOutcome) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"7,8=p", "9,8=s"}, "accepted\tpes(7,8) :3,\t3\n"},
        {{"8,9=s"}, "accepted\tes(8,8):2,\t2\n"},
        {{"9,8=p"}, "word-error\tep\t8\t8\tH\nrefused\n"},
        {{"9,8=p", "--answer", "add"}, "word-error\tep\t8\t8\tH\naccepted\tep(8,8) :2,\t2\n"},
        {{}, "accepted\t\t0\n"},  // a pass
    };
    for (const Case& c : cases) {
        ToolFixture t(kSlova);
        std::vector<std::string> args = {"play", ulozHru(t.dir.path()).string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun r = t.run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.size();
    }
}

TEST(ToolPlay, ATileAwayFromTheBoardIsARuleError) {
    ToolFixture t(kSlova);
    const ToolRun r = t.run({"play", ulozHru(t.dir.path()).string(), "1,1=p"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("rule-error\t", 0), 0u) << r.out;
    EXPECT_TRUE(r.out.ends_with("refused\n")) << r.out;
}

TEST(ToolPlay, MissingLetterOccupiedSquareOrBadArgumentExitsWithTwo) {
    ToolFixture t(kSlova);
    const auto hra = ulozHru(t.dir.path()).string();
    for (const char* arg : {"7,8=z", "8,8=p", "16,1=p", "7,8", "7,8=pe"}) {
        const ToolRun r = t.run({"play", hra, arg});
        EXPECT_EQ(r.code, 2) << arg;
        EXPECT_EQ(r.out, "") << arg;
        EXPECT_NE(r.err.find(arg), std::string::npos) << r.err;
    }
}

TEST(ToolMovelist, TurnsOfARecordAfterAMove) {
    ToolFixture t(kSlova);
    ASSERT_EQ(t.run({"play", ulozHru(t.dir.path()).string(), "7,8=p", "9,8=s"}).code, 0);
    const ToolRun r =
        t.run({"movelist", (t.dir.path() / "user/Data/main.dat").string(), "--names", "Eva,Jan"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "1\tEva\tpes(7,8) :3\t3\t0:01\n");  // the resuming tick is a second
    EXPECT_EQ(t.run({"movelist", "x.dat", "--names", "Eva"}).code, 2);
    // A saved game is no move record, and a running game's directory is not written.
    const ToolRun hra = t.run({"movelist", ulozHru(t.dir.path()).string(), "--names", "Eva,Jan"});
    EXPECT_EQ(hra.code, 2);
    EXPECT_EQ(hra.out, "");
    EXPECT_NE(hra.err.find("not a move record"), std::string::npos) << hra.err;
    const UserDirLock hraBezi(t.dir.path() / "user");
    const ToolRun zamceno = t.run({"play", ulozHru(t.dir.path()).string(), "7,8=p", "9,8=s"});
    EXPECT_EQ(zamceno.code, 2);
    EXPECT_NE(zamceno.err.find("už běží"), std::string::npos) << zamceno.err;
}

// Selfplay on every two-letter word: whole games, reproducible from the
// seed, and their records listed with the closing section.
TEST(ToolSelfplay, ReproducibleGamesWithTheirRecords) {
    std::vector<std::string> slova;
    const std::string pismena = "aábcčdďeéěfghiíjklmnňoóprřsštťuůúvyýzž";
    for (const std::string a : {"a", "e", "o", "i", "s", "t", "k", "p"})
        for (size_t i = 0; i < pismena.size();) {
            const size_t delka = static_cast<unsigned char>(pismena[i]) < 0x80 ? 1 : 2;
            slova.push_back(a + pismena.substr(i, delka));
            slova.push_back(pismena.substr(i, delka) + a);
            i += delka;
        }
    ToolFixture t(slova);
    const auto dir = t.dir.path() / "zaznamy";
    const auto hraj = [&] {
        const ToolRun r = t.run({"selfplay", "--games", "2", "--seed", "7", "--players", "3",
                                 "--record-dir", dir.string()});
        EXPECT_EQ(r.code, 0) << r.out << r.err;
        std::string bezCasu;
        std::istringstream in(r.out);
        for (std::string radek; std::getline(in, radek);)
            bezCasu += radek.substr(0, radek.find(", search ms")) + "\n";
        return bezCasu;
    };
    const std::string prvni = hraj();
    EXPECT_TRUE(prvni.starts_with("game 1: moves ")) << prvni;
    EXPECT_TRUE(prvni.ends_with("2 games, invariants ok\n")) << prvni;
    EXPECT_EQ(hraj(), prvni);
    const ToolRun r = t.run({"movelist", (dir / "game-2.dat").string(), "--names", "A,B,C"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.ends_with("Celkový čas hry:\t0:00:00\n")) << r.out;
    EXPECT_NE(r.out.find("\n\nA\t"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace tb::test
