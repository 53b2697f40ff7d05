#pragma once

#include <functional>

// How a window ends the whole program (after an update has been downloaded). The main
// window hands in its own orderly shutdown; tests hand in one they can observe.
using ProgramEnd = std::function<void()>;

// Closes every window of the program and leaves the event loop.
void closeProgram();
