#pragma once
// tavik-borun-tool: subcommands over the game's rules, for checking and
// measuring them without the screen. Words on the command line and in the
// output are UTF-8.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace tb::tool {

// Runs one command line (without the program name). Returns the exit code:
// 0 done, 1 a broken invariant (selfplay, shell), 2 bad usage or a bad input
// file. The shell reads its commands from `in` (standard input when null).
int runTool(const std::vector<std::string>& args, const std::filesystem::path& executable,
            std::ostream& out, std::ostream& err, std::istream* in = nullptr);

}  // namespace tb::tool
