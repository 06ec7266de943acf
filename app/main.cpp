// Tavik Borun: the game's entry point.

#include <string>
#include <vector>

#include "app/app_main.h"

int main(int argc, char** argv) {
    return tb::runApplication(std::vector<std::string>(argv + 1, argv + argc), argv[0]);
}
