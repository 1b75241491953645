#include "skin/format/skin_check.h"

#include "framework/core/bmp_format.h"
#include "framework/core/sysutils.h"
#include "skin/format/description_vocabulary.h"
#include "skin/format/lzh.h"
#include "skin/format/quick_ini.h"

#include <algorithm>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace {

using L = TSkinProblemLevel;

constexpr int kSmallIcon = 16;            // the window icon drawn for a caption button without a picture

std::string N(int64_t value) { return std::to_string(value); }

std::string FileNamePart(const std::string& path) {
  const size_t separator = path.find_last_of("\\:");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool EndsWithBmp(const std::string& name) { return name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0; }

// Edits between two names (insert, delete, replace, swap two neighbours), ignoring ASCII case.
size_t EditDistance(const std::string& x, const std::string& y) {
  const std::string a = AsciiLower(x), b = AsciiLower(y);
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

// The known name closest to NAME, when it is close enough to be a slip of the keyboard.
std::string Nearest(const std::string& name, const std::vector<std::string>& known) {
  const size_t limit = name.size() <= 4 ? 1 : name.size() <= 8 ? 2 : 3;
  std::string best;
  size_t bestDistance = limit + 1;
  for (const std::string& candidate : known) {
    const size_t distance = EditDistance(name, candidate);
    if (distance < bestDistance) best = candidate, bestDistance = distance;
  }
  return best;
}

std::string NeverRead(const std::string& suggestion, const char* what) {
  const std::string tail = std::string("the engine never reads this ") + what;
  return suggestion.empty() ? tail : "did you mean " + suggestion + "? (" + tail + ")";
}

// A whole number as the description reader takes it, or nothing.
std::optional<int32_t> WholeNumber(std::string text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text.replace(0, 2, "$");
  int value = 0;
  if (!TryParseInteger(text, THexPrefixes::Dollar, value))
    return std::nullopt;
  return value;
}

// The runs of digits in a colour text, as numbers (capped: only their size matters here).
std::vector<int64_t> ColourNumbers(const std::string& text) {
  std::vector<int64_t> numbers;
  bool inRun = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (!inRun) numbers.push_back(0);
      numbers.back() = std::min<int64_t>(numbers.back() * 10 + (c - '0'), 1000000);
      inRun = true;
    } else {
      inRun = false;
    }
  }
  return numbers;
}

// One section as written: its header and its key lines.
// The caption's text colours are given one component a key: ActiveTextR, InActiveTextB, ...
bool IsCaptionColourComponent(const std::string& section, const std::string& key) {
  const std::string k = AsciiLower(key);
  return AsciiLower(section) == "personality" && (k.rfind("activetext", 0) == 0 || k.rfind("inactivetext", 0) == 0);
}

struct TWrittenKey {
  std::string Key;  // as written
  std::string Value;
};
struct TWrittenSection {
  std::string Name;  // as the section list gives it
  bool BlanksInBrackets = false;
  std::vector<TWrittenKey> Keys;
};

struct TPictureFacts {
  int32_t Width = 0, Height = 0;
  int32_t FrameWidth = 0, FrameHeight = 0;
};

class TChecker {
public:
  explicit TChecker(const TSkinReader& package) : package_(package) {}

  std::vector<TSkinProblem> Run() {
    TMemoryStream entry;
    std::string name;
    package_.ExtractEntryContaining(".ini", entry, name);
    if (entry.Size() == 0) {
      Add(L::Error, "", "", "", "the package holds no description (no entry whose name contains .ini)");
    } else {
      const std::vector<uint8_t>& bytes = entry.Contents();
      const std::string text(bytes.begin(), bytes.end());
      if (text.find('\0') != std::string::npos)
        Add(L::Error, "", "", name, "the description holds a NUL byte: the engine reads nothing after it");
      ini_.LoadFromStream(text);
      if (ini_.Sections().empty())
        Add(L::Error, "", "", name, "the description holds no [section] line");
      CheckDescription();
    }
    NoteUnusedPictures();
    std::stable_sort(problems_.begin(), problems_.end(),
                     [](const TSkinProblem& a, const TSkinProblem& b) { return a.Level < b.Level; });
    return std::move(problems_);
  }

private:
  void Add(L level, const std::string& section, const std::string& key, const std::string& picture,
           const std::string& text) {
    problems_.push_back({level, section, key, picture, text});
  }

