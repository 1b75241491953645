#include "framework/form.h"

#include "framework/core/exceptions.h"
#include "framework/menu_owner_draw.h"
#include "framework/shift_state.h"

namespace {
constexpr DWORD kSingleBorderStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kSizableStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kMDIChildStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

namespace {
std::vector<TForm*>& LiveForms() {
  static std::vector<TForm*> forms;
  return forms;
}
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner), font_("宋体", 12) {
  SetVisible(false);  // shown by Show, once its placement is applied
  SetFont(&font_);
  SetColor(clBtnFace);
  LiveForms().push_back(this);
}

TForm::~TForm() {
  std::erase(LiveForms(), this);
}

const std::vector<TForm*>& TForm::Screen() {
  return LiveForms();
}

void TForm::SetClientWidth(int width) {
  clientWidth_ = width;
  ApplyClientSize();
}

void TForm::SetClientHeight(int height) {
  clientHeight_ = height;
  ApplyClientSize();
}

// The window's outer size from the client size asked for, under this form's border.
void TForm::ApplyClientSize() {
  RECT frame = {0, 0, clientWidth_, clientHeight_};
  const BOOL hasBar = menu_ && formStyle_ != TFormStyle::fsMDIChild;
  AdjustWindowRectEx(&frame, FrameStyle(), hasBar, WS_EX_CONTROLPARENT);
  SetBounds(Left(), Top(), frame.right - frame.left, frame.bottom - frame.top);
}

void TForm::SetPosition(TPosition position) {
  position_ = position;
  if (HandleAllocated() && IsWindowVisible(Handle()))
    ApplyPosition();
}

void TForm::ApplyPosition() {
  if (position_ == TPosition::poDesktopCenter || position_ == TPosition::poScreenCenter) {
    RECT desktop;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
    const int left = desktop.left + (desktop.right - desktop.left - Width()) / 2;
    const int top = desktop.top + (desktop.bottom - desktop.top - Height()) / 2;
    SetBounds(left, top, Width(), Height());
  }
  // poDefault leaves the window where its bounds put it: the platform's choice is only made
  // for a window that has no position of its own yet.
  position_ = TPosition::poDesigned;
}

void TForm::SetIconResource(const std::string& name) {
  iconResource_ = name;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  auto load = [&](int metricX, int metricY) {
    return static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, GetSystemMetrics(metricX),
                                         GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
  };
  bigIcon_.Reset(load(SM_CXICON, SM_CYICON));
  smallIcon_.Reset(load(SM_CXSMICON, SM_CYSMICON));
  if (HandleAllocated()) {
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  }
}

DWORD TForm::FrameStyle() const {
  switch (formStyle_) {
    case TFormStyle::fsMDIForm:
      return kSizableStyle;
    case TFormStyle::fsMDIChild:
      return kMDIChildStyle;
    default:
      return kSingleBorderStyle;
  }
}

void TForm::HandleCreated() {
  if (formStyle_ == TFormStyle::fsMDIForm) {
    CLIENTCREATESTRUCT create = {windowMenu_ ? windowMenu_->Handle() : nullptr, kMDIFirstChild};
    RECT area;
    GetClientRect(Handle(), &area);
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                              area.right, area.bottom, Handle(), nullptr, GetModuleHandleA(nullptr), &create);
    if (!client_)
      throw EOutOfResources("Cannot create the MDI client window");
  }
  if (menu_)
    SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
  if (bigIcon_) {
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  }
}

namespace {

std::function<void(TForm&)>& BeforeFirstShow() {
  static std::function<void(TForm&)> handler;
  return handler;
}

}  // namespace

void TForm::SetBeforeFirstShow(std::function<void(TForm&)> handler) {
  BeforeFirstShow() = std::move(handler);
}

