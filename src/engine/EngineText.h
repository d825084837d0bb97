// The engine's words that a person reads (error lines, the angle marks, "Incl", the entry
// limit) are English here. The model lists them with its own texts (ModelText) and installs
// the front-end's translation as this hook; without one they stay English.
#pragma once

#include <string>

using TEngineTextHook = std::string (*)(const char* English);

inline TEngineTextHook EngineTextHook = nullptr;

inline std::string EngineText(const char* English) {
  return EngineTextHook ? EngineTextHook(English) : std::string(English);
}
