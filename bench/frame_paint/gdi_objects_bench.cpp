// Live GDI objects of a process showing the skinned main window, before and after each of:
// full frame repaints, caption hover changes over and off the close button, the close button's
// hint shown and hidden, openings of the window menu (right click on the caption) and of the
// form's popup menu, hovering across every push button of the window, and switches of the skin
// off and on. Each kind of work runs twice first,
// unmeasured, so objects that are made once and kept (fonts, cached pictures) do not count;
// after that a count that does not come back is a leak.
// Usage: bench_gdi_objects [SCALE] — divides every repetition count (1 by default).
#include "live_gdi_objects.h"
#include "main_form_stand.h"

#include "framework/page_control.h"
#include "framework/popup_menu.h"
#include "skin/data/skin_data.h"
#include "skin/window/skin_manage.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kFullRepaint = RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

struct TMenuCount {
  int shown = 0;    // a visible popup menu window was there when the timer closed it
  int skinned = 0;  // and it answered as skinned
};
TMenuCount menus;

// Runs from the menu's own message loop: notes the open menu window and closes the menu.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const HWND popup = FindWindowA("#32768", nullptr);
  if (popup && IsWindowVisible(popup)) {
    ++menus.shown;
    if (SendMessageA(popup, SKM_ISSKINNED, 0, 0) == 1)
      ++menus.skinned;
  }
  EndMenu();
}

BOOL CALLBACK CollectPushButton(HWND window, LPARAM list) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiA(name, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

class TGdiBench {
public:
  explicit TGdiBench(TForm1& form) : form_(form), window_(form.Handle()) {}

  std::string Repaint(int times) {
    for (int i = 0; i < times; ++i)
      RedrawWindow(window_, nullptr, nullptr, kFullRepaint);
    return {};
  }

  // Each change is one WM_NCMOUSEMOVE onto the close button or off it onto the caption's text.
  std::string HoverCloseButton(int changes) {
    const TWinSkinForm* skinner = SkinManage()->FindFormSkinner(window_);
    const TNCObject* close = CloseButton(*skinner);
    if (!close)
      return "no close button";
    RECT frame{};
    GetWindowRect(window_, &frame);
    const POINT over{frame.left + (close->Bounds.left + close->Bounds.right) / 2,
                     frame.top + (close->Bounds.top + close->Bounds.bottom) / 2};
    const RECT title = skinner->CaptionTextRect();
    const POINT off{frame.left + (title.left + title.right) / 2, frame.top + (title.top + title.bottom) / 2};
    int hot = 0;
    for (int i = 0; i < changes; ++i) {
      const POINT at = i % 2 ? off : over;
      SendMessageA(window_, WM_NCMOUSEMOVE, i % 2 ? HTCAPTION : HTCLOSE, MAKELPARAM(at.x, at.y));
      if (i % 2 == 0 && close->MouseState == msHot)
        ++hot;
      PumpPending();
    }
    return "close button hot " + std::to_string(hot) + " of " + std::to_string((changes + 1) / 2);
  }

  // The mouse rests on the close button until its hint shows, then leaves the caption.
  std::string ShowCloseButtonHint(int times) {
    const TWinSkinForm* skinner = SkinManage()->FindFormSkinner(window_);
    const TNCObject* close = CloseButton(*skinner);
    auto* skin = dynamic_cast<TSkinData*>(form_.FindComponent("SkinData1"));
    if (!close || !skin)
      return "no close button";
    RECT frame{};
    GetWindowRect(window_, &frame);
    const POINT over{frame.left + (close->Bounds.left + close->Bounds.right) / 2,
                     frame.top + (close->Bounds.top + close->Bounds.bottom) / 2};
    const auto hintShown = [skin] {
      const HWND hint = skin->HintWindow().Handle();
      return hint && IsWindowVisible(hint);
    };
    int shown = 0;
    for (int i = 0; i < times; ++i) {
      SetCursorPos(over.x, over.y);
      SendMessageA(window_, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(over.x, over.y));
      if (PumpUntil(hintShown, 3000))
        ++shown;
      SetCursorPos(frame.right + 50, frame.bottom + 50);
      PumpUntil([&] { return !hintShown() && close->MouseState != msHot; }, 3000);
    }
    return "hint shown " + std::to_string(shown) + " of " + std::to_string(times);
  }

  std::string OpenWindowMenu(int times) {
    menus = {};
    for (int i = 0; i < times; ++i) {
      SetTimer(nullptr, 0, 20, CloseOpenMenu);
      SendMessageA(window_, WM_NCRBUTTONDOWN, HTCAPTION, 0);
      // A click within the double-click time of the last is the second click of a double click.
      PumpUntil([] { return false; }, GetDoubleClickTime() + 20);
    }
    return MenuNote(times);
  }

  std::string OpenFormPopup(int times) {
    auto* popup = dynamic_cast<TPopupMenu*>(form_.FindComponent("PopupMenu1"));
    if (!popup)
      return "no popup menu";
    menus = {};
    RECT frame{};
    GetWindowRect(window_, &frame);
    for (int i = 0; i < times; ++i) {
      SetTimer(nullptr, 0, 20, CloseOpenMenu);
      popup->Popup(frame.left + 100, frame.top + 100);
      PumpPending();
    }
    return MenuNote(times);
  }

  // Each pass moves the mouse onto every push button of the window in turn and off it again,
  // as a user sweeping across the buttons would.
  std::string HoverButtons(int passes) {
    std::vector<HWND> buttons;
    EnumChildWindows(window_, &CollectPushButton, reinterpret_cast<LPARAM>(&buttons));
    int skinned = 0;
    for (HWND button : buttons)
      skinned += SendMessageA(button, SKM_ISSKINNED, 0, 0) == 1;
    for (int i = 0; i < passes; ++i)
      for (HWND button : buttons) {
        SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(button, WM_MOUSELEAVE, 0, 0);
        PumpPending();
      }
    return std::to_string(buttons.size()) + " buttons, " + std::to_string(skinned) + " skinned";
  }

  // Each switch is a click on the next tab of the page control, the new page painted.
  std::string SwitchPages(int times) {
    TPageControl* pages = form_.PageControl1;
    if (!pages || pages->PageCount() == 0)
      return "no page control";
    HWND tabs = pages->Handle();
    int shown = 0;
    for (int i = 0; i < times; ++i) {
      const int next = (pages->ActivePageIndex() + 1) % pages->PageCount();
      RECT tab{};
      SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(next), reinterpret_cast<LPARAM>(&tab));
      const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
      SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageA(tabs, WM_LBUTTONUP, 0, at);
      PumpPending();
      shown += pages->ActivePageIndex() == next;
    }
    return "pages shown " + std::to_string(shown) + " of " + std::to_string(times) + ", tabs skinned " +
           std::to_string(SendMessageA(tabs, SKM_ISSKINNED, 0, 0) == 1);
  }

  std::string SwitchSkin(int times) {
    auto* skin = dynamic_cast<TSkinData*>(form_.FindComponent("SkinData1"));
    int back = 0;
    for (int i = 0; i < times; ++i) {
      skin->SetActive(false);
      PumpUntil([this] { return !SkinManage()->FindFormSkinner(window_); });
      skin->SetActive(true);
      if (PumpUntil([this] { return SkinnerRunning(window_); }))
        ++back;
    }
    Activate(window_);
    return "skinned again " + std::to_string(back) + " of " + std::to_string(times);
  }

private:
  static const TNCObject* CloseButton(const TWinSkinForm& skinner) {
    for (const auto& button : skinner.CaptionButtons())
      if (button->Action() == caClose && button->Visible)
        return button.get();
    return nullptr;
  }
  static std::string MenuNote(int times) {
    return "menus shown " + std::to_string(menus.shown) + " of " + std::to_string(times) +
           ", skinned " + std::to_string(menus.skinned);
  }

  TForm1& form_;
  HWND window_;
};

