#pragma once
// The whole program from entry to exit: one instance, the application titled "Tapestrel", the
// main window, the message loop. SKINNED installs the skin engine first; the program itself
// always passes true, a start-up benchmark passes false to measure the same program without it.

int RunProgram(bool skinned);
