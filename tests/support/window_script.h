#pragma once
// Input for the real loop in checkpoints: each runs once the loop has used up the events
// before it and queues more, those it queues right after it. Controls are found by name.

#include <deque>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "files/text.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "support/scripted_events.h"

namespace tb::test {

// A text of the game's code page, written in UTF-8.
inline std::string cp(const char* utf8) {
    return utf8ToCp1250(utf8);
}

class OknaSkript {
  public:
    // `dosla`: what the loop gets when it waits and no checkpoint is left.
    void pripoj(Application& app, ScriptedEvents& events, std::function<void()> dosla) {
        app_ = &app;
        events_ = &events;
        dosla_ = std::move(dosla);
        events.onIdle = [this] {
            if (kroky_.empty()) {
                if (dosla_) dosla_();
                return;
            }
            auto krok = std::move(kroky_.front());
            kroky_.pop_front();
            vlozeno_ = 0;
            ++bezi_;
            krok();
            --bezi_;
        };
    }

    // Runs `krok` once the events queued so far are used up.
    void potom(std::function<void()> krok) {
        if (bezi_)
            kroky_.insert(kroky_.begin() + vlozeno_++, std::move(krok));
        else
            kroky_.push_back(std::move(krok));
    }
    // The loop runs on for `ms` of its clock before the next checkpoint.
    void cekej(uint32_t ms) {
        potom([this, ms] { cekejDo(app().GetTickCount() + ms); });
    }
    bool hotovo() const { return kroky_.empty(); }

    Application& app() { return *app_; }
    Window& okno() {
        if (!app_->top()) throw std::runtime_error("no window is open");
        return *app_->top();
    }
    template <class T = Control>
    T& prvek(const std::string& name) {
        auto* c = dynamic_cast<T*>(okno().find(name));
        if (!c) throw std::runtime_error("no control " + name + " in " + okno().name);
        return *c;
    }
    std::string text(const std::string& label) { return prvek<Label>(label).caption; }
    // The captions of `labels`, joined by '|'.
    std::string texty(std::initializer_list<const char*> labels) {
        std::string t;
        for (const char* l : labels) t += "|" + text(l);
        return t.substr(1);
    }
    bool svitiBy(const std::string& face) { return prvek(face).visible; }
    // A click in the middle of a control of the open window; the pointer moved there.
    void klikni(const std::string& name) { events_->click(stred(name).first, stred(name).second); }
    void najed(const std::string& name) { events_->move(stred(name).first, stred(name).second); }
    // Over a dialog button's OFF face (it lights), a click on the ON face; `stiskni` later.
    void zmackni(const std::string& tlacitko) {
        najed(tlacitko + "OFF");
        klikni(tlacitko + "ON");
    }
    void stiskni(const std::string& tlacitko) {
        najed(tlacitko + "OFF");
        potom([this, tlacitko] { klikni(tlacitko + "ON"); });
    }

  private:
    std::pair<int, int> stred(const std::string& name) {
        const Control& c = prvek(name);
        const Rect b = okno().bounds;
        return {b.x + c.left + c.width / 2, b.y + c.top + c.height / 2};
    }
    void cekejDo(uint32_t konec) {
        if (app().GetTickCount() < konec) potom([this, konec] { cekejDo(konec); });
    }

    Application* app_ = nullptr;
    ScriptedEvents* events_ = nullptr;
    std::function<void()> dosla_;
    std::deque<std::function<void()>> kroky_;
    int bezi_ = 0;        // a checkpoint is running
    size_t vlozeno_ = 0;  // checkpoints it has queued so far
};

}  // namespace tb::test
