#pragma once

#include "app/program.h"

#include <functional>

// The entry's work between the module initialisers and the message loop:
// identify the agent, ask the platform (ending silently when it does not
// answer with success), deal with running copies, then open the window.
// Returns whether the window was created.
bool startUp(Program& program, const std::function<bool()>& createWindow);

// Module initialisers run once, in registration order, before startUp.
void registerModuleInitialiser(std::function<void()> initialiser);
void runModuleInitialisers();
