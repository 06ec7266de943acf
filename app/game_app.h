#pragma once
// The running game: the one game state, the dictionary cursors, the move
// record, the game screen and the rules behind it, and the computer player.
// Creating it is FormCreate (user settings, sound), showing the screen is
// FormActivate (the tile pictures), destroying it is FormDestroy.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ai/computer_turn.h"
#include "engine/game/hra.h"
#include "engine/game/random.h"
#include "engine/game/word_store.h"
#include "engine/record/move_record.h"
#include "engine/saves/user_settings.h"
#include "platform/application.h"
#include "platform/image_manifest.h"
#include "platform/mixer_backend.h"
#include "platform/sound.h"
#include "ui/game/game_screen.h"
#include "ui/screens/main_menu_screen.h"
#include "ui/windows/ui_context.h"

namespace tb {

class HerniAplikace {
  public:
    // `zvuk`: the sound library, SDL_mixer when null.
    HerniAplikace(Application& app, FileRoot install, FileRoot user, WordStore& slovnik,
                  Random& rnd, HerniOkna okna = herniOkna(), SoundBackend* zvuk = nullptr);
    ~HerniAplikace();
    HerniAplikace(const HerniAplikace&) = delete;
    HerniAplikace& operator=(const HerniAplikace&) = delete;

    GameState& stav() { return s_; }
    UiContext& ctx() { return ctx_; }
    GameScreen& screen() { return screen_; }
    Hra& hra() { return hra_; }
    UserSettings& nastaveni() { return nast_; }
    TMainMenu& menu() { return *menu_; }

    // A new game with the new-game choices of the user settings at once,
    // past the intro and the menus; its first timer tick deals.
    void novaHra();
    // Past the intro: the music starts at once.
    void bezIntra();
    // The intro, then the main menu.
    void doMenu();
    // Runs the game screen until the application ends.
    void run();
    // Something the player is told (UTF-8) in a box before the first frame:
    // a file of his that the game could not use.
    void upozorni(const std::string& text) { upozorneni_.push_back(text); }

  private:
    void FormCreate();
    void casovac();
    void vytvorMenu();

    Application& app_;
    ImageLists obrazky_;
    GameState s_;
    std::unique_ptr<WordCursor> kurzor_, kurzorPC_;
    TZapis zapis_;
    UiContext ctx_;
    GameScreen screen_;
    Hra hra_;
    Mistr mistr_;
    PocitacovyHrac pc_;
    std::unique_ptr<ComputerPlayer> tahyPC_;  // pc_'s moves while the game is not quitting
    MixerBackend mixer_;
    Sound sound_;
    UserSettings nast_;
    std::unique_ptr<TMainMenu> menu_;
    std::vector<std::string> upozorneni_;
};

}  // namespace tb
