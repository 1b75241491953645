#include "skin_view_form.h"

#include "framework/core/class_ancestry.h"
#include "framework/core/exceptions.h"
#include "framework/form_layout.h"
#include "framework/popup_menu.h"
#include "skin/data/skin_data.h"
#include "skin/format/skin_check.h"

#include "sample_buttons.h"
#include "sample_dialog.h"
#include "sample_lists.h"
#include "sample_more.h"
#include "skin_file_check.h"
#include "skin_view_layout.h"

#include <commdlg.h>
#include <windowsx.h>

#include <cstdlib>
#include <map>

namespace {

// Posted by FormCreate: the skin file of the command line is loaded once the window shows, so
// that an error box about it has the window to stand on.
constexpr UINT kLoadCommandLineSkin = WM_APP + 1;

const bool kClassesRegistered =
    RegisterClassAncestry("TSkinViewForm", "TForm") && RegisterClassAncestry("TSkinViewDocument", "TForm");

template <class T>
T* Find(const TForm& form, const char* name) {
  auto* found = dynamic_cast<T*>(form.FindComponent(name));
  if (!found)
    throw EInvalidOperation(std::string("Component ") + name + " not found");
  return found;
}

// The skin file the user picks; empty when cancelled. SKINVIEW_OPEN_FILE in the environment
// answers instead of the dialog, so that tests can drive Open.
std::string ChooseSkinFile(HWND owner) {
  if (const char* answer = std::getenv("SKINVIEW_OPEN_FILE"))
    return answer;
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = "Skin packages (*.skin)\0*.skin\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = "Open skin";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameA(&dialog) ? file : std::string();
}

}  // namespace

TSkinViewDocument::TSkinViewDocument(TComponent* owner, const std::string& caption) : TForm(owner) {
  SetFormStyle(TFormStyle::fsMDIChild);
  SetCaption(caption);
  SetBounds(0, 0, 380, 260);
  ReadFormLayout(*this, SampleControlsLayout());
  PrepareSampleButtons(*this);
  PrepareSampleLists(*this);
  PrepareSampleMore(*this);
}

TSkinViewForm::TSkinViewForm(TComponent* owner, const TSkinViewOptions& options)
    : TForm(owner), options_(options) {
  SetName("SkinViewForm");
  RegisterSkinDataClass();
  RegisterSampleButtonClasses();
  RegisterSampleMoreClasses();
  if (options_.MDI)
    SetFormStyle(TFormStyle::fsMDIForm);
  ReadFormLayout(*this, SkinViewLayout());
  if (!options_.MDI)
    ReadFormLayout(*this, SampleControlsLayout());
  BindFields();
  contextHook_ = AddMessageHook([this](UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg == WM_CONTEXTMENU)
      return ContextMenu(lParam);
    if (msg == kLoadCommandLineSkin) {
      LoadSkinFile(options_.SkinFile);
      return 0;
    }
    return CallNextHook(contextHook_, msg, wParam, lParam);
  });
}

void TSkinViewForm::BindFields() {
  SkinData1 = Find<TSkinData>(*this, "SkinData1");
  PopupMenu1 = Find<TPopupMenu>(*this, "PopupMenu1");
  NSkinActive = Find<TMenuItem>(*this, "NSkinActive");
  NHints = Find<TMenuItem>(*this, "NHints");
  NWindows = Find<TMenuItem>(*this, "NWindows");
  PSkinActive = Find<TMenuItem>(*this, "PSkinActive");
  PHints = Find<TMenuItem>(*this, "PHints");
}

TNotifyEvent TSkinViewForm::MethodAddress(const std::string& name) {
  using Handler = void (TSkinViewForm::*)(TComponent*);
  static const std::map<std::string, Handler> handlers = {
      {"FormCreate", &TSkinViewForm::FormCreate},
      {"OpenSkinClick", &TSkinViewForm::OpenSkinClick},
      {"ExitClick", &TSkinViewForm::ExitClick},
      {"SkinActiveClick", &TSkinViewForm::SkinActiveClick},
      {"HintsClick", &TSkinViewForm::HintsClick},
      {"CheckSkinClick", &TSkinViewForm::CheckSkinClick},
      {"TileClick", &TSkinViewForm::TileClick},
      {"CascadeClick", &TSkinViewForm::CascadeClick},
      {"MessageBoxClick", &TSkinViewForm::MessageBoxClick},
      {"DialogClick", &TSkinViewForm::DialogClick},
  };
  auto it = handlers.find(name);
  if (it == handlers.end())
    return {};
  return [this, handler = it->second](TComponent* sender) { (this->*handler)(sender); };
}

