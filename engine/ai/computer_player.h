#pragma once
// The computer player TAI: finds runs of one to three fixed tiles, builds
// candidate words from the rack around them (or through the centre on an
// empty board), estimates and sorts them, and lays the best one. The hint
// runs the same search for a person.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/game/game_state.h"
#include "engine/game/word_store.h"

namespace tb {

class GameUi;

// A candidate move: the whole word and its first cell.
struct Kandidat {
    std::string Slovo;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Body = 0;
    uint8_t Smer = 0;  // 1 along a row, 0 down a column
};

// The master's moves for the hint, worked out when first asked for.
using NejlepsiTahy = std::function<const std::vector<Kandidat>&()>;

// Lays a move for the player on move: each new cell gets the tile of the
// first rack slot with its letter, flown there; fixed tiles stay as they are.
void polozKandidata(GameState& s, GameUi& ui, const Kandidat& k);

class TAI {
  public:
    static constexpr int kMaxBehu = 100;
    static constexpr int kMaxKandidatu = 350;

    // A run of tiles in one line of the board.
    struct Beh {
        std::string Pismena;
        int32_t VolnoPred = 0;  // free cells before the first tile (left / above)
        int32_t VolnoZa = 0;    // free cells after the last tile (right / below)
        int32_t X = 0;
        int32_t Y = 0;
        uint8_t Smer = 0;  // 1 along a row, 0 down a column
    };

    // The computer player asks the dictionary through a cursor of its own.
    explicit TAI(WordCursor& kurzor) : kurzor_(kurzor) {}

    // The whole search for the player on move, ending with the scoring.
    void findCandidates(const GameState& s);
    // Lays candidate 1 for the player on move.
    void PolozSlovo(GameState& s, GameUi& ui) const {
        if (PocetKandidatu > 0) polozKandidata(s, ui, Kandidati[1]);
    }
    // The hint chose candidate n: it takes the place of candidate 1.
    void VyberKandidata(int n) {
        if (n >= 1 && n <= PocetKandidatu) Kandidati[1] = Kandidati[n];
    }

    // Results of the last search, 1-based; records beyond the counts are stale.
    Arr1<Beh, kMaxBehu> Behy{};
    int PocetBehu = 0;
    Arr1<Kandidat, kMaxKandidatu> Kandidati{};
    int PocetKandidatu = 0;

    // The pieces of the search, public so that each can be exercised alone.
    void NactiPismena(const GameState& s);
    void FreeHor(int n);
    void FreeVer(int n);
    void OdstranSpatne();
    void VytvorSlovo(const GameState& s);
    void rozdel();
    void Jednicky();
    void Dvojky();
    void Trojky();
    void Ctyrky();
    void ZacinaPC(const GameState& s);
    void Oboduj(int minPismen);
    int GetBody(int n) const;
    static int BodyP(char pismeno);

    // The board as the search saw it (fixed tiles only) and the rack letters.
    Arr1<Arr1<int32_t, kBoard>, kBoard> Deska{};
    Arr1<std::string, kRack> Pismena{};
    int AktBeh = 0;  // run being extended

  private:
    void najdiBehy(const GameState& s, uint8_t smer);
    int volno(const Beh& b, int krok) const;
    bool obsazeno(int x, int y) const;
    void Komb3(const std::string& a, const std::string& b);
    void Komb4(const std::string& p, const std::string& q, const std::string& r);
    void Komb5(const std::string& A, const std::string& B, const std::string& C,
               const std::string& D);
    void Komb4for5(const std::string* S, const std::string& p, const std::string& q,
                   const std::string& r, const std::string& s);
    template <std::size_t N>
    void zkusPoradi(const std::array<const std::string*, N>& kusy);
    bool TestSlova(const std::string& slovo);
    void pridej(const std::string& slovo, int predBehem);
    bool JesteNeni(const Kandidat& k) const;
    void InitBodovanePole();

    WordCursor& kurzor_;
    Arr1<Arr1<int32_t, kBoard>, kBoard> bodovane_{};
};

}  // namespace tb
