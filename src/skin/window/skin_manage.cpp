#include "skin/window/skin_manage.h"

#include "framework/core/sysutils.h"
#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/window/popup_menu_skinner.h"
#include "skin/window/skin_messages.h"
#include "skin/window/win_skin_form.h"

#include <algorithm>
#include <cctype>

namespace {

HHOOK hookHandle = nullptr;
bool hooksDisabled = false;

std::string WindowClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// A child window that is neither an MDI child nor inside an MDI client: never a frame to skin.
bool IsPlainChild(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!(style & WS_CHILD) || (exStyle & WS_EX_MDICHILD))
    return false;
  return AsciiLowerCase(WindowClassName(GetParent(window))) != "mdiclient";
}

// Every live form, newest first.
template <class Fn>
void ForEachFormFromLast(Fn&& fn) {
  const std::vector<TForm*> forms = TForm::Screen();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    fn(*it);
}

void RedrawWholeWindow(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

TSkinManage* SkinManage() {
  return dynamic_cast<TSkinManage*>(SkinManager());
}

void InstallSkinManage() {
  SetSkinManagerFactory([] { return std::make_unique<TSkinManage>(); });
}

TSkinManage::TSkinManage() {
  timer_.SetEnabled(false);
  timer_.SetInterval(100);
  timer_.SetOnTimer([this](TComponent*) { RunPendingAction(); });
  TForm::SetBeforeFirstShow([this](TForm& form) { SkinBeforeFirstShow(form); });
}

TSkinManage::~TSkinManage() {
  TForm::SetBeforeFirstShow(nullptr);
  state_ = kManagerShuttingDown;
  active_ = false;
  timer_.SetEnabled(false);
  while (!forms_.empty()) {
    std::unique_ptr<TWinSkinForm> skinner = std::move(forms_.back());
    forms_.pop_back();
    skinner->Release();
  }
  popupMenus_.clear();
  if (hook_) {
    UnhookWindowsHookEx(hook_);
    hookHandle = nullptr;
  }
  hooksDisabled = true;
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
  skinDatas_.push_back(skinData);
  if (!mainSkinData_ && skinData->SkinFormtype() == sfMainform)
    mainSkinData_ = skinData;
}

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  std::erase(skinDatas_, skinData);
  if (mainSkinData_ == skinData)
    mainSkinData_ = nullptr;
  if (requester_ == skinData)
    requester_ = nullptr;
}

void TSkinManage::InstallHook() {
  if (hook_)
    return;
  hooksDisabled = false;
  hook_ = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  hookHandle = hook_;
}

void TSkinManage::Schedule(int action, int delayMs) {
  pendingAction_ = action;
  timer_.SetInterval(static_cast<uint32_t>(std::max(delayMs, 1)));
  if (state_ != kManagerWaiting) {
    timer_.SetEnabled(false);  // a newer request restarts the delay
    timer_.SetEnabled(true);
  } else if (action == saActivate || action == saDeactivate) {
    active_ = action == saActivate;
  }
}

void TSkinManage::RefreshSkin() {
  for (auto& skinner : forms_)
    if (skinner->SkinData() == requester_)
      skinner->ClearCaptionButtons();
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = hooksDisabled || code < 0 ? nullptr : SkinManage();
  if (manager) {
    HWND window = reinterpret_cast<HWND>(wParam);
    CallGuarded([&] {
      switch (code) {
        case HCBT_CREATEWND:
          manager->HandleCreate(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam));
          break;
        case HCBT_DESTROYWND:
          manager->DetachPopupMenu(window);
          break;
        case HCBT_ACTIVATE:
          if (manager->state_ == kManagerWaiting)
            manager->state_ = kManagerRunning;
          manager->SkinWindow(window);
          break;
      }
    });
  }
  return CallNextHookEx(hookHandle, code, wParam, lParam);
}

void TSkinManage::HandleCreate(HWND window, const CBT_CREATEWNDA& create) {
  const std::string className = WindowClassName(window);
  const CREATESTRUCTA& cs = *create.lpcs;
  // A size grip made later as a child of a skinned window gets the skin's face like the rest.
  if (className == "ScrollBar" && (cs.style & SBS_SIZEGRIP)) {
    if (TWinSkinForm* parent = FindFormSkinner(cs.hwndParent))
      parent->SkinChildWindow(window);
  } else if (!(cs.style & WS_CHILD) && className == "#32768")
    AttachPopupMenu(window);
  else if (cs.dwExStyle & WS_EX_MDICHILD)
    SkinWindow(window);
}

TWinControl* TSkinManage::FindFormObject(HWND window) {
  for (TForm* form : TForm::Screen())
    if (form->HandleAllocated() && form->Handle() == window)
      return form;
  return TWinControl::FromHandle(window);
}

