#include "tools/tool/tool_env.h"

#include <cstdlib>
#include <ostream>
#include <random>

#include "store/sqlite_word_store.h"

namespace tb::tool {

ToolEnv::ToolEnv(std::vector<std::string> args, std::optional<std::filesystem::path> dict,
                 std::optional<std::filesystem::path> userDir, std::filesystem::path executable,
                 std::istream& i, std::ostream& o, std::ostream& e)
    : in(i),
      out(o),
      err(e),
      args_(std::move(args)),
      dict_(std::move(dict)),
      userDir_(std::move(userDir)),
      executable_(std::move(executable)) {}

ToolEnv::~ToolEnv() {
    mistr_.reset();
    kurzorMistra_.reset();
    store_.reset();
    lock_.reset();
    std::error_code ec;
    if (!scratch_.empty()) std::filesystem::remove_all(scratch_, ec);
}

const std::filesystem::path& ToolEnv::scratch() {
    if (scratch_.empty()) {
        std::random_device rd;
        scratch_ = std::filesystem::temp_directory_path() /
                   ("tavik-borun-tool-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(scratch_);
    }
    return scratch_;
}

const FileRoot& ToolEnv::user() {
    if (!user_) {
        const auto dir = userDir_ ? *userDir_ : scratch() / "user";
        lock_.emplace(dir);
        user_.emplace(dir);
        seedUserDir(*user_, countMusicTracks(FileRoot(findInstallRoot(executable_, {}))));
    }
    return *user_;
}

WordStore& ToolEnv::store() {
    if (!store_) {
        FileRoot install(findInstallRoot(executable_, {}));
        if (dict_) {
            // The store reads the shipped name from an installation root; a
            // scratch root holding a link of that name points it at any file.
            if (!std::filesystem::is_regular_file(*dict_))
                throw UsageError("dictionary not found: " + dict_->string());
            const auto root = scratch() / "install";
            std::filesystem::create_directories(root);
            std::filesystem::create_symlink(std::filesystem::absolute(*dict_),
                                            root / SqliteWordStore::kShippedName);
            install = FileRoot(root);
        }
        auto store = std::make_unique<SqliteWordStore>(install, user());
        store->index();  // a damaged dictionary is reported here, not mid-command
        if (!store->upozorneni().empty())
            err << "tavik-borun-tool: " << store->upozorneni() << "\n";
        store_ = std::move(store);
    }
    return *store_;
}

Mistr& ToolEnv::mistr() {
    if (!mistr_) {
        kurzorMistra_ = store().openCursor();
        // The store's graph: the installed one, or one made of another dictionary's words.
        mistr_ = std::make_unique<Mistr>(
            *kurzorMistra_, [this] { return store().wordGraph(); },
            [this] { return store().addedWords(); });
    }
    return *mistr_;
}

bool ToolEnv::takeFlag(const std::string& name) {
    return std::erase(args_, name) > 0;
}

std::optional<std::string> ToolEnv::takeOption(const std::string& name) {
    for (size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] != name) continue;
        if (i + 1 >= args_.size()) throw UsageError(name + " needs a value");
        std::string value = args_[i + 1];
        args_.erase(args_.begin() + static_cast<long>(i), args_.begin() + static_cast<long>(i) + 2);
        return value;
    }
    return std::nullopt;
}

int ToolEnv::takeIntOption(const std::string& name, int fallback) {
    const auto v = takeOption(name);
    if (!v) return fallback;
    char* end = nullptr;
    const long n = std::strtol(v->c_str(), &end, 10);
    if (v->empty() || *end != '\0' || n < 0 || n > 1'000'000'000)
        throw UsageError(name + ": not a number: " + *v);
    return static_cast<int>(n);
}

}  // namespace tb::tool