  std::vector<TWrittenSection> WrittenSections() {
    std::vector<TWrittenSection> sections;
    for (const std::string& line : ini_.Lines()) {
      if (line.front() == '[' && line.back() == ']') {
        const std::string inside = line.substr(1, line.size() - 2);
        sections.push_back({TrimBlanks(inside), TrimBlanks(inside) != inside, {}});
        continue;
      }
      const size_t eq = line.find('=');
      const std::string key = eq == std::string::npos ? line : TrimBlanks(std::string_view(line).substr(0, eq));
      if (sections.empty()) {
        Add(L::Warning, "", key, "", "comes before the first [section]: the engine never reads it");
      } else if (eq == std::string::npos) {
        Add(L::Warning, sections.back().Name, line, "", "not a key = value line: the engine never reads it");
      } else {
        sections.back().Keys.push_back({key, TrimBlanks(std::string_view(line).substr(eq + 1))});
      }
    }
    return sections;
  }

  void CheckDescription() {
    std::vector<std::string> sectionNames;
    for (const TKnownSection& s : KnownSections()) sectionNames.push_back(s.Name);
    std::set<std::string> seen;
    for (const TWrittenSection& written : WrittenSections()) {
      const std::string& name = written.Name;
      if (written.BlanksInBrackets) {
        Add(L::Warning, name, "", "", "blanks inside the brackets: the engine does not find this section");
        continue;
      }
      if (!seen.insert(AsciiUpper(name)).second) {
        Add(L::Warning, name, "", "", "a second [" + name + "]: the engine reads only the first");
        continue;
      }
      const TKnownSection* known = FindKnownSection(name);
      if (!known) {
        Add(L::Warning, name, "", "", NeverRead(Nearest(name, sectionNames), "section"));
        continue;
      }
      CheckKeys(name, *known, written.Keys);
      CheckPictures(name, *known);
    }
    CheckCaptionButtons();
  }

  void CheckKeys(const std::string& section, const TKnownSection& known, const std::vector<TWrittenKey>& keys) {
    std::vector<std::string> keyNames;
    for (const TKnownKey& k : known.Keys) keyNames.push_back(k.Name);
    std::set<std::string> seen;
    for (const TWrittenKey& written : keys) {
      const TKnownKey* key = FindKnownKey(known, written.Key);
      if (!key) {
        Add(L::Warning, section, written.Key, "", NeverRead(Nearest(written.Key, keyNames), "key"));
        continue;
      }
      if (!seen.insert(AsciiLower(written.Key)).second) {
        Add(L::Warning, section, written.Key, "", "written twice: the engine reads only the first");
        continue;
      }
      CheckValue(section, *key, written.Key, written.Value);
    }
  }

  void CheckValue(const std::string& section, const TKnownKey& key, const std::string& written,
                  const std::string& value) {
    if (value.empty())
      return;
    const std::optional<int32_t> number = WholeNumber(value);
    switch (key.Kind) {
      case TKeyKind::Integer:
        if (!number)
          Add(L::Warning, section, written, "", "'" + value + "' is not a whole number: the engine takes its default");
        else if (IsCaptionColourComponent(section, written) && (*number < 0 || *number > 255))
          Add(L::Warning, section, written, "", "colour component " + value + " is outside 0-255");
        break;
      case TKeyKind::ColourOrInteger:
        if (number)
          break;
        [[fallthrough]];
      case TKeyKind::Colour: {
        const std::vector<int64_t> parts = ColourNumbers(value);
        if (parts.size() < 3) {
          Add(L::Warning, section, written, "",
              "'" + value + "' is not a colour: write red, green and blue, 0 to 255, e.g. 28 36 48");
          break;
        }
        for (size_t i = 0; i < 3; ++i)
          if (parts[i] > 255)
            Add(L::Warning, section, written, "", "colour component " + N(parts[i]) + " is outside 0-255");
        break;
      }
      case TKeyKind::Picture:
      case TKeyKind::Text:
        break;
    }
  }

  // The picture a key names, loaded as the engine loads it; nothing when the engine gets none.
  std::optional<TPictureFacts> LoadPicture(const std::string& section, const std::string& key) {
    const std::string value = ini_.ReadString(section, key, "");
    if (value.empty())
      return std::nullopt;
    const std::string name = FileNamePart(value);
    used_.insert(AsciiLower(name));
    if (!EndsWithBmp(name)) {
      Add(L::Error, section, key, value, "the engine loads only pictures whose names end in .bmp (lower case)");
      return std::nullopt;
    }
    const std::string_view bytes = package_.EntryBytes(name);
    if (bytes.empty()) {
      Add(L::Error, section, key, name, "no picture of that name in the package");
      return std::nullopt;
    }
    try {
      const BmpLayout layout = ParseBmpFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      return TPictureFacts{layout.width, layout.height, layout.width, layout.height};
    } catch (const std::exception& e) {
      Add(L::Error, section, key, name, std::string("not a BMP picture the engine can read (") + e.what() + ")");
      return std::nullopt;
    }
  }

