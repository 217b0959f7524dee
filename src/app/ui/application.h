#pragma once

namespace tarnwick {

// Starts the program and runs it until the process ends.
int runApplication();

} // namespace tarnwick
