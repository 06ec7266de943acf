#include "files/files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace tb {
namespace {

using test::TempDir;

void touch(const fs::path& p, const std::string& text = "") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

TEST(FileRoot, MatchesEachComponentWithoutRegardToCase) {
    TempDir dir;
    touch(dir.path() / "data" / "information.dat", "x");
    touch(dir.path() / "Images" / "Pismena" / "PISMENO01.BMP", "y");
    const FileRoot root(dir.path());
    EXPECT_EQ(root.resolve("Data/information.dat"), dir.path() / "data" / "information.dat");
    EXPECT_EQ(root.resolve("images\\pismena\\pismeno01.bmp"),
              dir.path() / "Images" / "Pismena" / "PISMENO01.BMP");
    // A file that does not exist keeps its spelling under the matched folders.
    EXPECT_EQ(root.resolve("DATA/main.dat"), dir.path() / "data" / "main.dat");
    EXPECT_EQ(root.resolve("Save/1.dat"), dir.path() / "Save" / "1.dat");
}

TEST(FileRoot, ExactSpellingWinsOverAnotherCase) {
    TempDir dir;
    touch(dir.path() / "Data" / "a.txt", "upper");
    touch(dir.path() / "data" / "a.txt", "lower");
    EXPECT_EQ(FileRoot(dir.path()).resolve("data/a.txt"), dir.path() / "data" / "a.txt");
    EXPECT_EQ(FileRoot(dir.path()).resolve("Data/a.txt"), dir.path() / "Data" / "a.txt");
}

TEST(Files, AtomicWriteReplacesWholeFileAndFailureKeepsTheOld) {
    TempDir dir;
    const fs::path f = dir.path() / "slot.dat";
    writeFileAtomic(f, "first\r\n");
    writeFileAtomic(f, "second\r\n");
    EXPECT_EQ(readFile(f), "second\r\n");
    EXPECT_THROW(writeFileAtomic(dir.path() / "missing" / "x.dat", "y"), FileError);
    EXPECT_THROW(readFile(dir.path() / "nothing.dat"), FileError);
    int leftovers = 0;
    for (auto& e : fs::directory_iterator(dir.path())) leftovers += e.path() != f;
    EXPECT_EQ(leftovers, 0);
}

TEST(Files, FirstRunSeedsTheUserDirectoryAndKeepsExistingFiles) {
    TempDir dir;
    const FileRoot user(dir.path() / "tavik-borun");
    seedUserDir(user, 3);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(fs::file_size(user.resolve("Save/" + std::to_string(k) + ".dat")), 0u);
        EXPECT_EQ(fs::file_size(user.resolve("Save/Prubeh/" + std::to_string(k) + ".dat")), 0u);
    }
    EXPECT_EQ(readFile(user.resolve("Data/User.dat")),
              "128\r\n1\r\n3\r\n2\r\nHrac1;0\r\nPC2;1\r\nHrac3;0\r\nHrac4;0\r\n2\r\n0\r\n");
    writeFileAtomic(user.resolve("Save/4.dat"), "game");
    writeFileAtomic(user.resolve("Data/User.dat"), "mine");
    seedUserDir(user, 0);
    EXPECT_EQ(readFile(user.resolve("Save/4.dat")), "game");
    EXPECT_EQ(readFile(user.resolve("Data/User.dat")), "mine");
}

TEST(Files, MusicTracksAreCountedFromOneWithoutAGap) {
    TempDir dir;
    const FileRoot root(dir.path());
    EXPECT_EQ(countMusicTracks(root), 0);
    for (const char* t : {"1.xm", "2.xm", "4.xm"}) touch(dir.path() / "Sound" / t);
    EXPECT_EQ(countMusicTracks(root), 2);
}

TEST(Files, RootsFromTheEnvironment) {
    TempDir dir;
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(defaultUserDir(), dir.path() / "tavik-borun");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/hrac", 1);
    EXPECT_EQ(defaultUserDir(), fs::path("/home/hrac/.local/share/tavik-borun"));
    EXPECT_EQ(findInstallRoot("/x/bin/tavik-borun", fs::path("/opt/tb")), fs::path("/opt/tb"));
    touch(dir.path() / "share" / "tavik-borun" / "marker");
    touch(dir.path() / "bin" / "tavik-borun");
    unsetenv("TAVIK_BORUN_ROOT");
    EXPECT_EQ(findInstallRoot(dir.path() / "bin" / "tavik-borun", std::nullopt),
              dir.path() / "share" / "tavik-borun");
    // Started through PATH: argv[0] is a bare name, not a file in the current folder.
    EXPECT_EQ(findInstallRoot("tavik-borun", std::nullopt),
              fs::canonical("/proc/self/exe").parent_path() / "root");
}

}  // namespace
}  // namespace tb
