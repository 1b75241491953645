#pragma once
// What a skin author should fix in a package, found by reading it as the program does: errors
// where the engine falls back (a picture missing or unreadable, no description), warnings where
// it draws but not as meant (frame counts, margins, caption buttons off the title bar, colours
// out of range, names it never reads), and notes (pictures nothing uses).

#include <string>
#include <vector>

#include "skin/format/memory_stream.h"
#include "skin/format/skin_reader.h"

enum class TSkinProblemLevel { Error, Warning, Note };

struct TSkinProblem {
  TSkinProblemLevel Level;
  std::string Section;  // as the description writes it; empty for the package as a whole
  std::string Key;      // empty when the problem is the section's
  std::string Picture;  // the picture entry concerned, if any
  std::string Text;     // what is wrong, for the author

  // One line: "warning: [Tabs] TopHieght: did you mean TopHeight?" and the like.
  std::string Line() const;
};

// Every problem of the package, errors first, then warnings, then notes, each group in the
// order of the description.
std::vector<TSkinProblem> CheckSkin(const TSkinReader& package);
// The same for a compressed package as a skin file holds it; a package the reader rejects is
// one error.
std::vector<TSkinProblem> CheckSkinFile(TMemoryStream& compressed);

// True when a problem makes the skin look other than its author meant (an error or a warning).
bool HasFaults(const std::vector<TSkinProblem>& problems);
