// TLineInput reads veltrona-tape's standard input a line at a time: with line editing and a
// prompt when it is a terminal and the program was built with libedit, otherwise as plain
// lines.
#pragma once

#include <optional>
#include <string>

class TLineInput {
 public:
  explicit TLineInput(bool Interactive);
  TLineInput(const TLineInput&) = delete;
  TLineInput& operator=(const TLineInput&) = delete;
  ~TLineInput();

  // The next line without its line end; nothing at the end of the input.
  std::optional<std::string> ReadLine(const std::string& Prompt);

 private:
  bool fInteractive;
};