void TSkinViewForm::FormCreate(TComponent*) {
  std::vector<std::string> classes = SampleSkin3rdLines();
  classes.insert(classes.end(), SampleMoreSkin3rdLines().begin(), SampleMoreSkin3rdLines().end());
  SkinData1->OnSkinControl = SampleMoreSkinnerChoice();
  classes.insert(classes.end(), SkinData1->Skin3rd().begin(), SkinData1->Skin3rd().end());
  SkinData1->SetSkin3rd(std::move(classes));
  if (!options_.MDI) {
    PrepareSampleButtons(*this);
    PrepareSampleLists(*this);
    PrepareSampleMore(*this);
  }
  if (options_.MDI) {
    NWindows->SetVisible(true);
    SetWindowMenu(NWindows);
    // Staggered like a cascade: Cascade itself skips windows while the frame is still hidden.
    int offset = 0;
    for (const char* caption : {"Document 1", "Document 2"}) {
      auto* document = new TSkinViewDocument(this, caption);
      document->SetBounds(offset, offset, document->Width(), document->Height());
      document->Show();
      offset += GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    }
  }
  const TMemoryStream& stored = SkinData1->SkinStream();
  const TSkinPackageCheck check =
      CheckSkinPackage(std::string(reinterpret_cast<const char*>(stored.Memory()), static_cast<size_t>(stored.Size())));
  if (!check.Name.empty())
    skinName_ = check.Name;
  if (!options_.SkinFile.empty())
    PostMessageA(Handle(), kLoadCommandLineSkin, 0, 0);
  UpdateCaption();
}

bool TSkinViewForm::LoadSkinFile(const std::string& fileName) {
  auto refuse = [&](const std::string& why) {
    Application->ShowMessageBox("Cannot load the skin file \"" + fileName + "\": " + why + ".", MB_OK | MB_ICONERROR);
    return false;
  };
  const TSkinPackageCheck check = CheckSkinPackageFile(fileName);
  if (!check.Usable)
    return refuse(check.Why);
  try {
    SkinData1->SetSkinFile(fileName);
  } catch (const Exception& e) {
    return refuse(e.Message());  // a damaged picture: the skin in use stays
  }
  skinName_ = check.Name.empty() ? SkinDisplayName(fileName) : check.Name;
  UpdateCaption();
  return true;
}

void TSkinViewForm::UpdateCaption() {
  SetCaption("Skin viewer - " + skinName_);
}

void TSkinViewForm::OpenSkinClick(TComponent*) {
  const std::string fileName = ChooseSkinFile(Handle());
  if (!fileName.empty())
    LoadSkinFile(fileName);
}

void TSkinViewForm::ExitClick(TComponent*) {
  Close();
}

void TSkinViewForm::SkinActiveClick(TComponent*) {
  SkinData1->SetActive(!SkinData1->Active());
  NSkinActive->SetChecked(SkinData1->Active());
  PSkinActive->SetChecked(SkinData1->Active());
}

void TSkinViewForm::HintsClick(TComponent*) {
  TSkinOptions options = SkinData1->Options();
  const bool hints = !options.Contains(xoCaptionButtonHint);
  if (hints)
    options.Include(xoCaptionButtonHint);
  else
    options.Exclude(xoCaptionButtonHint);
  SkinData1->SetOptions(options);
  NHints->SetChecked(hints);
  PHints->SetChecked(hints);
}

// The skin in use, checked as skintool check does; its lines in a message box.
void TSkinViewForm::CheckSkinClick(TComponent*) {
  constexpr size_t kMostLines = 40;  // a box taller than the screen shows none of its buttons
  const TMemoryStream& stored = SkinData1->SkinStream();
  TMemoryStream compressed(stored.Contents());
  const std::vector<TSkinProblem> problems = CheckSkinFile(compressed);
  std::string text;
  for (size_t i = 0; i < problems.size() && i < kMostLines; ++i)
    text += problems[i].Line() + "\n";
  if (problems.size() > kMostLines)
    text += "... and " + std::to_string(problems.size() - kMostLines) + " more (skintool check lists them all)\n";
  if (problems.empty())
    text = "No problems found in the skin " + skinName_ + ".";
  Application->ShowMessageBox(text, MB_OK | (HasFaults(problems) ? MB_ICONWARNING : MB_ICONINFORMATION));
}

void TSkinViewForm::TileClick(TComponent*) {
  Tile();
}

void TSkinViewForm::CascadeClick(TComponent*) {
  Cascade();
}

void TSkinViewForm::MessageBoxClick(TComponent*) {
  Application->ShowMessageBox("A message box, skinned like every dialog box.", MB_OK | MB_ICONINFORMATION);
}

void TSkinViewForm::DialogClick(TComponent*) {
  ShowSampleDialog(Handle());
}

// The keyboard's context-menu key sends no position: the menu then opens at the client origin.
LRESULT TSkinViewForm::ContextMenu(LPARAM position) {
  POINT at = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (position == -1) {
    at = {0, 0};
    ClientToScreen(Handle(), &at);
  }
  PopupMenu1->Popup(at.x, at.y);
  return 0;
}
