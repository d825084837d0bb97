#include "LineInput.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#ifdef VELTRONA_HAVE_LIBEDIT
#include <editline/readline.h>
#endif

TLineInput::TLineInput(bool Interactive) : fInteractive(Interactive) {
#ifdef VELTRONA_HAVE_LIBEDIT
  if (fInteractive) using_history();
#endif
}

TLineInput::~TLineInput() = default;

std::optional<std::string> TLineInput::ReadLine(const std::string& Prompt) {
#ifdef VELTRONA_HAVE_LIBEDIT
  if (fInteractive) {
    char* Line = readline(Prompt.c_str());
    if (!Line) return std::nullopt;
    std::string Text(Line);
    std::free(Line);
    if (!Text.empty()) add_history(Text.c_str());
    return Text;
  }
#endif
  if (fInteractive) {
    std::cout << Prompt << std::flush;
  }
  std::string Text;
  if (!std::getline(std::cin, Text)) return std::nullopt;
  if (!Text.empty() && Text.back() == '\r') Text.pop_back();
  return Text;
}
