// Every picture the game loads is in the installation root, of the size and
// at the place the game draws it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/game/tiles.h"
#include "tools/installed_files.h"

namespace {

using tbtest::installRoot;
using tbtest::ManifestLine;
using tbtest::Size;

struct Expected {
    const char* list;
    const char* name;
    int w, h;
    int x = -1, y = -1;  // -1: the place is not fixed
};

// Sizes and places the screens are laid out for.
const Expected kExpected[] = {
    {"Form1", "Pozadi", 1024, 768, 0, 0},
    {"Form1", "HraciPlocha", 570, 569, 129, 98},
    {"Form1", "Panel1", 360, 60, 235, 707},
    {"Form1", "Panel2", 360, 60, 235, 4},
    {"Form1", "Panel3", 60, 360, 16, 200},
    {"Form1", "Panel4", 60, 360, 744, 200},
    {"Form1", "PanelX", 360, 60},
    {"Form1", "PanelY", 60, 360},
    {"Form1", "Body3", 166, 60, 830, 209},
    {"Form1", "Body4", 166, 60, 830, 274},
    {"Form1.DXMenu", "NextOFF", 45, 45, 911, 469},
    {"Form1.DXMenu", "ChangeOff", 45, 45, 868, 469},
    {"Form1.DXMenu", "BackDown", 50, 50, 860, 512},
    {"Form1.DXMenu", "FFON", 50, 50, 910, 512},
    {"Form1.DXMenu", "KontrolaDown", 60, 20, 849, 566},
    {"Form1.DXMenu", "PrubehON", 60, 20, 914, 566},
    {"Form1.DXMenu", "TipOFF", 50, 20, 859, 591},
    {"Form1.DXMenu", "PoctyDown", 50, 20, 914, 591},
    {"Form1.DXMenu", "MenuDown", 61, 20, 882, 616},
    {"DXImageList1", "Povrch1", 1024, 768, 0, 0},
    {"DXImageList1", "KV", 34, 32},
    {"DXImageList1", "CAS", 170, 72, 829, 688},
    // Dialogs and windows of the game screen; their buttons where the layout fixes them.
    {"TTestSlova", "Poklad", 310, 100, 0, 0},
    {"TVyznam", "Pozadi", 350, 150, 0, 0},
    {"TChyba1Box", "Pozadi", 300, 200, 0, 0},
    {"TChybaSlova", "Pozadi", 300, 200, 0, 0},
    {"TChybaVymena", "Pozadi", 300, 150, 0, 0},
    {"TTipForm", "Plocha", 450, 292, 0, 0},
    {"TZapis", "Pozadi", 500, 400, 0, 0},
    {"TZapis", "ZrusPrOFF", 30, 30, 450, 11},
    {"TZapis", "ZrusPrON", 30, 30, 450, 11},
    {"TPaB", "Image1", 450, 300, 0, 0},
    {"TPaB", "PZbytekDown", 70, 20, 21, 12},
    {"TPaB", "PBodyON", 70, 20, 360, 12},
    {"TPaB", "PZakladOFF", 80, 40, 357, 223},
    {"TPaB", "PZavriON", 80, 20, 357, 268},
    {"TKonecForm", "Pozadi", 1024, 768, 0, 0},
    {"TKonecForm", "Win", 450, 120, 290, 25},
    {"TKonecForm", "Lost", 480, 115, 280, 25},
    {"TKonecForm", "Remiza", 350, 100, 350, 25},
    {"TKonecForm", "WinPL", 600, 115, 215, 25},
    {"TKonecForm", "WPL1", 115, 95, 505, 30},
    {"TKonecForm", "WPL4", 115, 95, 505, 30},
    {"TKonecForm", "KonecOFF", 150, 50, 280, 700},
    {"TKonecForm", "PrubehON", 150, 50, 594, 700},
    {"TGMenu", "Pozadi", 250, 350, 0, 0},
    {"TGMenu", "ReturnOff", 200, 40, 25, 60},
    {"TGMenu", "SaveON", 200, 40, 25, 120},
    {"TGMenu", "SavePrOFF", 200, 40, 25, 120},
    {"TGMenu", "NastaveniON", 200, 40, 25, 180},
    {"TGMenu", "VykladOFF", 200, 40, 25, 240},
    {"TGMenu", "KonecON", 200, 40, 25, 300},
    {"TGMenu", "KonecPrOFF", 200, 40, 25, 300},
    // Main menu.
    {"DXMenu", "Pozadi", 1024, 768, 0, 0},
    {"DXMenu", "NewOFF", 200, 80, 412, 130},
    {"DXMenu", "LoadON", 200, 80, 287, 220},
    {"DXMenu", "PrubehDown", 200, 80, 537, 220},
    {"DXMenu", "OptionOFF", 200, 80, 287, 470},
    {"DXMenu", "CreditsON", 200, 80, 537, 470},
    {"DXMenu", "ExitDown", 200, 80, 412, 560},
    {"DXKur", "Rotate", 43, 43, 321, 362},
    {"DXKur", "RotateL", 43, 43, 659, 362},
    {"DXKur", "TandB", 277, 48, 373, 358},
    {"DXKur", "Credits", 277, 48, 373, 358},
    {"DXKur", "Stred", 430, 128, 297, 319},
    // New game.
    {"DXNew", "Main", 264, 60, 380, 145},
    {"DXNew", "PocetH", 280, 45, 285, 250},
    {"DXNew", "PHStred", 48, 43, 651, 251},
    {"DXNew", "MinusOff", 60, 45, 580, 250},
    {"DXNew", "PlusDown", 60, 45, 703, 250},
    {"DXNew", "WMinusOn", 46, 34, 645, 469},
    {"DXNew", "WPlusOff", 46, 34, 730, 469},
    {"DXNew", "TMinusDown", 46, 34, 575, 533},
    {"DXNew", "TPlusOn", 46, 34, 674, 533},
    {"DXNew", "OKDown", 150, 60, 527, 585},
    {"DXNew", "StornoOff", 150, 60, 365, 585},
    {"DXCisla", "2", 40, 35, 655, 255},
    {"DXCisla", "W5", 27, 26, 697, 473},
    {"DXCisla", "T300", 43, 26, 627, 537},
    {"DXZbytek", "Hraci", 540, 36, 257, 334},
    {"DXZbytek", "PCNapis", 430, 32, 310, 420},
    {"DXZbytek", "Jmena", 550, 39, 256, 376},
    {"DXZbytek", "PCNo", 83, 32},
    {"DXZbytek", "PCYes", 83, 32},
    {"DXZbytek", "WordLimit", 370, 40, 270, 465},
    {"DXZbytek", "WLStred", 35, 34, 693, 469},
    {"DXZbytek", "TimeLimit", 240, 40, 330, 520},
    {"DXZbytek", "TLStred", 51, 34, 623, 533},
    // Save and load: the frame around the black summary (457, 249)-(756, 548).
    {"DXZbytek", "SaveOkrajL", 9, 318, 448, 240},
    {"DXZbytek", "SaveOkrajV", 318, 9, 448, 240},
    {"DXZbytek", "SaveOkrajP", 9, 318, 757, 240},
    {"DXZbytek", "SaveOkrajS", 318, 9, 448, 549},
    {"DXZbytek", "SaveOznac", 76, 46},
    {"DXZbytek", "SavePr", 320, 56, 355, 145},
    {"DXZbytek", "Load", 260, 56, 385, 140},
    {"DXZbytek", "LoadPr", 330, 56, 350, 143},
    {"DXSaL", "Napis", 240, 56, 395, 140},
    {"DXSaL", "OKOn", 150, 60, 527, 585},
    {"DXSaL", "StornoDown", 150, 60, 365, 585},
    {"DXSaL", "1Off", 70, 40, 280, 260},
    {"DXSaL", "2On", 70, 40, 366, 260},
    {"DXSaL", "9Off", 70, 40, 280, 500},
    {"DXSaL", "10On", 70, 40, 366, 500},
    // Settings.
    {"DXNastaveni", "Napis", 280, 56, 375, 135},
    {"DXNastaveni", "NapisHudba", 175, 40, 290, 230},
    {"DXNastaveni", "HudbaLine", 256, 21, 469, 244},
    {"DXNastaveni", "EfektyNapis", 330, 40, 295, 295},
    {"DXNastaveni", "EfektyButton", 46, 46, 637, 296},
    {"DXNastaveni", "SlovnikNapis", 180, 46, 425, 365},
    {"DXNastaveni", "ZadejSlovo", 200, 30, 315, 435},
    {"DXNastaveni", "LeftPlocha", 200, 150, 521, 436},
    {"DXNastaveni", "X", 38, 38, 641, 300},
    {"DXNastaveni", "Jezdec", 11, 35},
    {"DXNastavTlac", "PrOFF", 80, 25, 319, 524},
    {"DXNastavTlac", "OdDown", 80, 25, 409, 524},
    {"DXNastavTlac", "OKON", 150, 60, 447, 591},
    // Information: the frame around the black page (289, 208)-(749, 564).
    {"DXInfo", "Napis", 240, 60, 395, 120},
    {"DXInfo", "Left", 6, 369, 283, 202},
    {"DXInfo", "Top", 473, 6, 283, 202},
    {"DXInfo", "Right", 6, 369, 750, 202},
    {"DXInfo", "Bottom", 473, 6, 283, 565},
    {"DXInfo", "foto", 90, 90, 320, 280},
    {"DXInfo", "HMenu", 200, 250, 290, 270},
    {"DXInfo", "Body", 190, 78, 290, 330},
    {"DXInfoTlac", "BackOFF", 110, 50, 378, 595},
    {"DXInfoTlac", "NextDown", 110, 50, 561, 595},
    {"DXInfoTlac", "ExitON", 50, 50, 500, 595},
    // Intro: the large letters fill their rectangles; the small ones stand at top 453.
    {"DXIntro", "Velke1", 146, 168, 240, 275},
    {"DXIntro", "Velke2", 106, 158, 350, 284},
    {"DXIntro", "Velke3", 139, 168, 435, 280},
    {"DXIntro", "Velke4", 118, 167, 568, 283},
    {"DXIntro", "Velke5", 144, 162, 675, 282},
    {"DXIntro", "Male1", 63, 64, 241, 453},
    {"DXIntro", "Male8", 73, 64, 746, 453},
    {"DXIntro", "Uvadi", 150, 50, 437, 359},
    {"DXIntro", "Titulky", 410, 50, 307, 359},
    {"DXIntro", "Tavik", 300, 90, 312, 350},
    {"DXIntro", "Borun", 300, 90, 501, 418},
};

// The lists the game indexes by number, with their lengths and some names at
// their indices.
const std::map<std::string, std::vector<std::pair<int, std::string>>> kIndexed = {
    {"Form1.DXMenu", {{0, "NextOFF"}, {3, "ChangeOff"}, {14, "KontrolaDown"}, {26, "MenuDown"}}},
    {"DXImageList1",
     {{0, "Povrch1"}, {1, "KurzorA"}, {2, "KurzorV"}, {3, "KV"}, {6, "CAS"}, {7, "Povrch2"}}},
};
const std::map<std::string, int> kListLength = {
    {"Form1.DXMenu", 27}, {"DXImageList1", 8}, {"DXPismeno", 38},   {"DXMenu", 19},
    {"DXKur", 12},        {"DXNew", 27},       {"DXCisla", 18},     {"DXZbytek", 17},
    {"DXSaL", 27},        {"DXNastaveni", 10}, {"DXNastavTlac", 9}, {"DXInfo", 9},
    {"DXInfoTlac", 9},    {"DXIntro", 17}};

std::map<std::pair<std::string, std::string>, ManifestLine> byName() {
    std::map<std::pair<std::string, std::string>, ManifestLine> m;
    for (const ManifestLine& l : tbtest::readManifest()) m[{l.list, l.name}] = l;
    return m;
}

TEST(Pictures, EveryManifestFileExistsWithItsStatedSize) {
    const auto lines = tbtest::readManifest();
    ASSERT_GT(lines.size(), 300u);
    std::set<std::string> files;
    for (const ManifestLine& l : lines) {
        SCOPED_TRACE(l.list + "/" + l.name);
        EXPECT_TRUE(files.insert(l.file).second) << "two items share " << l.file;
        const auto size = tbtest::pictureSize(installRoot() / l.file);
        ASSERT_TRUE(size.has_value()) << l.file << " is missing or not a picture";
        EXPECT_EQ(*size, (Size{l.w, l.h}));
    }
}

TEST(Pictures, ScreenPicturesHaveTheirLayoutSizeAndPlace) {
    const auto m = byName();
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(std::string(e.list) + "/" + e.name);
        const auto it = m.find({e.list, e.name});
        ASSERT_NE(it, m.end());
        EXPECT_EQ((Size{it->second.w, it->second.h}), (Size{e.w, e.h}));
        if (e.x >= 0) {
            EXPECT_EQ(it->second.x, e.x);
            EXPECT_EQ(it->second.y, e.y);
        }
    }
}

