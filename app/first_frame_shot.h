#pragma once
// --screenshot FILE: the first picture the game shows is saved to FILE and
// the game ends. Installation checks and the screenshot script start the
// real game this way; the report says how long the start took.

#include <filesystem>
#include <functional>
#include <iosfwd>

#include "platform/application.h"

namespace tb {

// The hook to hang on Application::afterFlip.
std::function<void()> firstFrameShot(Application& app, std::filesystem::path file,
                                     std::ostream& report);

// Milliseconds since the system started this process (in the kernel's 10 ms
// steps), so loading the program and its libraries counts too.
long msSinceProcessStart();
// Processor time the process has used so far, all its threads together:
// the cost of the start, whatever else the machine is doing.
long processorMsSinceStart();

}  // namespace tb
