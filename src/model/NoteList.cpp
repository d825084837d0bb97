#include "NoteList.h"

#include <algorithm>
#include <utility>

#include "Utf8Text.h"

TNoteList::TNoteList(const TNoteTexts& Notes) {
  for (const std::string& Note : Notes) {
    if (!Note.empty() && std::find(fItems.begin(), fItems.end(), Note) == fItems.end())
      fItems.push_back(Note);
  }
}

std::optional<std::string> TNoteList::Accept(const std::string& Typed) {
  std::string Note = Utf8Text::Trimmed(Typed);
  if (Note.empty()) return std::nullopt;
  const auto Match = std::find(fItems.begin(), fItems.end(), Note);
  if (Match != fItems.end()) {
    std::rotate(fItems.begin(), Match, Match + 1);
    return Note;
  }
  fItems.insert(fItems.begin(), std::move(Note));
  if (fItems.size() > MaxNotes) fItems.pop_back();
  return Typed;
}

TNoteTexts TNoteList::ToNotes() const {
  TNoteTexts Notes;
  std::copy_n(fItems.begin(), std::min(fItems.size(), Notes.size()), Notes.begin());
  return Notes;
}