void TSkinManage::Purge() {
  for (size_t i = forms_.size(); i-- > 0;)
    if (forms_[i]->State() == ssReleased && !forms_[i]->Busy()) {
      // Out of the list before it is freed: its destructor looks the list through again.
      std::unique_ptr<TWinSkinForm> released = std::move(forms_[i]);
      forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!Attach(window))
    return false;
  PostMessageA(window, SKM_INITSKIN, 0, 1000);
  return true;
}

void TSkinManage::SkinBeforeFirstShow(TForm& form) {
  const HWND window = form.Handle();
  if (Attach(window))
    SendMessageA(window, SKM_INITSKIN, 0, 1000);
}

TWinSkinForm* TSkinManage::Attach(HWND window) {
  if (!active_ || !window || !IsWindow(window))
    return nullptr;
  Purge();
  if (SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1 || FindFormSkinner(window))
    return nullptr;
  TWinControl* object = FindFormObject(window);
  auto* form = dynamic_cast<TForm*>(object);
  if (!forcing_ && IsPlainChild(window))
    return nullptr;
  const std::string className = WindowClassName(window);
  const bool ownModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) ==
                         GetModuleHandleA(nullptr);
  if (!form && !ownModule && className != "#32770")
    return nullptr;
  RECT rect{};
  GetWindowRect(window, &rect);
  const bool mdiChild = GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_MDICHILD;
  if ((rect.right - rect.left) * (rect.bottom - rect.top) == 0 && !mdiChild)
    return nullptr;
  if (form && form->Tag() == 99)
    return nullptr;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return nullptr;
  if (!PassesNameFilter(window, className))
    return nullptr;
  TSkinData* skinData = SelectSkinData(window, className);
  if (!skinData || skinData->NoSkin())
    return nullptr;
  auto skinner = std::make_unique<TWinSkinForm>(window, className, form);
  TWinSkinForm& attached = *skinner;
  forms_.push_back(std::move(skinner));
  if (form)
    attached.AttachForm(*skinData);
  else
    attached.AttachHandle(*skinData);
  return &attached;
}

bool TSkinManage::PassesNameFilter(HWND window, const std::string& className) {
  bool doSkin = true;
  if (!mainSkinData_)
    return doSkin;
  const std::string lower = AsciiLowerCase(className);
  if (Contains(lower, "preview") && !mainSkinData_->Options().Contains(xoPreview))
    doSkin = false;
  if (className == "#32770" && (GetWindowLongPtrA(window, GWL_STYLE) & DS_SETFOREGROUND))
    doSkin = false;
  if (lower == "tpopupdbtreeview")
    doSkin = false;
  mainSkinData_->CheckFormSkin(window, className, doSkin);
  return doSkin;
}

TSkinData* TSkinManage::SelectSkinData(HWND window, const std::string& className) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : skinDatas_) {
    auto* owner = dynamic_cast<TWinControl*>(data->Owner());
    if (data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
        owner->Handle() == window)
      chosen = data;
  }
  if (chosen)
    return chosen;
  const std::string lower = AsciiLowerCase(className);
  if (lower == "tmessageform" || lower == "#32770")
    for (TSkinData* data : skinDatas_)
      if (data->SkinFormtype() == sfDialog)
        chosen = data;
  if (chosen)
    return chosen;
  for (TSkinData* data : skinDatas_)
    if (data->SkinFormtype() == sfMainform)
      chosen = data;
  if (chosen)
    return chosen;
  return skinDatas_.empty() ? nullptr : skinDatas_.front();
}

