#include "framework/form.h"

namespace {
constexpr DWORD kSingleBorderStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
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
  AdjustWindowRectEx(&frame, kSingleBorderStyle, FALSE, WS_EX_CONTROLPARENT);
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

void TForm::HandleCreated() {
  if (bigIcon_) {
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  }
}

void TForm::Show() {
  HWND hwnd = Handle();
  ApplyPosition();
  SetVisible(true);
  SetForegroundWindow(hwnd);
}

void TForm::Close() {
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else
    Hide();
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
  TCreateParams params{ClassName(), kSingleBorderStyle, WS_EX_CONTROLPARENT, Caption()};
  params.WndParent = Application ? Application->Handle() : nullptr;
  return params;
}

LRESULT TForm::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) {
    Close();
    return 0;
  }
  return TWinControl::DefaultHandler(msg, wParam, lParam);
}
