// Settings reader: any bytes either fail with FileError or give settings
// that are written and read back unchanged, within the ranges the screens use.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/user_settings.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    UserSettings nast;
    bool zvuky = false;
    try {
        parseUserData(std::string_view(reinterpret_cast<const char*>(data), size), "User.dat", nast,
                      zvuky);
    } catch (const FileError&) {
        return 0;
    }
    fuzz::require(nast.NastHracu >= 2 && nast.NastHracu <= 4, "players out of range");
    fuzz::require(nast.NastLimit >= 0 && nast.NastLimit / 30 <= 10, "limit picture out of range");
    fuzz::require(nast.NastMinPismen >= 2 && nast.NastMinPismen <= 5, "letters out of range");
    const std::string once = formatUserData(nast, zvuky);
    UserSettings back;
    bool zvukyBack = false;
    try {
        parseUserData(once, "written User.dat", back, zvukyBack);
    } catch (const FileError&) {
        fuzz::require(false, "written settings are not read back");
    }
    fuzz::require(formatUserData(back, zvukyBack) == once, "write, read, write differs");
    return 0;
}