TEST(Pictures, ListsHaveTheirLengthAndOrder) {
    std::map<std::string, std::vector<ManifestLine>> lists;
    for (const ManifestLine& l : tbtest::readManifest()) lists[l.list].push_back(l);
    for (const auto& [list, length] : kListLength) {
        SCOPED_TRACE(list);
        ASSERT_EQ(int(lists[list].size()), length);
        for (int i = 0; i < length; ++i) EXPECT_EQ(lists[list][i].index, i);
    }
    for (const auto& [list, names] : kIndexed)
        for (const auto& [index, name] : names) {
            SCOPED_TRACE(list + " " + name);
            ASSERT_LT(index, int(lists[list].size()));
            EXPECT_EQ(lists[list][index].name, name);
        }
}

TEST(Pictures, EveryLetterTileIsA32PixelBitmap) {
    for (int kod = 1; kod <= 38; ++kod) {
        const auto file = installRoot() / tb::letterImagePath(kod);
        SCOPED_TRACE(file.string());
        const std::string header = tbtest::readBytes(file, 54);
        ASSERT_EQ(header.size(), 54u);
        EXPECT_EQ(header.substr(0, 2), "BM");
        EXPECT_EQ(tbtest::le32(header, 18), 32u);
        EXPECT_EQ(tbtest::le32(header, 22), 32u);
        EXPECT_EQ(tbtest::le16(header, 28), 24u);  // bits per pixel: SDL_LoadBMP reads it
        EXPECT_EQ(std::filesystem::file_size(file), 54u + 32 * 32 * 3);
    }
}

}  // namespace

namespace {

// The room left for the game's own controls lies inside its window's picture.
TEST(Pictures, ControlsLaidOutInsideTheirWindows) {
    std::map<std::string, Size> windowSize;
    for (const ManifestLine& l : tbtest::readManifest())
        if (l.index == 0) windowSize[l.list] = {l.w, l.h};
    std::ifstream in(installRoot() / "images/layout.txt");
    std::string line;
    int controls = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream f(line);
        std::string window, control;
        double x, y, w, h;
        std::getline(f, window, '\t');
        std::getline(f, control, '\t');
        f >> x >> y >> w >> h;
        SCOPED_TRACE(window + " " + control);
        ASSERT_TRUE(windowSize.count(window));
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LE(x + w, windowSize[window].w);
        EXPECT_LE(y + h, windowSize[window].h);
        ++controls;
    }
    EXPECT_GT(controls, 50);  // the 38 letter labels alone
}

}  // namespace
