#include <iostream>

#include "tools/tool/tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return tb::tool::runTool(args, argv[0], std::cout, std::cerr);
}
