#include "tools/soundgen/xm_module.h"

#include <stdexcept>

namespace snd {

namespace {

Bytes packedPattern(const XmPattern& p) {
    Bytes data;
    for (const XmCell& c : p.cells) {
        // Packed form: a mask byte with the high bit, then only the fields present.
        uint8_t mask = 0x80;
        if (c.note) mask |= 1;
        if (c.instrument) mask |= 2;
        if (c.volume) mask |= 4;
        if (c.effect) mask |= 8;
        if (c.param) mask |= 16;
        data.u8(mask);
        if (c.note) data.u8(c.note);
        if (c.instrument) data.u8(c.instrument);
        if (c.volume) data.u8(c.volume);
        if (c.effect) data.u8(c.effect);
        if (c.param) data.u8(c.param);
    }
    return data;
}

void writeInstrument(Bytes& b, const XmInstrument& in) {
    if (in.envelope.size() > 12) throw std::invalid_argument("envelope too long: " + in.name);
    b.u32(263);
    b.fixed(in.name, 22);
    b.u8(0);
    b.u16(1);
    b.u32(40);
    b.fixed("", 96);  // every note plays sample 0
    for (size_t i = 0; i < 12; ++i) {
        b.u16(i < in.envelope.size() ? in.envelope[i].first : 0);
        b.u16(i < in.envelope.size() ? in.envelope[i].second : 0);
    }
    b.fixed("", 48);  // no panning envelope
    b.u8(uint8_t(in.envelope.size()));
    b.u8(0);
    b.u8(uint8_t(in.sustainPoint < 0 ? 0 : in.sustainPoint));
    b.u8(0);
    b.u8(0);
    b.u8(0);
    b.u8(0);
    b.u8(0);
    b.u8(uint8_t((in.envelope.empty() ? 0 : 1) | (in.sustainPoint >= 0 ? 2 : 0)));
    b.u8(0);
    b.u8(0);  // sine
    b.u8(in.vibratoSweep);
    b.u8(in.vibratoDepth);
    b.u8(in.vibratoRate);
    b.u16(in.fadeout);
    b.fixed("", 22);
    // Sample header: lengths in bytes.
    b.u32(uint32_t(in.sample.size() * 2));
    b.u32(in.loop ? in.loopStart * 2 : 0);
    b.u32(in.loop ? in.loopLength * 2 : 0);
    b.u8(in.volume);
    b.u8(uint8_t(in.finetune));
    b.u8(uint8_t((in.loop ? 1 : 0) | 0x10));
    b.u8(in.panning);
    b.u8(uint8_t(in.relativeNote));
    b.u8(0);
    b.fixed(in.name, 22);
    // Sample data as differences of successive values.
    int16_t previous = 0;
    for (int16_t v : in.sample) {
        b.u16(uint16_t(int16_t(v - previous)));
        previous = v;
    }
}

}  // namespace

Bytes encodeXm(const XmModule& m) {
    if (m.order.empty() || m.order.size() > 256 || m.patterns.size() > 256)
        throw std::invalid_argument("bad order or pattern count");
    Bytes b;
    b.text("Extended Module: ");
    b.fixed(m.name, 20);
    b.u8(0x1A);
    b.fixed("Tavik Borun soundgen", 20);
    b.u16(0x0104);
    b.u32(276);
    b.u16(uint16_t(m.order.size()));
    b.u16(0);
    b.u16(uint16_t(m.channels));
    b.u16(uint16_t(m.patterns.size()));
    b.u16(uint16_t(m.instruments.size()));
    b.u16(1);  // linear frequency table
    b.u16(uint16_t(m.speed));
    b.u16(uint16_t(m.bpm));
    for (size_t i = 0; i < 256; ++i) b.u8(i < m.order.size() ? m.order[i] : 0);
    for (const XmPattern& p : m.patterns) {
        if (p.channels != m.channels) throw std::invalid_argument("pattern width");
        const Bytes data = packedPattern(p);
        b.u32(9);
        b.u8(0);
        b.u16(uint16_t(p.rows));
        b.u16(uint16_t(data.size()));
        b.append(data);
    }
    for (const XmInstrument& in : m.instruments) writeInstrument(b, in);
    return b;
}

void writeXm(const std::filesystem::path& file, const XmModule& m) {
    encodeXm(m).save(file);
}

}  // namespace snd
