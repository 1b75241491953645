// The program without its skin engine: the unskinned side of the start-up comparison.
#include "app/program.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return RunProgram(false);
}
