// The tool's lookup, and how it reports bad usage.

#include <gtest/gtest.h>

#include "tool_fixture.h"

namespace tb::test {
namespace {

TEST(ToolLookup, TypedWordsLoweredOnlyInAToZ) {
    ToolFixture t({"pes", "žába", "čaj"});
    const ToolRun r = t.run({"lookup", "pes", "PES", "žába", "Žába", "ŽÁBA", "kočka", "čajω"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "pes\t1\nPES\t1\nžába\t1\nŽába\t0\nŽÁBA\t0\nkočka\t0\nčajω\t0\n");
}

TEST(ToolLookup, BadUsageExitsWithTwo) {
    ToolFixture t({"pes"});
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{}, "usage:"},
        {{"frobnicate"}, "usage:"},
        {{"lookup"}, "at least one word"},
    };
    for (const Case& c : cases) {
        const ToolRun r = t.run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    std::ostringstream out, err;
    EXPECT_EQ(tool::runTool({"--dict", (t.dir.path() / "none.db").string(), "lookup", "pes"},
                            t.dir.path() / "x", out, err),
              2);
    EXPECT_NE(err.str().find("none.db"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace tb::test
