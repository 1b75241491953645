#include "sample_dialog.h"

#include <string>
#include <vector>

namespace {

constexpr char kCaption[] = "Sample dialog";

// Writes a template word by word; DLGITEMTEMPLATEs start on DWORD boundaries.
class TTemplateWriter {
public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const std::string& text) {
    for (char c : text)
      Word(static_cast<WORD>(static_cast<unsigned char>(c)));
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2)
      Word(0);
  }
  // An item of a predefined class (0x0080 button, 0x0081 edit, 0x0083 list box, 0x0085 combo box).
  void Item(WORD atom, const std::string& text, int id, DWORD style, short x, short y, short cx, short cy) {
    AlignToDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short v : {x, y, cx, cy})
      Word(static_cast<WORD>(v));
    Word(static_cast<WORD>(id));
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);  // no creation data
  }
  std::vector<DWORD> Dwords() {
    AlignToDword();
    std::vector<DWORD> out(words_.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
      out[i] = MAKELONG(words_[2 * i], words_[2 * i + 1]);
    return out;
  }

private:
  std::vector<WORD> words_;
};

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kListBox = 0x0083, kComboBox = 0x0085;

INT_PTR CALLBACK SampleDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, kSampleFirstRadio, kSampleSecondRadio, kSampleFirstRadio);
      CheckDlgButton(dialog, kSampleThreeState, BST_INDETERMINATE);
      CheckDlgButton(dialog, kSampleDisabledCheck, BST_CHECKED);
      SetDlgItemTextA(dialog, kSampleEdit, "Edit me");
      // Long and wide enough for both scroll bars.
      for (int i = 1; i <= 30; ++i) {
        const std::string entry = "Entry " + std::to_string(i) + (i % 5 ? "" : " with a longer text than fits");
        SendDlgItemMessageA(dialog, kSampleList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
      }
      SendDlgItemMessageA(dialog, kSampleList, LB_SETHORIZONTALEXTENT, 400, 0);
      for (const char* choice : {"Daily", "Weekly", "Monthly"})
        SendDlgItemMessageA(dialog, kSampleCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
      SendDlgItemMessageA(dialog, kSampleCombo, CB_SETCURSEL, 1, 0);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

// The template, DWORD-aligned as DialogBoxIndirect needs it.
std::vector<DWORD> SampleDialogTemplate() {
  TTemplateWriter t;
  const WORD items = 12;
  t.Dword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);
  t.Word(items);
  for (short v : {0, 0, 220, 166})
    t.Word(static_cast<WORD>(v));
  t.Word(0);  // no menu
  t.Word(0);  // the dialog class
  t.Text(kCaption);
  t.Word(8);
  t.Text("MS Shell Dlg");
  t.Item(kButton, "Choices", kSampleGroup, BS_GROUPBOX, 7, 7, 100, 50);
  t.Item(kButton, "&First", kSampleFirstRadio, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14, 20, 80, 12);
  t.Item(kButton, "&Second", kSampleSecondRadio, BS_AUTORADIOBUTTON, 14, 36, 80, 12);
  t.Item(kButton, "&Remember", kSampleCheckBox, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 64, 100, 12);
  t.Item(kEdit, "", kSampleEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 82, 100, 14);
  t.Item(kListBox, "", kSampleList, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 114, 7, 99, 89);
  t.Item(kButton, "&Maybe", kSampleThreeState, BS_AUTO3STATE | WS_TABSTOP, 7, 100, 100, 12);
  t.Item(kButton, "Fixed", kSampleDisabledCheck, BS_AUTOCHECKBOX | WS_DISABLED, 7, 116, 100, 12);
  t.Item(kButton, "Text &left", kSampleLeftText, BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP, 114, 100, 99, 12);
  t.Item(kComboBox, "", kSampleCombo, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 114, 118, 99, 60);
  t.Item(kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 106, 142, 50, 16);
  t.Item(kButton, "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 163, 142, 50, 16);
  return t.Dwords();
}

}  // namespace

INT_PTR ShowSampleDialog(HWND owner) {
  const std::vector<DWORD> dialogTemplate = SampleDialogTemplate();
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                 reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()), owner,
                                 &SampleDialogProc, 0);
}
