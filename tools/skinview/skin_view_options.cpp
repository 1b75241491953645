#include "skin_view_options.h"

TSkinViewOptions ParseSkinViewArguments(const std::vector<std::string>& arguments) {
  TSkinViewOptions options;
  for (const std::string& argument : arguments) {
    if (argument == "--mdi")
      options.MDI = true;
    else if (argument.rfind("--", 0) == 0)
      options.Error = "Unknown option " + argument;
    else if (!options.SkinFile.empty())
      options.Error = "Only one skin file can be given";
    else
      options.SkinFile = argument;
  }
  return options;
}

std::string SkinDisplayName(const std::string& skinFile) {
  if (skinFile.empty())
    return "default";
  const size_t slash = skinFile.find_last_of("\\/");
  std::string name = slash == std::string::npos ? skinFile : skinFile.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0)
    name.erase(dot);
  return name;
}
