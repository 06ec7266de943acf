#pragma once
// The instruments of the music, each one synthesized sample sounding its
// written pitch at C-4.

#include "tools/soundgen/xm_module.h"

namespace snd {

XmInstrument electricPiano();
XmInstrument warmPad();
XmInstrument softBass();
XmInstrument flute();
XmInstrument marimba();
XmInstrument kick();
XmInstrument shaker();
XmInstrument rim();

}  // namespace snd
