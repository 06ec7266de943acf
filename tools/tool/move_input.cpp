#include "tools/tool/move_input.h"

#include <map>
#include <ostream>
#include <regex>

#include "engine/game/move.h"
#include "engine/game/tiles.h"
#include "files/text.h"
#include "tools/tool/tool_env.h"

namespace tb::tool {

DialogVolba OdpovidajiciUi::ChybaPravidlaBox(const ChybaPravidla& c) {
    out_ << "rule-error\t" << c.kod << '\t' << cp1250ToUtf8(c.slovo) << '\t' << c.x << '\t' << c.y
         << '\t' << int{c.zRadku} << '\n';
    return odpovez(c.casVyprsel);
}

DialogVolba OdpovidajiciUi::ChybaSlovaBox(const ChybaSlova& c) {
    out_ << "word-error\t" << cp1250ToUtf8(c.slovo) << '\t' << c.x << '\t' << c.y << '\t'
         << (c.vodorovne ? 'H' : 'V') << '\n';
    return odpovez(c.casVyprsel);
}

DialogVolba OdpovidajiciUi::odpovez(bool casVyprsel) {
    // An answer that never settles the move must not loop for ever.
    if (++dialogu_ > 100) throw UsageError("the move is not settled by the answers given");
    // When the time is up the dialogs have no "correct it myself": the word goes back.
    return casVyprsel && odpoved_ == DialogVolba::OpravimSam ? DialogVolba::VzitZpet : odpoved_;
}

DialogVolba tlacitko(const std::string& jmeno) {
    static const std::map<std::string, DialogVolba> tlacitka = {{"takeback", DialogVolba::VzitZpet},
                                                                {"add", DialogVolba::PridatSlovo},
                                                                {"self", DialogVolba::OpravimSam}};
    if (!tlacitka.contains(jmeno)) throw UsageError("the answer must be takeback, add or self");
    return tlacitka.at(jmeno);
}

namespace {

// The square of "X,Y" or "X,Y=L"; `m[3]` is the letter, if there is one.
Polozeni pole(const std::string& arg, const std::regex& tvar, std::smatch& m, const char* form) {
    if (!std::regex_match(arg, m, tvar)) throw UsageError(std::string("not ") + form + ": " + arg);
    const int x = std::stoi(m[1]), y = std::stoi(m[2]);
    if (x < 1 || x > kBoard || y < 1 || y > kBoard) throw UsageError("no such square: " + arg);
    return {x, y, 0};
}

}  // namespace

Polozeni rozeber(const std::string& arg) {
    static const std::regex tvar(R"(^(\d{1,2}),(\d{1,2})=(.+)$)");
    std::smatch m;
    Polozeni p = pole(arg, tvar, m, "X,Y=LETTER");
    const std::string pismeno = lowerAZ(utf8ToCp1250(m[3].str()));
    if (pismeno.size() != 1 || letterCodeOf(pismeno[0]) == 0)
        throw UsageError("not a tile letter: " + arg);
    p.pismeno = pismeno[0];
    return p;
}

Polozeni rozeberPole(const std::string& arg) {
    static const std::regex tvar(R"(^(\d{1,2}),(\d{1,2})$)");
    std::smatch m;
    return pole(arg, tvar, m, "X,Y");
}

void poloz(GameState& s, const Polozeni& p, const std::string& arg) {
    if (s.Pole[p.x][p.y].Pevny || s.Pole[p.x][p.y].Novy)
        throw UsageError("the square is occupied: " + arg);
    for (int slot = 1; slot <= kRack; ++slot) {
        const int t = s.Zasobnik[s.NaTahu][slot];
        if (t != 0 && s.Kameny[t].Pismeno[0] == p.pismeno && polozZeSlotu(s, slot, p.x, p.y))
            return;
    }
    throw UsageError("the letter is not on the rack of the seat on move: " + arg);
}

void vypisTahy(std::ostream& out, std::span<const Kandidat> tahy) {
    for (const Kandidat& k : tahy)
        out << cp1250ToUtf8(k.Slovo) << '\t' << k.Body << '\t' << k.X << '\t' << k.Y << '\t'
            << (k.Smer == 1 ? 'H' : 'V') << '\n';
}

void vypisKandidaty(std::ostream& out, const TAI& ai) {
    vypisTahy(out, std::span(ai.Kandidati).subspan(1, static_cast<size_t>(ai.PocetKandidatu)));
}

std::string rozpisTahu(const TZapis& zapis, int zaznam) {
    return cp1250ToUtf8(zapis.radky().at(static_cast<size_t>(zaznam) * kRadkuZaznamu + 1));
}

namespace {

// A Czech letter (code page 1250) in upper case, as UTF-8.
std::string velke(char c) {
    std::u32string u = utf8ToU32(cp1250ToUtf8(std::string(1, c)));
    for (char32_t& z : u) {
        if ((z >= U'a' && z <= U'z') || (z >= 0xE0 && z <= 0xFE && z != 0xF7))
            z -= 0x20;
        else if (z >= 0x100 && z <= 0x17F && z % 2 == 1)
            z -= 1;
    }
    return u32ToUtf8(u);
}

std::string pismeno(const GameState& s, int kamen) {
    return kamen == 0 ? "." : cp1250ToUtf8(s.Kameny[kamen].Pismeno);
}

}  // namespace

void ukazHru(std::ostream& out, const GameState& s) {
    out << "move " << s.CisloTahu << "\nto-move " << s.NaTahu << "\nbag " << kTiles - s.Vytazeno
        << "\npasses " << s.PocetVzdani << "\nphase "
        << (s.Faze == Phase::Play     ? "play"
            : s.Faze == Phase::Browse ? "browse"
                                      : "over")
        << "\nexchange " << (s.RezimVymeny ? "on" : "off") << '\n';
    for (int p = 1; p <= s.PocetHracu; ++p) {
        out << "seat " << p << ' ' << s.Hraci[p].Jmeno << ' ' << s.Hraci[p].BodyCelkem << ' '
            << s.Hraci[p].BodyTah << ' ';
        for (int slot = 1; slot <= kRack; ++slot) out << pismeno(s, s.Zasobnik[p][slot]);
        out << '\n';
    }
    for (int y = 1; y <= kBoard; ++y) {
        for (int x = 1; x <= kBoard; ++x) {
            const Policko& c = s.Pole[x][y];
            out << (c.Novy ? velke(s.Kameny[c.Novy].Pismeno[0]) : pismeno(s, c.Pevny));
        }
        out << '\n';
    }
}

}  // namespace tb::tool
