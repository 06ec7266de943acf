#include "files/text.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace tb {
namespace {

// The system's own iconv is the reference for the code page.
std::string iconvTo(const char* to, const char* from, const std::string& in) {
    iconv_t cd = iconv_open(to, from);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

TEST(Text, EveryAssignedByteRoundTripsAndMatchesIconv) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = cp1250ToUtf8(one);
        if (utf8.empty()) continue;  // unassigned in the code page
        EXPECT_EQ(utf8, iconvTo("UTF-8", "CP1250", one)) << b;
        EXPECT_EQ(utf8ToCp1250(utf8), one) << b;
    }
}

TEST(Text, CharactersOutsideTheCodePageAreDroppedNotFatal) {
    EXPECT_EQ(utf8ToCp1250("a\342\202\254b"), "a\200b");  // the euro sign is in it
    EXPECT_EQ(utf8ToCp1250("x\346\227\245y"), "xy");      // CJK is not
    EXPECT_EQ(utf8ToCp1250("k\360\237\230\200o"), "ko");  // emoji
    EXPECT_EQ(utf8ToCp1250("a\303"), "a");                // cut short
    EXPECT_EQ(utf8ToCp1250("a\377\376b"), "ab");          // not UTF-8 at all
    EXPECT_EQ(cp1250ToUtf8("a\201b"), "ab");              // unassigned byte
}

TEST(Text, LoweringTouchesOnlyAsciiCapitals) {
    EXPECT_EQ(lowerAZ("PES"), "pes");
    EXPECT_EQ(lowerAZ(utf8ToCp1250("ŽLUŤ")), utf8ToCp1250("ŽluŤ"));
    EXPECT_EQ(lowerAZ(utf8ToCp1250("Řeka")), utf8ToCp1250("Řeka"));
    EXPECT_EQ(lowerAZ(" A-Z "), " a-z ");
}

}  // namespace
}  // namespace tb