  // The frame count the engine gives the picture of RULE, or nothing when it is not a number
  // worth checking (the engine works one out itself).
  int32_t FrameCount(const std::string& section, const TFrameRule& rule, const TPictureFacts& p) {
    if (AsciiLower(section) == "progress")
      return ini_.ReadInteger(section, "Style", 0) != 0 ? 1 : rule.Frames;
    const int32_t given = rule.Fixed() ? 0 : ini_.ReadInteger(section, rule.CountKey, 0);
    const bool borderKey = rule.CountKey.size() > 5 && rule.CountKey.ends_with("Frame") && AsciiLower(section) == "personality";
    if (given != 0 || borderKey)
      return borderKey ? ini_.ReadInteger(section, rule.CountKey, 1) : given;
    if (rule.Frames != 0)
      return rule.Frames;
    if (rule.PictureKey == "ButtonImage")
      return CaptionStripFrameCount(p.Width, p.Height, ini_.ReadInteger(section, "Action", 0));
    return MarkStripFrameCount(p.Width, p.Height);
  }

  void CheckPictures(const std::string& section, const TKnownSection& known) {
    for (const TFrameRule& rule : known.Pictures) {
      std::optional<TPictureFacts> picture = LoadPicture(section, rule.PictureKey);
      if (!picture)
        continue;
      const std::string name = FileNamePart(ini_.ReadString(section, rule.PictureKey, ""));
      const int32_t count = FrameCount(section, rule, *picture);
      const bool countGiven = !rule.Fixed() && !ini_.ReadString(section, rule.CountKey, "").empty();
      const std::string countKey = countGiven ? rule.CountKey : rule.PictureKey;
      const int32_t length = rule.Stacked ? picture->Height : picture->Width;
      const std::string along = rule.Stacked ? "high" : "wide";
      const std::string cut = countGiven ? N(count) + " frames" : "the engine's " + N(count) + " frames";
      if (count < 1) {
        Add(L::Warning, section, countKey, name, N(count) + " frames: the engine draws the whole picture as one");
      } else if (count > length) {
        Add(L::Warning, section, countKey, name, cut + " in a picture " + N(length) + " pixels " + along + ": the frames are empty");
      } else if (length % count != 0) {
        Add(L::Warning, section, countKey, name,
            cut + " do not divide the picture, " + N(length) + " pixels " + along);
      }
      // An element whose count the engine fixes still reads "Frame"; a different one is ignored.
      if (rule.Fixed() && rule.PictureKey == "Image" && FindKnownKey(known, "Frame") && known.Name != "Headerbar") {
        const int32_t written = ini_.ReadInteger(section, "Frame", count);
        if (written != count && count >= 1)
          Add(L::Warning, section, "Frame", name,
              "Frame = " + N(written) + " is not used: the engine always cuts this picture into " + N(count));
      }
      const int32_t frames = std::max(count, 1);
      if (rule.Stacked) picture->FrameHeight = picture->Height / frames;
      else picture->FrameWidth = picture->Width / frames;
      pictures_[AsciiLower(section) + "/" + AsciiLower(rule.PictureKey)] = *picture;
      CheckSlicing(section, known, rule, name, *picture);
    }
  }

  void MarginsFit(const std::string& section, const std::string& firstKey, const std::string& secondKey,
                  int32_t first, int32_t second, int32_t room, const std::string& picture, bool across) {
    if (first + second > room)
      Add(L::Warning, section, firstKey, picture,
          firstKey + " " + N(first) + " and " + secondKey + " " + N(second) + " are " +
              (across ? "wider" : "taller") + " than a frame (" + N(room) + " pixels)");
  }

  void CheckSlicing(const std::string& section, const TKnownSection& known, const TFrameRule& rule,
                    const std::string& picture, const TPictureFacts& p) {
    const auto read = [&](const std::string& key, int32_t fallback) { return ini_.ReadInteger(section, key, fallback); };
    if (known.Margins && rule.PictureKey == known.Pictures.front().PictureKey) {
      MarginsFit(section, "LeftWidth", "RightWidth", read("LeftWidth", 0), read("RightWidth", 0), p.FrameWidth, picture, true);
      MarginsFit(section, "TopHeight", "BottomHeight", read("TopHeight", 0), read("BottomHeight", 0), p.FrameHeight, picture, false);
      return;
    }
    if (known.Name != "Personality")
      return;
    const std::string& b = rule.PictureKey;
    if (b == "TextBack") {
      MarginsFit(section, "TXTBackleft", "TXTBackRight", read("TXTBackleft", 0), read("TXTBackRight", 0), p.FrameWidth, picture, true);
    } else if (b == "menuBar") {
      MarginsFit(section, "TileLeftMenu", "TileRightMenu", read("TileLeftMenu", 1), read("TileRightMenu", 1), p.FrameWidth, picture, true);
    } else if (b == "Left" || b == "Right") {
      MarginsFit(section, b + "TopHeight", b + "BotHeight", read(b + "TopHeight", 0), read(b + "BotHeight", 0), p.FrameHeight, picture, false);
    } else {
      MarginsFit(section, b + "TopHeight", b + "BotHeight", read(b + "TopHeight", 0), read(b + "BotHeight", 0), p.FrameWidth, picture, true);
    }
  }

