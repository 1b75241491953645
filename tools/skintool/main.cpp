// skintool: builds and inspects skin packages for skin authors.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"
#include "skin/format/skin_reader.h"

namespace {

const char* const Usage =
    "usage: skintool VERB ARGUMENTS\n"
    "\n"
    "Builds and inspects skin packages: compressed files holding a skin's bitmaps and its\n"
    "description.\n"
    "\n"
    "  pack DIR OUT         packs every .bmp file of DIR, in name order, and the one .ini\n"
    "                       description file of DIR (stored last) into the skin package OUT\n"
    "                       (version 70000, compressed)\n"
    "  check SKIN           reads SKIN as the program does and prints every problem its\n"
    "                       author should fix, one a line, most serious first: error (the\n"
    "                       program falls back: a picture missing or unreadable, no\n"
    "                       description), warning (drawn, but not as meant: frame counts,\n"
    "                       margins, caption buttons outside the title bar, colours outside\n"
    "                       0-255, sections and keys the program never reads) and note (a\n"
    "                       picture nothing uses); pack prints the errors and warnings of the\n"
    "                       package it writes\n"
    "  list SKIN            prints the package version, then each entry's size and name\n"
    "  extract SKIN DIR     writes every entry of SKIN as a file into DIR (created if missing)\n"
    "  compress IN OUT      writes the compressed form of any file IN: its size as 4 bytes,\n"
    "                       little-endian, then the compressed bits\n"
    "  decompress IN OUT    turns a compressed file back into exactly the size it declares\n"
    "  preview SKIN OUT     draws every element of SKIN, each frame at its own size and\n"
    "                       stretched (3x wide, 2x high), into the 24-bit bitmap OUT, one\n"
    "                       labelled row per picture (Windows build only)\n"
    "  help, --help, -h     prints this text\n"
    "\n"
    "Entry names are stored as the file names; the program looks them up in lower case.\n"
    "\n"
    "exit status: 0 done, 1 bad input or a file error (check: an error or a warning found),\n"
    "2 wrong verb or arguments\n";

struct TVerb {
  const char* Name;
  size_t Arguments;
  int (*Run)(const std::string&, const std::string&);
};

int RunList(const std::string& skin, const std::string&) { return ListCommand(skin); }
int RunCheck(const std::string& skin, const std::string&) { return CheckCommand(skin); }

const TVerb Verbs[] = {
    {"pack", 2, PackCommand},
    {"check", 1, RunCheck},
    {"list", 1, RunList},
    {"extract", 2, ExtractCommand},
    {"compress", 2, CompressCommand},
    {"decompress", 2, DecompressCommand},
    {"preview", 2, PreviewCommand},
};

void PrintNotice(const std::string& message) {
  std::string line = message;
  for (char& ch : line)
    if (ch == '\r')
      ch = ' ';
  std::fprintf(stderr, "skintool: %s\n", line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "help" || args[0] == "--help" || args[0] == "-h")) {
    std::fputs(Usage, stdout);
    return ExitOk;
  }
  TSkinReader::Notify = PrintNotice;
  for (const TVerb& verb : Verbs) {
    if (args.empty() || args[0] != verb.Name)
      continue;
    if (args.size() != verb.Arguments + 1) {
      std::fprintf(stderr, "skintool: %s takes %zu argument(s)\n\n%s", verb.Name, verb.Arguments,
                   Usage);
      return ExitUsage;
    }
    try {
      return verb.Run(args[1], verb.Arguments > 1 ? args[2] : std::string());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skintool: %s\n", e.what());
      return ExitFailure;
    }
  }
  if (!args.empty())
    std::fprintf(stderr, "skintool: unknown verb '%s'\n\n", args[0].c_str());
  std::fputs(Usage, stderr);
  return ExitUsage;
}
