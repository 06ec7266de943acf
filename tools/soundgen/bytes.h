#pragma once
// A little-endian byte buffer for the file writers.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace snd {

class Bytes {
  public:
    void u8(uint8_t v) { data_.push_back(v); }
    void u16(uint16_t v) {
        u8(v & 0xFF);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void text(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }
    // Text padded with zeros (or cut) to exactly n bytes.
    void fixed(std::string_view s, size_t n) {
        for (size_t i = 0; i < n; ++i) u8(i < s.size() ? uint8_t(s[i]) : 0);
    }
    void append(const Bytes& other) {
        data_.insert(data_.end(), other.data_.begin(), other.data_.end());
    }
    size_t size() const { return data_.size(); }
    void save(const std::filesystem::path& file) const {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data_.data()), std::streamsize(data_.size()));
        if (!out) throw std::runtime_error("cannot write " + file.string());
    }

  private:
    std::vector<uint8_t> data_;
};

}  // namespace snd