  // Buttons placed from the window's left (Align 0) or right (Align 1) edge must lie in the
  // title bar and leave the title text its room: from TextShift to TextRightClip from the right.
  void CheckCaptionButtons() {
    const auto top = pictures_.find("personality/top");
    std::vector<std::string> sections;
    ini_.ReadSections(&sections);
    std::set<std::string> seen;
    for (const std::string& section : sections) {
      if (!IsCaptionButtonSectionName(section) || !seen.insert(AsciiUpper(section)).second)
        continue;
      const auto read = [&](const char* key, int32_t fallback) { return ini_.ReadInteger(section, key, fallback); };
      const int32_t action = read("Action", 0), align = read("Align", 0);
      if ((action == -1 && read("Visibility", -1) != 0) || (align != 0 && align != 1))
        continue;
      int32_t w = kSmallIcon, h = kSmallIcon;
      const std::string picture = FileNamePart(ini_.ReadString(section, "ButtonImage", ""));
      const auto facts = pictures_.find(AsciiLower(section) + "/buttonimage");
      if (facts != pictures_.end() && !((action == 3 || action == 11) && read("frame", 0) == 0)) {
        w = facts->second.FrameWidth, h = facts->second.Height;
      } else if (action != 3 && action != 11) {
        continue;
      }
      const int32_t x = read("Xcoord", 0), y = read("Ycoord", 0);
      if (top != pictures_.end() && (y < 0 || y + h > top->second.FrameHeight))
        Add(L::Warning, section, "Ycoord", picture,
            "the button, " + N(h) + " pixels high at " + N(y) + ", reaches outside the title bar (" +
                N(top->second.FrameHeight) + " pixels high)");
      const int32_t shift = ini_.ReadInteger("Personality", "TextShift", 0);
      const int32_t clip = ini_.ReadInteger("Personality", "TextRightClip", 0);
      if (align == 0 && x < 0)
        Add(L::Warning, section, "Xcoord", picture, "the button starts left of the window");
      else if (align == 0 && x + w > shift)
        Add(L::Warning, section, "Xcoord", picture,
            "the button ends at " + N(x + w) + ", inside the title text, which starts at TextShift " + N(shift));
      else if (align == 1 && x < w)
        Add(L::Warning, section, "Xcoord", picture, "the button reaches past the window's right edge");
      else if (align == 1 && x > clip)
        Add(L::Warning, section, "Xcoord", picture,
            "the button starts " + N(x) + " from the right, inside the title text, which ends at TextRightClip " + N(clip));
    }
  }

  void NoteUnusedPictures() {
    for (const std::string& name : package_.EntryNames())
      if (EndsWithBmp(name) && !used_.contains(name))
        Add(L::Note, "", "", name, "no element uses this picture");
  }

  const TSkinReader& package_;
  TQuickIni ini_;
  std::vector<TSkinProblem> problems_;
  std::set<std::string> used_;                     // picture names the description uses, lower case
  std::map<std::string, TPictureFacts> pictures_;  // "section/key", lower case, of pictures loaded
};

}  // namespace

std::string TSkinProblem::Line() const {
  static const char* const kLevels[] = {"error", "warning", "note"};
  std::string where;
  if (!Section.empty()) where = "[" + Section + "]";
  if (!Key.empty()) where += (where.empty() ? "" : " ") + Key;
  if (!Picture.empty()) where += where.empty() ? Picture : " (" + Picture + ")";
  return std::string(kLevels[static_cast<int>(Level)]) + ": " + (where.empty() ? "" : where + ": ") + Text;
}

std::vector<TSkinProblem> CheckSkin(const TSkinReader& package) { return TChecker(package).Run(); }

std::vector<TSkinProblem> CheckSkinFile(TMemoryStream& compressed) {
  TSkinReader reader;
  // The reader's own notice would be a second report of the same fault.
  auto notify = std::exchange(TSkinReader::Notify, nullptr);
  bool loaded = false;
  std::string why = "it does not decompress, or its version is not one the program knows";
  try {
    loaded = reader.LoadPackage(compressed);
  } catch (const std::exception& e) {
    why = e.what();
  }
  TSkinReader::Notify = std::move(notify);
  if (!loaded)
    return {{L::Error, "", "", "", "not a skin package the program can read: " + why}};
  return CheckSkin(reader);
}

bool HasFaults(const std::vector<TSkinProblem>& problems) {
  return std::any_of(problems.begin(), problems.end(),
                     [](const TSkinProblem& p) { return p.Level != TSkinProblemLevel::Note; });
}
