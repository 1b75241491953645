// The main window's Delete with every entry selected, and with every other one, against Clear,
// on the same list. Usage: bench_list_delete [ENTRIES] (50000 unless given). The window writes
// Filelist.txt next to this program, as the program does.
#include "app/main_form.h"
#include "framework/application.h"
#include "framework/list_box.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER freq) {
  return double(b.QuadPart - a.QuadPart) / double(freq.QuadPart);
}

// Fills the list, selects what SELECT names, and times HANDLER.
template <class Select, class Handler>
double Time(TForm1& form, const std::vector<std::string>& entries, Select select, Handler handler) {
  form.FileList->SetItems(entries);
  select(form.FileList->Handle());
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  handler();
  QueryPerformanceCounter(&t1);
  return Seconds(t0, t1, freq);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 50000;
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i)
    entries.push_back("C:\\Pictures\\Holidays\\2024\\picture" + std::to_string(i) + ".bmp");

  TApplication application;
  Application = &application;
  application.SetMessageBoxFunction([](HWND, const std::string&, const std::string&, UINT) { return IDOK; });
  CreateForm(Form1);
  TForm1& form = *Form1;
  form.Handle();

  const auto none = [](HWND) {};
  const auto all = [count](HWND list) { SendMessageA(list, LB_SELITEMRANGEEX, 0, count - 1); };
  const auto everyOther = [count](HWND list) {
    for (int i = 0; i < count; i += 2)
      SendMessageA(list, LB_SETSEL, TRUE, i);
  };
  std::printf("%d entries\n%-28s %10s %10s %10s\n", count, "run", "clear s", "delete s", "ratio");
  for (int round = 0; round < 3; ++round) {
    const double clear = Time(form, entries, none, [&] { form.Button6Click(nullptr); });
    const double deleteAll = Time(form, entries, all, [&] { form.Button2Click(nullptr); });
    const double deleteHalf = Time(form, entries, everyOther, [&] { form.Button2Click(nullptr); });
    std::printf("%-28s %10.3f %10.3f %10.2f\n", "delete all selected", clear, deleteAll, deleteAll / clear);
    std::printf("%-28s %10.3f %10.3f %10.2f\n", "delete every other one", clear, deleteHalf, deleteHalf / clear);
  }
  Application = nullptr;
  return 0;
}