void TSkinManage::SkinForm(TWinControl* form) {
  if (!form || !form->HandleAllocated())
    return;
  HWND window = form->Handle();
  if (!IsWindowVisible(window) || (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
    return;
  SkinWindow(window);
}

TWinSkinForm* TSkinManage::FindFormSkinner(HWND window) const {
  for (const auto& skinner : forms_)
    if (skinner->Handle() == window)
      return skinner.get();
  return nullptr;
}

void TSkinManage::RemoveFormSkinner(HWND window) {
  if (state_ == kManagerShuttingDown)
    return;
  auto it = std::find_if(forms_.begin(), forms_.end(),
                         [window](const auto& skinner) { return skinner->Handle() == window; });
  if (it != forms_.end())
    forms_.erase(it);
}

void TSkinManage::UnskinAndFree(size_t index) {
  std::unique_ptr<TWinSkinForm> skinner = std::move(forms_[index]);
  forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(index));
  HWND window = skinner->Handle();
  skinner->Unskin();
  if (IsWindow(window))
    RedrawWholeWindow(window);
}

void TSkinManage::RunPendingAction() {
  timer_.SetEnabled(false);
  TSkinData* requester = requester_;
  if (!requester)
    return;
  const int action = pendingAction_;
  switch (action) {
    case saActivate:
      Activate(*requester);
      break;
    case saDeactivate:
      Deactivate(*requester);
      break;
    case saSkinChanged:
      ApplySkinChange(*requester);
      break;
    case saFreeReleased:
      Purge();
      break;
  }
  requester->DoSkinChanged();
  requester_ = nullptr;
}

void TSkinManage::Activate(TSkinData& requester) {
  active_ = forcing_ = true;
  Purge();
  if (requester.SkinFormtype() == sfOnlyThisForm) {
    auto* owner = dynamic_cast<TWinControl*>(requester.Owner());
    ForEachFormFromLast([&](TForm* form) {
      if (form == owner)
        SkinForm(form);
    });
  } else {
    ForEachFormFromLast([&](TForm* form) { SkinForm(form); });
  }
  forcing_ = false;
}

void TSkinManage::Deactivate(TSkinData& requester) {
  active_ = false;
  Purge();
  if (requester.SkinFormtype() == sfOnlyThisForm) {
    for (size_t i = forms_.size(); i-- > 0;)
      if (forms_[i]->SkinData() == &requester) {
        UnskinAndFree(i);
        break;
      }
    return;
  }
  while (!forms_.empty())
    UnskinAndFree(0);
}

void TSkinManage::ApplySkinChange(TSkinData& requester) {
  Purge();
  std::vector<TWinSkinForm*> changed;
  for (auto& skinner : forms_)
    if (skinner->SkinData() == &requester) {
      skinner->ClearCaptionButtons();
      skinner->LoadFrameMetrics();
      changed.push_back(skinner.get());
      if (requester.SkinFormtype() == sfOnlyThisForm)
        break;
    }
  for (TWinSkinForm* skinner : changed)
    skinner->ApplySkinChange();
}

void TSkinManage::SetMDIMaximized(bool maximized) {
  if (maximized == mdiMaximized_)
    return;
  mdiMaximized_ = maximized;
  if (mainSkinData_ && mainSkinData_->Options().Contains(xoMDIChildBorder))
    return;
  for (auto& skinner : forms_)
    if (skinner->IsMDIChild())
      skinner->MDIMaximizedChanged(maximized);
}

// ---- Popup menu windows ------------------------------------------------------------------------

void TSkinManage::AttachPopupMenu(HWND window) {
  if (!active_ || SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1 || IsPopupAttached(window))
    return;
  TSkinData* skinData = SelectSkinData(window, "#32768");
  if (!skinData || skinData->NoSkin())
    return;
  const TSkinControls controls = skinData->SkinControls();
  switch (popupMode_) {
    case pmContext:
      if (!controls.Contains(xcPopupMenu))
        return;
      break;
    case pmMenuBar:
      if (!controls.Contains(xcMainMenu) && !controls.Contains(xcMenuItem))
        return;
      break;
    case pmWindowMenu:
      if (!controls.Contains(xcSystemMenu))
        return;
      break;
  }
  auto popup = std::make_unique<TWinSkinPopMenu>([this] { return active_; });
  popup->Attach(window, skinData, nullptr);
  popup->SetFromMenuBar(menuBarPopup_);
  popupMenus_.push_back(std::move(popup));
}

bool TSkinManage::DetachPopupMenu(HWND window) {
  auto it = std::find_if(popupMenus_.begin(), popupMenus_.end(),
                         [window](const auto& popup) { return popup->Handle() == window; });
  if (it == popupMenus_.end())
    return false;
  (*it)->Detach();
  popupMenus_.erase(it);
  if (popupMenus_.empty()) {
    menuBarPopup_ = false;
    popupMode_ = pmContext;
  }
  return true;
}

bool TSkinManage::IsPopupAttached(HWND window) const {
  return std::any_of(popupMenus_.begin(), popupMenus_.end(),
                     [window](const auto& popup) { return popup->Handle() == window; });
}

void TSkinManage::BindPopupMenu(HMENU menu) {
  for (auto it = popupMenus_.rbegin(); it != popupMenus_.rend(); ++it)
    if (!(*it)->MenuHandle()) {
      (*it)->SetMenuHandle(menu);
      return;
    }
}

TWinSkinPopMenu* TSkinManage::PopupFor(HMENU menu) const {
  for (const auto& popup : popupMenus_)
    if (popup->MenuHandle() == menu)
      return popup.get();
  return nullptr;
}

void TSkinManage::MarkPopupsFromMenuBar() {
  for (auto& popup : popupMenus_)
    popup->SetFromMenuBar(true);
}
