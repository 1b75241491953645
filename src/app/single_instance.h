#pragma once
#include <string>

// Creates the named mutex that marks a running instance. Returns false when another holder
// already created it. The handle is kept open for the rest of the process and never released.
bool AcquireSingleInstance(const std::string& name);
