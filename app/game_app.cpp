#include "app/game_app.h"

#include <iostream>

#include "engine/ai/computer_turn.h"
#include "engine/game/menu_reset.h"

namespace tb {
namespace {

// The computer's moves, none once the player quits: a move would first wait
// for the word list still being read, and nothing of it could be kept.
class DokudHraBezi : public ComputerPlayer {
  public:
    DokudHraBezi(ComputerPlayer& pc, const Application& app) : pc_(pc), app_(app) {}
    void JedPC() override {
        if (!app_.quitting()) pc_.JedPC();
    }

  private:
    ComputerPlayer& pc_;
    const Application& app_;
};

}  // namespace

HerniAplikace::HerniAplikace(Application& app, FileRoot install, FileRoot user, WordStore& slovnik,
                             Random& rnd, HerniOkna okna, SoundBackend* zvuk)
    : app_(app),
      obrazky_(install, ImageManifest::load(install)),
      kurzor_(slovnik.openCursor()),
      kurzorPC_(slovnik.openCursor()),
      zapis_(user),
      ctx_{app, obrazky_, s_, *kurzor_, install, user},
      screen_(ctx_, std::move(okna)),
      hra_(s_, screen_, rnd, *kurzor_, zapis_),
      // The master walks the dictionary's own word graph, or reads one if it has none.
      mistr_(
          *kurzorPC_,
          [&slovnik, install] {
              if (auto graf = slovnik.wordGraph()) return graf;
              return std::make_shared<const WordGraph>(WordGraph::load(install));
          },
          [&slovnik] { return slovnik.addedWords(); }),
      pc_(hra_, *kurzorPC_, &mistr_),
      tahyPC_(std::make_unique<DokudHraBezi>(pc_, app)),
      sound_(zvuk ? *zvuk : mixer_, install, s_.ZvukyZap, std::cerr) {
    ctx_.volby = &nast_.volby;
    screen_.pripoj(hra_);
    hra_.setComputerPlayer(tahyPC_.get());
    screen_.TipClick = [this] {
        pc_.TipClick([this](const TAI& ai, const NejlepsiTahy& nejlepsi) {
            return screen_.okna().tip ? screen_.okna().tip(ctx_, ai, nejlepsi) : 0;
        });
    };
    FormCreate();
    vytvorMenu();
}

void HerniAplikace::vytvorMenu() {
    menu_ = std::make_unique<TMainMenu>(MenuHost{
        .ctx = ctx_,
        .hra = hra_,
        .nast = nast_,
        .form = screen_.form(),
        .novaHra = [this] { screen_.novaHra(); },
        .NactiObrazky = [this] { screen_.painter().NactiObrazky(); },
        .navratDoHry =
            [this] {
                screen_.form().tlacitka[kMenu].Down->visible = false;
                screen_.zapomenNahled();
                screen_.podleUkazatele();
            },
        .ukazFPS = [this] { return screen_.UkazFPS; },
        .SetVolumeHudba = [this](int hlasitost) { sound_.SetVolumeHudba(hlasitost); },
        .spustHudbu = [this] { sound_.PlayPisen(); },
        .chyba =
            [this](const std::string& text) {
                if (screen_.okna().chyba) screen_.okna().chyba(ctx_, text);
            },
        .potvrd =
            [this](const std::string& text) {
                return screen_.okna().otazka && screen_.okna().otazka(ctx_, text);
            },
    });
    screen_.naMenu = [this] { menu_->DoMenu(); };
    screen_.klavesaMenu = [this](char k) { menu_->FormKeyPress(k); };
    screen_.menuHry = [this](int obrazovka) { menu_->ZeHry(obrazovka); };
}

HerniAplikace::~HerniAplikace() {
    // FormDestroy: nothing may tick into a screen that is going away.
    app_.timer().SetEnabled(false);
    app_.timer().OnTimer = nullptr;
    app_.everyPass = nullptr;
    sound_.stop();
}

void HerniAplikace::FormCreate() {
    s_.Faze = Phase::Intro;
    const NactenaNastaveni n = LoadUserData(nast_, s_, ctx_.user, countMusicTracks(ctx_.install));
    if (!n.upozorneni.empty()) upozorni(n.upozorneni);
    sound_.start(nast_.PocetPisni, nast_.HlasitostHudby);
    ctx_.HrajZvuk = [this](int n) { sound_.HrajZvuk(n); };
    app_.timer().OnTimer = [this] { casovac(); };
    // The tracks follow one another whatever is up: a window, the record
    // viewer with its clocks stopped, an animation.
    app_.everyPass = [this] {
        if (s_.Faze != Phase::Intro) sound_.TimerHudba();
    };
    screen_.form().onShow = [this] { screen_.FormActivate(); };
}

void HerniAplikace::casovac() {
    if (app_.timer().Interval() == 0) {
        menu_->frameTick();
        return;
    }
    screen_.frameTick();
}

void HerniAplikace::doMenu() {
    screen_.FormActivate();
    hra_.NastavCasovac(true, 0);
}

void HerniAplikace::bezIntra() {
    menu_->konecIntra();
}

void HerniAplikace::novaHra() {
    bezIntra();
    menu_->DXDraw1().enabled = false;
    ctx_.app.showPointer(false);
    screen_.FormActivate();
    MainInitMenu(s_);
    if (!PriradHodnoty(s_, nast_)) {
        // Settings that leave no person at the table: seat 1 plays by hand.
        nast_.NastPC[1] = 0;
        PriradHodnoty(s_, nast_);
    }
    screen_.novaHra();
    hra_.NastavCasovac(true, 1);
}

void HerniAplikace::run() {
    for (const std::string& text : upozorneni_) {
        std::cerr << "tavik-borun: " << text << "\n";
        if (screen_.okna().chyba) screen_.okna().chyba(ctx_, text);
    }
    app_.run(screen_.form());
}

}  // namespace tb
