#pragma once
#include <windows.h>


// A standard dialog box (class "#32770") made from an in-memory template, with a few ordinary
// controls: a group box with two radio buttons, check boxes (plain, three-state, disabled, with
// the text on the left), an edit, a list box with both scroll bars, a drop-down list combo box,
// OK and Cancel.
// It shows the skin on a window that no framework object is behind.

// Control identifiers of the sample dialog.
enum : int {
  kSampleGroup = 100,
  kSampleFirstRadio,
  kSampleSecondRadio,
  kSampleCheckBox,
  kSampleEdit,
  kSampleList,
  kSampleThreeState,
  kSampleDisabledCheck,
  kSampleLeftText,
  kSampleCombo,
};

// Shows the dialog modally; returns IDOK or IDCANCEL.
INT_PTR ShowSampleDialog(HWND owner);
