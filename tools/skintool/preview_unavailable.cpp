#include "commands.h"

#include <cstdio>

// Drawing the sheet needs the Windows graphics calls of the skin engine.
int PreviewCommand(const std::string&, const std::string&) {
  std::fputs("skintool: preview needs the Windows build (skintool.exe; under Wine on Linux)\n",
             stderr);
  return ExitUsage;
}
