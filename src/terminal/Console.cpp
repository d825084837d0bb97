#include "Console.h"

#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace Console {

#ifdef _WIN32

bool InputIsTerminal() {
  return _isatty(_fileno(stdin)) != 0;
}

bool OutputIsTerminal() {
  return _isatty(_fileno(stdout)) != 0;
}

std::optional<int> OutputWidth() {
  CONSOLE_SCREEN_BUFFER_INFO Info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &Info)) return std::nullopt;
  return Info.srWindow.Right - Info.srWindow.Left + 1;
}

#else

bool InputIsTerminal() {
  return isatty(STDIN_FILENO) != 0;
}

bool OutputIsTerminal() {
  return isatty(STDOUT_FILENO) != 0;
}

std::optional<int> OutputWidth() {
  winsize Size{};
  if (!OutputIsTerminal() || ioctl(STDOUT_FILENO, TIOCGWINSZ, &Size) != 0 || Size.ws_col == 0)
    return std::nullopt;
  return Size.ws_col;
}

#endif

bool ColorsRefused() {
  const char* NoColor = std::getenv("NO_COLOR");
  return NoColor && *NoColor;
}

}  // namespace Console