struct TStep {
  const char* name;
  int times;
  std::function<std::string(TGdiBench&, int)> run;
};

void PrintTypeChanges(const TGdiObjectCounts& before, const TGdiObjectCounts& after) {
  for (size_t type = 1; type < before.size(); ++type)
    if (before[type] != after[type])
      std::printf("%38s %s %+d\n", "", GdiObjectTypeName(type), after[type] - before[type]);
}

}  // namespace

int main(int argc, char** argv) {
  const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  TMainFormStand stand;
  TForm1* form = stand.ShowForm(100, 50, true);
  if (!form) {
    std::printf("the skinned main window did not come up\n");
    return 1;
  }
  TGdiBench bench(*form);
  const TStep steps[] = {
      {"full frame repaints", 1000, &TGdiBench::Repaint},
      {"caption hover changes", 1000, &TGdiBench::HoverCloseButton},
      {"close button hints shown", 20, &TGdiBench::ShowCloseButtonHint},
      {"window menu openings", 100, &TGdiBench::OpenWindowMenu},
      {"form popup menu openings", 100, &TGdiBench::OpenFormPopup},
      {"hovers across every button", 1000, &TGdiBench::HoverButtons},
      {"page switches by tab clicks", 300, &TGdiBench::SwitchPages},
      {"skin off/on switches", 100, &TGdiBench::SwitchSkin},
  };
  const int beforeWarmUp = LiveGdiObjects();
  for (const TStep& step : steps)  // warm-up
    step.run(bench, 2);
  PumpUntil([] { return false; }, 300);

  const int first = LiveGdiObjects();
  std::printf("%d live GDI objects with the window shown, %d after one warm-up of every step\n",
              beforeWarmUp, first);
  std::printf("live GDI objects, before and after each step\n");
  std::printf("%-28s %5s %7s %7s %5s  %s\n", "step", "times", "before", "after", "diff", "check");
  for (const TStep& step : steps) {
    const int times = std::max(1, step.times / scale);
    const TGdiObjectCounts before = LiveGdiObjectsByType();
    const std::string note = step.run(bench, times);
    PumpUntil([] { return false; }, 300);  // timers and posted repaints the step left behind
    const TGdiObjectCounts after = LiveGdiObjectsByType();
    int beforeTotal = 0, afterTotal = 0;
    for (size_t type = 1; type < before.size(); ++type)
      beforeTotal += before[type], afterTotal += after[type];
    std::printf("%-28s %5d %7d %7d %+5d  %s\n", step.name, times, beforeTotal, afterTotal,
                afterTotal - beforeTotal, note.c_str());
    PrintTypeChanges(before, after);
  }
  std::printf("all steps: %d before, %d after\n", first, LiveGdiObjects());
  return 0;
}