void TForm::Show() {
  HWND hwnd = Handle();
  if (formStyle_ == TFormStyle::fsMDIChild) {
    SetVisible(true);
    SendMessageA(GetParent(hwnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hwnd), 0);
    return;
  }
  ApplyPosition();
  if (!shownBefore_) {
    shownBefore_ = true;
    if (const auto& handler = BeforeFirstShow())
      handler(*this);
  }
  SetVisible(true);
  SetForegroundWindow(hwnd);
}

void TForm::Close() {
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (formStyle_ == TFormStyle::fsMDIChild && HandleAllocated())
    SendMessageA(GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
  else
    Hide();
}

// ---- Menu bar ----

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_)
    return;
  if (menu_) {
    menu_->SetWindow(nullptr);
    RemoveFreeNotification(menu_);
  }
  menu_ = menu;
  if (menu_) {
    if (TWinControl* other = menu_->Window(); other && other != this)
      dynamic_cast<TForm*>(other)->SetMenu(nullptr);
    menu_->SetWindow(this);
    FreeNotification(menu_);
  }
  if (clientWidth_ || clientHeight_)
    ApplyClientSize();
  if (HandleAllocated())
    SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
}

// CM_MENUCHANGED's default handling. An MDI frame hands the bar to its client, which keeps a
// maximised child's buttons on it and lists the children in the window menu.
void TForm::AttachMenuBar() {
  HMENU bar = menu_ ? menu_->Handle() : nullptr;
  if (client_ && bar) {
    SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar),
                 reinterpret_cast<LPARAM>(windowMenu_ ? windowMenu_->Handle() : nullptr));
    DrawMenuBar(Handle());
  } else {
    ::SetMenu(Handle(), bar);
  }
}

// DestroyWindow destroys the window's menu: the bar belongs to the menu object, so it goes first.
void TForm::DetachMenuBar() {
  if (menu_ && menu_->HandleAllocated() && GetMenu(Handle()) == menu_->Handle())
    ::SetMenu(Handle(), nullptr);
}

bool TForm::MenuCommand(WPARAM wParam, LPARAM lParam) {
  // From a menu: code 0 and no control (1 is an accelerator's).
  if (lParam != 0 || HIWORD(wParam) > 1)
    return false;
  TMenuItem* item = TMenuItem::FindByCommand(LOWORD(wParam));
  if (!item || !item->Menu())
    return false;
  item->Click();
  return true;
}

bool TForm::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
    return false;
  const TShortCut pressed{static_cast<WORD>(msg.wParam), ShiftStateFromKeys() & (ssShift | ssCtrl | ssAlt)};
  TMenuItem* item = nullptr;
  if (TForm* child = ActiveMDIChild(); child && child->menu_)
    item = child->menu_->FindByShortCut(pressed);
  if (!item && menu_)
    item = menu_->FindByShortCut(pressed);
  if (!item)
    return false;
  item->Click();
  return true;
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove)
    return;
  if (component == menu_)
    menu_ = nullptr;
  if (component == windowMenu_)
    windowMenu_ = nullptr;
}

// ---- Multiple-document interface ----

void TForm::SetFormStyle(TFormStyle style) {
  if (HandleAllocated())
    throw EInvalidOperation("Cannot change the form style of a form whose window exists");
  formStyle_ = style;
  if (clientWidth_ || clientHeight_)
    ApplyClientSize();
}

void TForm::SetWindowMenu(TMenuItem* item) {
  if (windowMenu_)
    RemoveFreeNotification(windowMenu_);
  windowMenu_ = item;
  FreeNotification(item);
  if (HandleAllocated() && menu_)
    SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
}

TForm* TForm::MDIFrame() const {
  if (auto* owner = dynamic_cast<TForm*>(Owner()); owner && owner->formStyle_ == TFormStyle::fsMDIForm)
    return owner;
  TForm* main = Application ? Application->MainForm() : nullptr;
  return main && main->formStyle_ == TFormStyle::fsMDIForm ? main : nullptr;
}

