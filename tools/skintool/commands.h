#pragma once
// The verbs of skintool. Each returns the process exit code and reports problems on stderr;
// I/O failures arrive as std::runtime_error.

#include <string>

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;  // bad input or I/O error
inline constexpr int ExitUsage = 2;    // wrong verb or arguments

int PackCommand(const std::string& dir, const std::string& out);
int ListCommand(const std::string& skin);
int ExtractCommand(const std::string& skin, const std::string& dir);
int CompressCommand(const std::string& in, const std::string& out);
int DecompressCommand(const std::string& in, const std::string& out);
// Prints every problem of the skin package, one a line, most serious first: ExitOk when there
// is no error or warning, ExitFailure otherwise.
int CheckCommand(const std::string& skin);
// Draws every element of the skin into a contact sheet, a 24-bit BMP. Only the Windows build
// draws; the host build says so and returns ExitUsage.
int PreviewCommand(const std::string& skin, const std::string& out);
