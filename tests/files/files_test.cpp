#include "files/files.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "files/text.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::TempDir;

void touch(const fs::path& p, const std::string& text = "") {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

TEST(FileRoot, MatchesEachComponentWithoutRegardToCaseExactSpellingFirst) {
    TempDir dir;
    touch(dir.path() / "Images" / "Pismena" / "PISMENO01.BMP");
    touch(dir.path() / "Data" / "a.txt");
    touch(dir.path() / "data" / "a.txt");
    const FileRoot root(dir.path());
    const struct {
        const char* asked;
        fs::path found;
    } cases[] = {
        {"images\\pismena\\pismeno01.bmp", "Images/Pismena/PISMENO01.BMP"},
        {"data/a.txt", "data/a.txt"},
        {"Data/a.txt", "Data/a.txt"},
        // A file that does not exist keeps its spelling under the matched folders.
        {"IMAGES/x.bmp", "Images/x.bmp"},
        {"Save/1.dat", "Save/1.dat"},
    };
    for (const auto& c : cases) EXPECT_EQ(root.resolve(c.asked), dir.path() / c.found) << c.asked;
}

// Planted links are replaced, never written through nor created; a killed game's temporaries go.
TEST(Files, PlantedLinksAreReplacedAndStaleTemporariesRemoved) {
    TempDir dir, outside;
    const FileRoot user(dir.path());
    touch(outside.path() / "victim", "precious");
    touch(dir.path() / "Data" / "main.dat.tmp-Ab12Cd", "torn");
    touch(dir.path() / "Save" / "Prubeh" / "3.dat.tmp4711", "torn");
    touch(dir.path() / "Data" / "notes.tmp", "mine");
    touch(dir.path() / "Data" / "MainHLP.dat", "scratch");
    const fs::path slot = dir.path() / "Save" / "1.dat";
    fs::create_symlink(outside.path() / "victim", slot);
    fs::create_symlink(outside.path() / "victim",
                       slot.string() + ".tmp" + std::to_string(::getpid()));
    fs::create_symlink(outside.path() / "new1", dir.path() / "Save" / "2.dat");
    fs::create_symlink(outside.path() / "new2", dir.path() / "Data" / "User.dat");
    seedUserDir(user, 0);
    writeFileAtomic(user.resolve("Save/1.dat"), "game");
    EXPECT_EQ(readFile(outside.path() / "victim"), "precious");
    EXPECT_EQ(fs::symlink_status(slot).type(), fs::file_type::regular);
    EXPECT_EQ(readFile(slot), "game");
    std::vector<std::string> left;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        if (e.path().string().find(".tmp") != std::string::npos)
            left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"notes.tmp"});
    EXPECT_FALSE(existsAtAll(dir.path() / "Data" / "MainHLP.dat"));
    EXPECT_FALSE(existsAtAll(outside.path() / "new1"));
    EXPECT_FALSE(existsAtAll(outside.path() / "new2"));
}

// A second game in a user directory is refused; one killed outright leaves no lock.
TEST(Files, AUserDirectoryIsLockedWhileItsGameRuns) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t first = fork();
    if (first == 0) {
        UserDirLock lock(dir.path());
        (void)!::write(ready[1], "x", 1);
        pause();
        _exit(0);
    }
    char c;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_THROW(UserDirLock second(dir.path()), UserDirBusy);
    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    EXPECT_NO_THROW(UserDirLock again(dir.path()));
    close(ready[0]);
    close(ready[1]);
}

TEST(Files, MusicTracksAreCountedFromOneWithoutAGap) {
    TempDir dir;
    const FileRoot root(dir.path());
    EXPECT_EQ(countMusicTracks(root), 0);
    for (const char* t : {"1.xm", "2.xm", "4.xm"}) touch(dir.path() / "Sound" / t);
    EXPECT_EQ(countMusicTracks(root), 2);
}

// The plain XDG case and a start through PATH are the installation test's.
TEST(Files, RootsFromTheEnvironment) {
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", "/home/hrac", 1);
    EXPECT_EQ(defaultUserDir(), fs::path("/home/hrac/.local/share/tavik-borun"));
    // Without a home the files would land wherever the game was started.
    unsetenv("HOME");
    EXPECT_THROW(defaultUserDir(), FileError);
    setenv("HOME", "/home/hrac", 1);
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(findInstallRoot("/x/bin/tavik-borun", fs::path("/opt/tb")), fs::path("/opt/tb"));
}

// The system's own iconv is the reference for the code page.
std::string byIconv(char b) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    char in[1] = {b}, out[8], *src = in, *dst = out;
    size_t srcLeft = 1, dstLeft = sizeof out;
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    return std::string(out, dst);
}

TEST(Text, EveryAssignedByteRoundTripsAndMatchesIconv) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = cp1250ToUtf8(one);
        if (utf8.empty()) continue;  // unassigned in the code page
        EXPECT_EQ(utf8, byIconv(char(b))) << b;
        EXPECT_EQ(utf8ToCp1250(utf8), one) << b;
    }
}

TEST(Text, CharactersOutsideTheCodePageAreDroppedNotFatal) {
    EXPECT_EQ(utf8ToCp1250("a\342\202\254b"), "a\200b");  // the euro sign is in it
    EXPECT_EQ(utf8ToCp1250("x\346\227\245y"), "xy");      // CJK is not
    EXPECT_EQ(utf8ToCp1250("k\360\237\230\200o"), "ko");  // emoji
    EXPECT_EQ(utf8ToCp1250("a\303"), "a");                // cut short
    EXPECT_EQ(utf8ToCp1250("a\377\376b"), "ab");          // not UTF-8 at all
    EXPECT_EQ(cp1250ToUtf8("a\201b"), "ab");              // unassigned byte
}

}  // namespace
}  // namespace tb
