#include "ModelText.h"

#include "EngineText.h"

// The marker Qt's lupdate reads to list these texts for translation; the model has no Qt, so it
// is defined here as the text itself.
#define QT_TRANSLATE_NOOP(Context, Text) Text

namespace ModelText {

namespace {

TTranslate Installed = nullptr;

constexpr const char* Table[] = {
    // The engine's error lines and boxes, the angle marks and the tax-included mark on the tape.
    QT_TRANSLATE_NOOP("Veltrona", "Cannot Divide by Zero"),
    QT_TRANSLATE_NOOP("Veltrona", "Number too Large"),
    QT_TRANSLATE_NOOP("Veltrona", "Invalid Input"),
    QT_TRANSLATE_NOOP("Veltrona", "Equation Limit Reached!"),
    QT_TRANSLATE_NOOP("Veltrona", "Invalid fSubTotalSymIndex"),
    QT_TRANSLATE_NOOP("Veltrona", "Invalid fExpandOperSymIndex"),
    QT_TRANSLATE_NOOP("Veltrona", "rd"),
    QT_TRANSLATE_NOOP("Veltrona", "gr"),
    QT_TRANSLATE_NOOP("Veltrona", "Too Large to Show as Hex"),
    QT_TRANSLATE_NOOP("Veltrona", "Unknown Tape Format!"),
    QT_TRANSLATE_NOOP("Veltrona", "Incl "),
    // The model's error boxes.
    QT_TRANSLATE_NOOP("Veltrona", "Invalid Number"),
    QT_TRANSLATE_NOOP("Veltrona",
                      "Line %1 of the pasted text is not a number; nothing was entered."),
    QT_TRANSLATE_NOOP("Veltrona",
                      "Lines %1 of the pasted text are not numbers; nothing was entered."),
    QT_TRANSLATE_NOOP("Veltrona", "%1 and %2"),
    QT_TRANSLATE_NOOP("Veltrona", "%1 more"),
    QT_TRANSLATE_NOOP("Veltrona",
                      "The pasted column holds %1 numbers; the calculation has room "
                      "for %2. Nothing was entered."),
    // The status bar and the hints.
    QT_TRANSLATE_NOOP("Veltrona", "Mem: Hex %1"),
    QT_TRANSLATE_NOOP("Veltrona", "Mem:%1"),
    QT_TRANSLATE_NOOP("Veltrona", "General"),
    QT_TRANSLATE_NOOP("Veltrona", "Scient. (%1)"),
    QT_TRANSLATE_NOOP("Veltrona", "Currency"),
    QT_TRANSLATE_NOOP("Veltrona", "Fixed (%1)"),
    QT_TRANSLATE_NOOP("Veltrona", "As Entered"),
    QT_TRANSLATE_NOOP("Veltrona", "Arithmetic"),
    QT_TRANSLATE_NOOP("Veltrona", "No Number in Memory"),
    QT_TRANSLATE_NOOP("Veltrona", "Memory = %1"),
    QT_TRANSLATE_NOOP("Veltrona", "Memory = Hex %1"),
    QT_TRANSLATE_NOOP("Veltrona", "Number too large to show as Hex"),
    QT_TRANSLATE_NOOP("Veltrona", "Tape Format:%1"),
    QT_TRANSLATE_NOOP("Veltrona", "Scientific"),
    QT_TRANSLATE_NOOP("Veltrona", "Fixed"),
    QT_TRANSLATE_NOOP("Veltrona", "Scientific: %1"),
    QT_TRANSLATE_NOOP("Veltrona", "Fixed: %1"),
};

}  // namespace

void SetTranslate(TTranslate Translate) {
  Installed = Translate;
  EngineTextHook = Translate;
}

std::string Tr(const char* English) {
  return Installed ? Installed(English) : std::string(English);
}

std::string Arg(std::string Text, std::initializer_list<std::string> Values) {
  // One pass, so that a value holding "%2" is never replaced itself.
  std::string Out;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == '%' && I + 1 < Text.size() && Text[I + 1] >= '1' && Text[I + 1] <= '9') {
      const std::size_t N = static_cast<std::size_t>(Text[I + 1] - '1');
      if (N < Values.size()) {
        Out += *(Values.begin() + N);
        ++I;
        continue;
      }
    }
    Out += Text[I];
  }
  return Out;
}

std::span<const char* const> Texts() {
  return Table;
}

}  // namespace ModelText
