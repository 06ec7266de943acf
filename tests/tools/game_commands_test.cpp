// The tool's hint, play, movelist and selfplay on small fixtures.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/record/move_record.h"
#include "engine/saves/saved_game.h"
#include "files/file_lines.h"
#include "store/sqlite_db.h"
#include "support/board_setup.h"
#include "support/temp_dir.h"
#include "tools/tool/tool.h"

namespace tb::test {
namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

class ToolFixture {
  public:
    explicit ToolFixture(const std::vector<std::string>& utf8Words) {
        SqliteDb db(dict(), SqliteDb::Mode::ReadWriteCreate);
        db.exec("CREATE TABLE Slovnik(Cesky TEXT PRIMARY KEY) WITHOUT ROWID");
        db.exec("BEGIN");
        auto insert = db.prepare("INSERT OR IGNORE INTO Slovnik VALUES (?1)");
        for (const auto& w : utf8Words) insert.bind(1, w).run();
        db.exec("COMMIT");
    }
    std::filesystem::path dict() const { return dir.path() / "slovnik.db"; }

    // `in` is the standard input of the shell.
    ToolRun run(std::vector<std::string> args, const std::string& in = "") const {
        args.insert(args.begin(),
                    {"--dict", dict().string(), "--user-dir", (dir.path() / "user").string()});
        std::ostringstream out, err;
        std::istringstream input(in);
        const int code = tool::runTool(args, dir.path() / "tavik-borun-tool", out, err, &input);
        return {code, out.str(), err.str()};
    }
    // The output of a run that must succeed.
    std::string ok(const std::vector<std::string>& args, const std::string& in = "") const {
        const ToolRun r = run(args, in);
        EXPECT_EQ(r.code, 0) << r.err;
        return r.out;
    }

    TempDir dir;
};

// A saved two-player game: "e" on the centre, seat 1 on move with p, s; seat 2 with a, b.
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

// Two-letter words enough for computer seats to play whole games.
std::vector<std::string> dvojice() {
    std::vector<std::string> slova;
    for (char a : std::string("aeoistkp"))
        for (char b = 'a'; b <= 'z'; ++b) slova.push_back({a, b}), slova.push_back({b, a});
    return slova;
}

// Hint lists the candidates in list order; play answers the dialogs and says the outcome.
TEST(Tool, HintAndPlayOnASavedGame) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"hint"},
         "pes\t3\t8\t7\tV\neps\t3\t8\t8\tV\nsep\t3\t8\t7\tV\npes\t3\t7\t8\tH\n"
         "eps\t3\t8\t8\tH\nsep\t3\t7\t8\tH\npe\t2\t8\t7\tV\nes\t2\t8\t8\tV\n"
         "pe\t2\t7\t8\tH\nes\t2\t8\t8\tH\n"},
        {{"hint", "--level", "master"},  // points, then fewer tiles, word, row, column, across
         "eps\t3\t8\t8\tH\neps\t3\t8\t8\tV\npes\t3\t8\t7\tV\npes\t3\t7\t8\tH\n"
         "sep\t3\t8\t7\tV\nsep\t3\t7\t8\tH\nes\t2\t8\t8\tH\nes\t2\t8\t8\tV\n"
         "pe\t2\t8\t7\tV\npe\t2\t7\t8\tH\n"},
        {{"play", "7,8=p", "9,8=s"}, "accepted\tpes(7,8) :3,\t3\n"},
        {{"play", "8,9=s"}, "accepted\tes(8,8):2,\t2\n"},
        {{"play", "9,8=p"}, "word-error\tep\t8\t8\tH\nrefused\n"},
        {{"play", "9,8=p", "--answer", "add"},
         "word-error\tep\t8\t8\tH\naccepted\tep(8,8) :2,\t2\n"},
        {{"play"}, "accepted\t\t0\n"},  // a pass
        {{"play", "1,1=p"}, "rule-error\t1\tp\t1\t1\t0\nrefused\n"},
    };
    for (const Case& c : cases) {
        ToolFixture t(kSlova);
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, ulozHru(t.dir.path()).string());
        EXPECT_EQ(t.ok(args), c.out) << c.args.size();
    }
}

