#pragma once
// Runs tavik-borun-tool in-process on a small dictionary file of its own.

#include <sstream>
#include <string>
#include <vector>

#include "store/sqlite_db.h"
#include "support/temp_dir.h"
#include "tools/tool/tool.h"

namespace tb::test {

struct ToolRun {
    int code;
    std::string out, err;
};

class ToolFixture {
  public:
    // Words in UTF-8.
    explicit ToolFixture(const std::vector<std::string>& words) {
        SqliteDb db(dict(), SqliteDb::Mode::ReadWriteCreate);
        db.exec("CREATE TABLE Slovnik(Cesky TEXT PRIMARY KEY) WITHOUT ROWID");
        db.exec("BEGIN");
        auto insert = db.prepare("INSERT OR IGNORE INTO Slovnik VALUES (?1)");
        for (const auto& w : words) insert.bind(1, w).run();
        db.exec("COMMIT");
    }
    std::filesystem::path dict() const { return dir.path() / "slovnik.db"; }

    // `in` is the standard input of the shell.
    ToolRun run(std::vector<std::string> args, const std::string& in = "") const {
        args.insert(args.begin(),
                    {"--dict", dict().string(), "--user-dir", (dir.path() / "user").string()});
        std::ostringstream out, err;
        std::istringstream input(in);
        const int code = tool::runTool(args, dir.path() / "tavik-borun-tool", out, err, &input);
        return {code, out.str(), err.str()};
    }

    TempDir dir;
};

}  // namespace tb::test
