// The yardstick of the start-up benchmark: the least a Win32 program does to put a painted
// window on the screen. One window class, one window, one paint, a message loop. Given the
// benchmark's clock start as TL_LAUNCH_QPC, it notes when WinMain was entered and when its first
// paint began in startup_marks.txt, after the loop, so the notes cost nothing measured.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LARGE_INTEGER entered{}, firstPaint{};  // performance-counter values, 0 until they happen

void WriteMarks() {
  const char* start = std::getenv("TL_LAUNCH_QPC");
  FILE* out = start ? std::fopen("startup_marks.txt", "w") : nullptr;
  if (!out)
    return;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const long long launch = std::strtoll(start, nullptr, 10);
  const auto ms = [&](const LARGE_INTEGER& at) {
    return 1000.0 * double(at.QuadPart - launch) / double(frequency.QuadPart);
  };
  std::fprintf(out, "%.3f\tWinMain entered\n", ms(entered));
  if (firstPaint.QuadPart)
    std::fprintf(out, "%.3f\tpaint TlBareWindow\n", ms(firstPaint));
  std::fclose(out);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT: {
    if (!firstPaint.QuadPart)
      QueryPerformanceCounter(&firstPaint);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EndPaint(window, &paint);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  QueryPerformanceCounter(&entered);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "TlBareWindow";
  RegisterClassA(&windowClass);
  // The main window's size, so both programs paint the same area.
  const HWND window = CreateWindowExA(0, "TlBareWindow", "Bare window", WS_OVERLAPPEDWINDOW,
                                      CW_USEDEFAULT, CW_USEDEFAULT, 560, 490, nullptr, nullptr,
                                      instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  WriteMarks();
  return 0;
}
