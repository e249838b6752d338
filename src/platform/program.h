#pragma once

#include <functional>

// Ends the program at once: every window disappears, every event loop quits,
// nothing is asked and nothing more is saved. Tests install a hook that sees
// the request instead of the program ending.
void EndProgram();

using EndProgramHook = std::function<void()>;
void SetEndProgramHook(EndProgramHook hook);