std::vector<TForm*> TForm::MDIChildList() const {
  std::vector<TForm*> children;
  if (!client_)
    return children;
  for (HWND child = GetWindow(client_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TForm*>(FromHandle(child)); form && form->formStyle_ == TFormStyle::fsMDIChild)
      children.push_back(form);
  return children;
}

int TForm::MDIChildCount() const {
  return static_cast<int>(MDIChildList().size());
}

TForm* TForm::MDIChildren(int index) const {
  return MDIChildList().at(static_cast<size_t>(index));
}

TForm* TForm::ActiveMDIChild() const {
  if (!client_)
    return nullptr;
  HWND active = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TForm*>(FromHandle(active));
}

void TForm::Tile() {
  if (client_)
    SendMessageA(client_, WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TForm::Cascade() {
  if (client_)
    SendMessageA(client_, WM_MDICASCADE, 0, 0);
}

LRESULT CALLBACK TForm::FrameDefaultProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* form = dynamic_cast<TForm*>(FromHandle(hwnd));
  return DefFrameProcA(hwnd, form ? form->client_ : nullptr, msg, wParam, lParam);
}

HWND TForm::CreateWindowHandle(const TCreateParams& params, const char* windowClass, HWND owner) {
  if (formStyle_ != TFormStyle::fsMDIChild)
    return TWinControl::CreateWindowHandle(params, windowClass, owner);
  TForm* frame = MDIFrame();
  if (!frame || !frame->Handle() || !frame->client_)
    throw EInvalidOperation("Cannot create an MDI child form: no MDI frame form exists");
  MDICREATESTRUCTA create = {};
  create.szClass = windowClass;
  create.szTitle = params.Caption.c_str();
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = Width() > 0 ? Left() : CW_USEDEFAULT;
  create.y = Width() > 0 ? Top() : CW_USEDEFAULT;
  create.cx = Width() > 0 ? Width() : CW_USEDEFAULT;
  create.cy = Height() > 0 ? Height() : CW_USEDEFAULT;
  create.style = params.Style;
  return reinterpret_cast<HWND>(SendMessageA(frame->client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

TNotifyEvent TForm::MethodAddress(const std::string&) {
  return {};
}

void TForm::AfterConstruction() {
  // A failing creation handler is reported and the form opens all the same.
  if (OnCreate)
    CallGuarded([this] { OnCreate(this); });
}

TWinControl::TCreateParams TForm::CreateParams() {
  TCreateParams params{ClassName(), FrameStyle(), WS_EX_CONTROLPARENT, Caption()};
  params.WndParent = Application ? Application->Handle() : nullptr;
  if (formStyle_ == TFormStyle::fsMDIForm)
    params.DefaultProcedure = &TForm::FrameDefaultProc;
  else if (formStyle_ == TFormStyle::fsMDIChild) {
    params.DefaultProcedure = &DefMDIChildProcA;
    if (Visible())
      params.Style |= WS_VISIBLE;
    // The frame's window first: made while this child's window is being created, it would be
    // taken for the child's at the creation notification.
    if (TForm* frame = MDIFrame())
      frame->Handle();
  }
  return params;
}

LRESULT TForm::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (msg) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      if (MenuCommand(wParam, lParam))
        return 0;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_MENUCHAR:
      if (AnswerMenuOwnerDraw(msg, wParam, lParam, result))
        return result;
      break;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      NoteMenuLoopMessage(msg);
      break;
    case WM_INITMENUPOPUP:
      // A submenu of the bar opens: its item's Click, as for the command a skinned bar posts
      // before it opens one (without this notification).
      if (!HIWORD(lParam))
        if (TMenuItem* item = TMenuItem::FindBySubMenu(reinterpret_cast<HMENU>(wParam)); item && item->Menu() == menu_)
          item->Click();
      break;
    case CM_MENUCHANGED:
      AttachMenuBar();
      return 0;
    case CM_DIALOGCHAR:
      return 0;
    case WM_DESTROY:
      DetachMenuBar();
      break;
    case WM_NCDESTROY:
      client_ = nullptr;
      break;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
