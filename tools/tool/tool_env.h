#pragma once
// What every subcommand works with: the command's own arguments, the output
// streams, and the dictionary and user directory chosen by the global
// options (opened only when a command asks for them).

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ai/master.h"
#include "engine/game/word_store.h"
#include "files/files.h"

namespace tb::tool {

// Bad usage or a bad input: the message goes to stderr, exit code 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ToolEnv {
  public:
    ToolEnv(std::vector<std::string> args, std::optional<std::filesystem::path> dict,
            std::optional<std::filesystem::path> userDir, std::filesystem::path executable,
            std::istream& in, std::ostream& out, std::ostream& err);
    ~ToolEnv();
    ToolEnv(const ToolEnv&) = delete;
    ToolEnv& operator=(const ToolEnv&) = delete;

    const std::vector<std::string>& args() const { return args_; }
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    // The dictionary (opened on first use).
    WordStore& store();
    // The master on its own cursor of the dictionary, with the installed word graph.
    Mistr& mistr();
    // The user directory: --user-dir, else a fresh one removed at exit. It is
    // locked as the game locks it, so the tool never writes into the
    // directory of a running game (a UserDirBusy then).
    const FileRoot& user();

    // The value after option `name` among the command's arguments, removed
    // from them; nullopt if the option is absent.
    std::optional<std::string> takeOption(const std::string& name);
    int takeIntOption(const std::string& name, int fallback);
    // Whether the flag `name` is among the arguments; removed from them.
    bool takeFlag(const std::string& name);

  private:
    const std::filesystem::path& scratch();

    std::vector<std::string> args_;
    std::optional<std::filesystem::path> dict_, userDir_;
    std::filesystem::path executable_, scratch_;
    std::unique_ptr<WordStore> store_;
    std::unique_ptr<WordCursor> kurzorMistra_;
    std::unique_ptr<Mistr> mistr_;
    std::optional<UserDirLock> lock_;
    std::optional<FileRoot> user_;
};

}  // namespace tb::tool
