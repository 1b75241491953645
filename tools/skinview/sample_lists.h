#pragma once
// What the "Edits and lists" page needs beyond the layout: rows for its list view, enough to
// need both of its scroll bars.

class TForm;

void PrepareSampleLists(TForm& form);
