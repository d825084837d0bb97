#include "FileText.h"

#include <fstream>
#include <random>
#include <system_error>

namespace FileText {

std::optional<std::string> ReadHead(const std::filesystem::path& File, std::size_t MaxBytes) {
  std::ifstream In(File, std::ios::binary);
  if (!In) return std::nullopt;
  std::string Text(MaxBytes, '\0');
  In.read(Text.data(), static_cast<std::streamsize>(Text.size()));
  if (In.bad()) return std::nullopt;
  Text.resize(static_cast<std::size_t>(In.gcount()));
  return Text;
}

bool Replace(const std::filesystem::path& File, std::string_view Text) {
  std::filesystem::path Temporary = File;
  Temporary += ".tmp" + std::to_string(std::random_device{}() % 1000000);
  std::error_code Ignored;
  {
    std::ofstream Out(Temporary, std::ios::binary | std::ios::trunc);
    if (!Out) return false;
    Out.write(Text.data(), static_cast<std::streamsize>(Text.size()));
    Out.close();
    if (!Out) {
      std::filesystem::remove(Temporary, Ignored);
      return false;
    }
  }
  std::error_code Error;
  std::filesystem::rename(Temporary, File, Error);
  if (Error) {
    std::filesystem::remove(Temporary, Ignored);
    return false;
  }
  return true;
}

std::optional<std::filesystem::path> KeepAside(const std::filesystem::path& File,
                                               std::string_view Suffix) {
  for (int N = 1; N <= 999; ++N) {
    std::filesystem::path Aside = File;
    Aside += std::string(Suffix) + (N == 1 ? std::string() : std::to_string(N));
    std::error_code Error;
    if (std::filesystem::exists(Aside, Error) || Error) continue;
    std::filesystem::rename(File, Aside, Error);
    if (Error) return std::nullopt;
    return Aside;
  }
  return std::nullopt;
}

}  // namespace FileText
