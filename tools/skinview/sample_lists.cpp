#include "sample_lists.h"

#include "framework/form.h"
#include "framework/list_view.h"

#include <string>

void PrepareSampleLists(TForm& form) {
  auto* view = dynamic_cast<TListView*>(form.FindComponent("ReportView"));
  if (!view)
    return;
  for (int i = 1; i <= 40; ++i)
    view->AddItem("picture " + std::to_string(i) + ".bmp",
                  {std::to_string(12 + i * 7 % 90) + " KB", "2026-12-" + std::to_string(1 + i % 28)});
}
