#pragma once
// The subcommands of tavik-borun-tool; each returns its exit code.

#include "tools/tool/tool_env.h"

namespace tb::tool {

int lookupCommand(ToolEnv& env);
int selfplayCommand(ToolEnv& env);
int hintCommand(ToolEnv& env);
int playCommand(ToolEnv& env);
int movelistCommand(ToolEnv& env);
int shellCommand(ToolEnv& env);

}  // namespace tb::tool
