// The information screen: credits, the controls and the rules, seven pages
// turned with Back and Next.

#include <cctype>

#include "platform/draw.h"
#include "ui/screens/main_menu_screen.h"
#include "ui/screens/rules_text.h"

namespace tb {
namespace {

struct Radek {
    int x, y, size;
    const char* text;
};

// Page 1: the team and, with thanks, where the game's data come from.
const Radek kAutori[] = {
    {476, 207, 30, "Autoři"},
    {300, 245, 20, "Programátor a grafik :"},
    {420, 290, 17, "tým hry Tavik Borun"},
    {420, 330, 12, "obrázky, zvuky a hudbu vytváří program hry"},
    {300, 385, 17, "Testování : tým hry a automatické testy"},
    {330, 420, 17, "Zvláštní poděkování autorům :"},
    {335, 450, 12, "hunspell-cs – český slovník pro kontrolu pravopisu"},
    {415, 465, 12, "poskytnutí slovníku přípustných slov"},
    {410, 490, 12, "stardict-czech – slovník cizích slov"},
    {335, 505, 12, "poskytnutí výkladového slovníku"},
    {295, 535, 12, "Písma: Liberation a DejaVu, šířená pod svobodnými licencemi."},
};

const Radek kOvladani1[] = {
    {450, 205, 30, "Ovládání"},
    {290, 250, 17, "I) Hlavní menu "},
    {300, 275, 12, "1) NOVÁ HRA "},
    {310, 290, 12, "– počet hráčů (2 až 4)"},
    {310, 305, 12, "– jména hráčů (jméno hráče za počítač měnit nelze)"},
    {310, 320, 12, "– PC: za hráče hraje počítač"},
    {310, 335, 12, "– nejmenší počet písmen ve slově"},
    {310, 350, 12, "– časový limit na jeden tah"},
    {300, 375, 12, "2) NAČTI HRU"},
    {310, 390, 12, "– pokračování ve hře uložené během hraní"},
    {300, 415, 12, "3) PRŮBĚH HER"},
    {310, 430, 12, "– načtení a prohlížení dohrané hry, tah po tahu"},
    {310, 445, 12, "   tlačítky pro tah vpřed a tah zpět"},
    {300, 470, 12, "4) NASTAVENÍ"},
    {310, 485, 12, "– hlasitost hudby"},
    {310, 500, 12, "– zapnutí a vypnutí zvukových efektů"},
    {310, 515, 12, "– prohlížení a úprava slovníku přípustných slov"},
};

const char* const kPanel[] = {
    "1) stručné informace o hře",
    "2) předání tahu dalšímu hráči",
    "3) výměna písmen: první klik",
    "    zapne výměnu, pak označte",
    "    písmena a klikněte znovu",
    "4) o tah zpět",
    "5) o tah vpřed",
    "6) kontrola slova",
    "7) průběh hry (záznam tahů)",
    "8) nejlepší tah podle počítače",
    "9) počty písmen: zbývající",
    "    písmena, jejich hodnoty",
    "    a počáteční počty",
    "10) menu hry (uložení hry,",
    "    nastavení, význam slova,",
    "    konec hry)",
};

}  // namespace

void TMainMenu::InfoPrint() {
    ImageList& info = obr("DXInfo");
    info[0].draw(plocha(), 395, 120);
    info[1].draw(plocha(), 283, 202);
    info[2].draw(plocha(), 283, 202);
    info[3].draw(plocha(), 750, 202);
    info[4].draw(plocha(), 283, 565);
    fillRect(plocha(), Rect{289, 208, 460, 356}, Rgb{});
    ImageList& t = obr("DXInfoTlac");
    if (tlacitko(34, t, 0, 1, 2) == kStisknuto && StranaInfo >= 2) --StranaInfo;
    if (tlacitko(35, t, 3, 4, 5) == kStisknuto && StranaInfo < 7) ++StranaInfo;
    if (tlacitko(36, t, 6, 7, 8) >= kDrzeno) MenuVolba = kMenuHlavni;
    InfoText();
}

void TMainMenu::InfoText() {
    ImageList& info = obr("DXInfo");
    text(720, 210, 15, std::to_string(StranaInfo) + "/7");
    if (StranaInfo == 1) {
        for (const Radek& r : kAutori) text(r.x, r.y, r.size, r.text);
        info[5].draw(plocha(), 320, 280);
        info[6].draw(plocha(), 295, 380);
        info[6].draw(plocha(), 295, 525);
    } else if (StranaInfo == 2) {
        for (const Radek& r : kOvladani1) text(r.x, r.y, r.size, r.text);
    } else if (StranaInfo == 3) {
        text(450, 205, 30, "Ovládání");
        text(290, 245, 17, "II) Ovládací panel hry");
        int y = 275;
        for (const char* r : kPanel) {
            text(495, y, 12, r);
            y += 15;
        }
        info[7].draw(plocha(), 290, 270);
    } else {
        text(450, 205, 30, "Pravidla");
        const auto& p = InitPravidla();
        const int od[] = {1, 22, 43, 64, 82};
        for (int i = od[StranaInfo - 4]; i < od[StranaInfo - 3]; ++i) {
            // The three labels of the score panel stand beside its picture.
            const int x = (i >= 70 && i <= 72) ? 490 : 300;
            const bool nadpis = p[i][0] != ' ' && p[i][0] != '\0' && !std::isdigit(p[i][0]) &&
                                !(i >= 70 && i <= 72);
            text(x, 230 + 15 * (i - od[StranaInfo - 4] + 1), 12, p[i], nadpis);
        }
        if (StranaInfo == 7) {
            text(380, 535, 17, "Hodně štěstí a zábavy při hře.");
            info[8].draw(plocha(), 290, 330);
            info[6].draw(plocha(), 295, 525);
        }
    }
}

}  // namespace tb
