#pragma once
#include "framework/application.h"
#include "framework/control.h"
#include "framework/font.h"
#include "framework/system/gdi_handles.h"
#include "framework/published.h"

#include <memory>
#include <string>
#include <vector>

// Where a form goes when it is shown. The policy is applied at show time and then reset to
// poDesigned (keep the bounds), so asking for a centred window again centres it again.
enum class TPosition { poDesigned, poDefault, poDesktopCenter, poScreenCenter };

// A top-level window with a fixed single border, owned by the application window. Its window
// class is its framework class name; its components come from its layout and its code is its
// handlers, found by name.
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  // Every live form, in creation order.
  static const std::vector<TForm*>& Screen();

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position);
  // The window icon, from the executable's icon resource of that name.
  void SetIconResource(const std::string& name);

  void Show();
  void Hide() { SetVisible(false); }
  // The main form's close ends the program; any other form is hidden.
  void Close();

  // The handler of that name for an event of the layout; an empty function when there is none.
  virtual TNotifyEvent MethodAddress(const std::string& name);
  // Runs OnCreate: the application calls it once the form is constructed and known by name.
  void AfterConstruction();
  TNotifyEvent OnCreate;

protected:
  TCreateParams CreateParams() override;
  void HandleCreated() override;
  LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
  void ApplyClientSize();
  void ApplyPosition();

  int clientWidth_ = 0, clientHeight_ = 0;  // the client area asked for
  TPosition position_ = TPosition::poDesigned;
  TFont font_;                               // the font every control takes unless it has its own
  std::string iconResource_;                 // empty: the platform's default icon
  UniqueIcon bigIcon_, smallIcon_;           // the caption's and the Alt+Tab icon
};

// Creates a form of class F as the application's (the first one is the main form), makes
// REFERENCE name it, then runs its OnCreate.
template <class F>
F* CreateForm(F*& reference) {
  auto form = std::make_unique<F>(nullptr);
  F* created = form.get();
  reference = created;
  Application->AddForm(std::move(form));
  created->AfterConstruction();
  return created;
}
