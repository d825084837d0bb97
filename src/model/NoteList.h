// The annotation notes the user made lately, most recent first, as the annotation dialog
// offers them again. Built from the settings' ten note texts and turned back into them when
// the window closes.
//
// Texts are UTF-8 std::string, as in the settings record, so that the list and its rules
// need no Qt; the dialog converts at its edge.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "CalcSettings.h"

class TNoteList {
 public:
  static constexpr std::size_t MaxNotes = std::tuple_size_v<TNoteTexts>;

  TNoteList() = default;
  // Empty texts are skipped, and a text already taken is not taken twice.
  explicit TNoteList(const TNoteTexts& Notes);

  const std::vector<std::string>& Items() const { return fItems; }

  // Confirms a typed note; the list keeps it without the blanks and control characters at its
  // ends. Nothing left: refused (no value), nothing changes. Equal to an item (letter case
  // counts): that item moves to the top and is the note. Otherwise it goes on top, the oldest
  // beyond MaxNotes drops out, and the note is Typed as it stands.
  std::optional<std::string> Accept(const std::string& Typed);

  TNoteTexts ToNotes() const;

 private:
  std::vector<std::string> fItems;
};