// Whatever the tool cannot do exits with 2, says why on stderr and prints nothing.
TEST(Tool, BadFilesArgumentsAndUsageExitWithTwo) {
    ToolFixture t(kSlova);
    const auto hra = ulozHru(t.dir.path()).string();
    const auto zla = t.dir.path() / "zla.dat";
    std::ofstream(zla) << "6.12.2026\r\nnonsense\r\n";
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"hint", zla.string()}, "zla.dat"},
        {{"hint", (t.dir.path() / "neni.dat").string()}, "neni.dat"},
        {{"play", hra, "7,8=z"}, "7,8=z"},
        {{"play", hra, "8,8=p"}, "8,8=p"},
        {{"play", hra, "16,1=p"}, "16,1=p"},
        {{"play", hra, "7,8"}, "7,8"},
        {{"movelist", hra, "--names", "Eva,Jan"}, "not a move record"},
        {{}, "usage:"},
        {{"frobnicate"}, "usage:"},
        {{"lookup"}, "at least one word"},
        {{"--dict", (t.dir.path() / "none.db").string(), "lookup", "pes"}, "none.db"},
    };
    for (const Case& c : cases) {
        const ToolRun r = t.run(c.args);
        EXPECT_EQ(r.code, 2) << c.err;
        EXPECT_EQ(r.out, "") << c.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

TEST(ToolLookup, TypedWordsLoweredOnlyInAToZ) {
    ToolFixture t({"pes", "žába", "čaj"});
    EXPECT_EQ(t.ok({"lookup", "pes", "PES", "žába", "Žába", "ŽÁBA", "kočka", "čajω"}),
              "pes\t1\nPES\t1\nžába\t1\nŽába\t0\nŽÁBA\t0\nkočka\t0\nčajω\t0\n");
}

TEST(ToolMovelist, TurnsOfARecordAfterAMove) {
    ToolFixture t(kSlova);
    t.ok({"play", ulozHru(t.dir.path()).string(), "7,8=p", "9,8=s"});
    EXPECT_EQ(
        t.ok({"movelist", (t.dir.path() / "user/Data/main.dat").string(), "--names", "Eva,Jan"}),
        "1\tEva\tpes(7,8) :3\t3\t0:01\n");  // the resuming tick is a second
    // A running game's directory is not written.
    const UserDirLock hraBezi(t.dir.path() / "user");
    const ToolRun zamceno = t.run({"play", ulozHru(t.dir.path()).string(), "7,8=p", "9,8=s"});
    EXPECT_EQ(zamceno.code, 2);
    EXPECT_NE(zamceno.err.find("už běží"), std::string::npos) << zamceno.err;
}

// Selfplay: whole games, reproducible from the seed, their records listed.
TEST(ToolSelfplay, ReproducibleGamesWithTheirRecords) {
    ToolFixture t(dvojice());
    const auto dir = t.dir.path() / "zaznamy";
    const auto hraj = [&] {
        std::istringstream in(t.ok({"selfplay", "--games", "2", "--seed", "7", "--players", "3",
                                    "--record-dir", dir.string()}));
        std::string bezCasu;
        for (std::string radek; std::getline(in, radek);)
            bezCasu += radek.substr(0, radek.find(", search ms")) + "\n";
        return bezCasu;
    };
    const std::string prvni = hraj();
    EXPECT_TRUE(prvni.starts_with("game 1: moves ")) << prvni;
    EXPECT_TRUE(prvni.ends_with("2 games, invariants ok\n")) << prvni;
    EXPECT_EQ(hraj(), prvni);
    const std::string seznam =
        t.ok({"movelist", (dir / "game-2.dat").string(), "--names", "A,B,C"});
    EXPECT_TRUE(seznam.ends_with("Celkový čas hry:\t0:00:00\n")) << seznam;
    EXPECT_NE(seznam.find("\n\nA\t"), std::string::npos) << seznam;
}

// What the shell answers to `script`, empty board rows left out.
std::string shell(const ToolFixture& t, const std::string& script) {
    std::string out;
    std::istringstream in(t.ok({"shell"}, script));
    for (std::string radek; std::getline(in, radek);)
        if (radek.find_first_not_of('.') != std::string::npos) out += radek + "\n";
    return out;
}

// Errors change nothing, a taken back word is a pass; computer seats play to a browsable end.
TEST(ToolShell, ScriptedGame) {
    ToolFixture t(dvojice());
    const std::string out =
        shell(t,
              "lay 8,8=a\nnew P C seed=2\nlay 9,8=t 9,8=a\nlay 6,8=k\nshow\nnext "
              "takeback\nlay 7,9=t\nnext\nexchange š\nnew C C seed=2\ncheck\nnext\n"
              "browse\nshow\nforward\n");
    EXPECT_TRUE(out.starts_with(
        "error: no game: start one with new\ncomputer\t2\ted(7,8) :3,\t3\nok\n"
        "error: the square is occupied: 9,8=a\npreview\tunknown\tked\nok\nmove 2\nto-move 1\nbag "
        "81\npasses 0\n"
        "phase play\nexchange off\nseat 1 Hrac1 0 0 š.átiča\nseat 2 PC2 3 3 řyáulkn\n"
        ".....Ked.......\nok\nword-error\tked\t6\t8\tH\npassed\n"
        "computer\t2\tue(7,7):5,\t5\nok\npreview\tunknown\tuet\nok\nword-"
        "error\tuet\t7\t7\tV\nrefused\nok\n"
        "refused\ttiles on the board\nok\ncomputer\t2\ted(7,8) :3,\t3\n"))
        << out;
    EXPECT_NE(out.find("over\t0\nok\nok\nerror: the game is over\nok\nmove 1\nto-move "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("phase browse\n"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("ok\nok\n")) << out;
}

// Passes end a game only once a word lies, saves in mid-move and on earlier
// records keep the position and the pass count, the limit takes a bad word back,
// and the preview foretells what next does.
TEST(ToolShell, PassesSavesStepsTheTimeLimitAndPreviews) {
    ToolFixture t(dvojice());
    struct Case {
        std::string script, out;
    };
    const std::string seats = "seat 1 Hrac1 0 0 nkajrng\nseat 2 Hrac2 0 0 ábřěfsa\n";
    const std::string pozice = "bag 83\npasses 4\nphase play\nexchange off\n" + seats;
    const std::string gp =
        "bag 81\npasses K\nphase play\nexchange off\nseat 1 Hrac1 0 0 "
        "eilbosv\nseat 2 Hrac2 9 0 řčšesss\n......gp.......\nok\n";
    const auto passes = [&](int k) {
        return std::string(gp).replace(gp.find('K'), 1, std::to_string(k));
    };
    const std::vector<Case> cases = {
        {"new P P seed=1\nnext\nnext\nnext\nnext\nshow\nlay 1,1=n 1,2=k\nsave 3\nhint-lay 1\nload "
         "3\n"
         "show\nhint-lay 1\nnext\nnext\nnext\nexchange mk\nnext\nnext\nnext\nshow\nnext\ncheck\n",
         "ok\npassed\nok\npassed\nok\npassed\nok\npassed\nok\nmove 5\nto-move 1\n" + pozice +
             "ok\npreview\trule\t4\tnk\nok\nok\naccepted\tag(7,8) :9,\t9\nok\nok\nmove 5\nto-move "
             "1\n" +
             pozice +
             "ok\naccepted\tag(7,8) :9,\t9\nok\npassed\nok\npassed\nok\npassed\nok\nexchanged\nok\n"
             "passed\nok\npassed\nok\npassed\nok\nmove 13\nto-move 1\nbag 81\npasses 3\nphase "
             "play\n"
             "exchange off\nseat 1 Hrac1 9 0 nšsjrnd\nseat 2 Hrac2 0 0 "
             "ábřěfsa\n......ag.......\nok\n"
             "passed\nover\t0\nok\nok\n"},
        {"new P P seed=3\nhint-lay 1\nnext\nnext\nnext\nback\nforward\nshow\nback\nsave 4\nback\n"
         "back\nsave 3\nload 4\nshow\nload "
         "3\nshow\nnext\nshow\ncheck\nnext\nback\nback\nnext\nforward\n",
         "ok\naccepted\tgp(7,8) :9,\t9\nok\npassed\nok\npassed\nok\npassed\nok\nok\nok\nmove 5\n"
         "to-move 2\n" +
             passes(3) + "ok\nok\nok\nok\nok\nok\nmove 4\nto-move 1\n" + passes(2) +
             "ok\nmove 2\nto-move 1\n" + passes(0) + "passed\nok\nmove 3\nto-move 2\n" + passes(1) +
             "ok\npassed\nok\nok\nok\npassed\nok\nrefused\nok\n"},
        // The master plays parallel to a word.
        {"new M P seed=1\nnext\ncheck\n",
         "computer\t1\tag(8,7):9,\t9\nok\npassed\ncomputer\t1\tja(7,7) :5,kg(7,8) "
         ":9,jk(7,7):5,\t19\nok\nok\n"},
        {"new P P seed=1 limit=30\nlay 8,8=a\ntick 30\nlay 7,8=f 8,8=a\ntick 31\n",
         "ok\npreview\trule\t1\ta\nok\nrule-error\t1\ta\t8\t8\t0\ntimeout\t1\t\t0\nok\n"
         "preview\tok\tfa(7,8) :9,\t9\nok\ntimeout\t2\tfa(7,8) "
         ":9,\t9\nok\n"},
        // The preview after lay and lift foretells what next then does.
        {"new P P seed=1 min=3\nlay 7,8=k 8,8=a\nnext\n",
         "ok\npreview\trule\t2\tka\nok\nrule-error\t2\tka\t7\t8\t1\nrefused\nok\n"},
        {"new P P seed=1\nlay 1,1=n 1,2=k\nnext\nlift 1,1\nnext\nlift 1,2\nlay 7,8=n 8,8=g\n"
         "next\nlift 7,8\nlay 7,8=k\nnext\nlay 12,12=a 12,13=b\nnext\n",
         "ok\npreview\trule\t4\tnk\nok\nrule-"
         "error\t4\tnk\t1\t1\t0\nrefused\nok\npreview\trule\t1\tk\n"
         "ok\nrule-error\t1\tk\t1\t2\t0\nrefused\nok\nok\npreview\tunknown\tng\nok\n"
         "word-error\tng\t7\t8\tH\nrefused\nok\npreview\trule\t1\tg\nok\npreview\tok\tkg(7,8) "
         ":9,\t9\n"
         "ok\naccepted\tkg(7,8) "
         ":9,\t9\nok\npreview\trule\t3\tab\nok\nrule-error\t3\tab\t12\t12\t0\n"
         "refused\nok\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(shell(t, c.script), c.out) << c.script;
}

}  // namespace
}  // namespace tb::test
