#pragma once
#include <string>

// A profile (INI) file read and written through the system's private-profile calls, which
// decide its layout. Give a full path: the system looks for a bare name in the Windows folder.
class TIniFile {
public:
  explicit TIniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }

  // The value, or fallback when the file, section or key is missing. At most 2047 characters
  // come back.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // Raises EIniFileException "Unable to write to %s" when the system cannot write the file.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
  std::string fileName_;  // the file, as given
};
