#pragma once
#include <csetjmp>

// The picture libraries end a fatal error with a jump out of their C frames back to the reading
// function, which then throws from its own frame. Nothing between needs cleaning up, so the jump
// restores the registers and no more. On 64-bit Windows MinGW's setjmp would instead hand
// longjmp its frame so that the system unwinder walks every frame between, on an error path
// that runs rarely and depends on every frame's unwind data being right; it is not needed here.
#if defined(_WIN64) && defined(__MINGW32__)
#define PLAIN_SETJMP(buffer) _setjmp((buffer), nullptr)
#else
#define PLAIN_SETJMP(buffer) setjmp(buffer)
#endif
