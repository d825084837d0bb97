// A small file's whole text, read and written for the calculator's own records: a file is
// replaced by writing its new text beside it and renaming that over it, so a failed or cut
// write never leaves a half-written file in place of a good one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace FileText {

// The first MaxBytes bytes of a file; nothing when it cannot be opened or read.
std::optional<std::string> ReadHead(const std::filesystem::path& File, std::size_t MaxBytes);

// Replaces File by Text; false, with the old file left as it was, when any step failed.
bool Replace(const std::filesystem::path& File, std::string_view Text);

// Moves a file aside to the first free name of File + Suffix, File + Suffix + "2", ...;
// the name it was kept under, or nothing when it could not be moved.
std::optional<std::filesystem::path> KeepAside(const std::filesystem::path& File,
                                               std::string_view Suffix);

}  // namespace FileText
