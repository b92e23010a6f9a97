// Language of interface and the rule that picks one text of a pair.
#pragma once

#include <cstdint>
#include <string_view>

namespace vexilor {

//! Language flag: 1 English, 2 Russian, 0 until the language is chosen.
//! Every value other than 1 shows the Russian texts.
extern std::uint8_t Lang;

//! The English text when lang is 1, the Russian one otherwise (0 included).
constexpr std::string_view PickText(std::uint8_t lang, std::string_view english,
                                    std::string_view russian) {
  return lang == 1 ? english : russian;
}

//! PickText by the global flag Lang.
std::string_view ByLang(std::string_view english, std::string_view russian);

//! A user-visible text in both languages, English first.
struct TextPair {
  std::string_view En;
  std::string_view Ru;

  constexpr std::string_view operator()(std::uint8_t lang) const { return PickText(lang, En, Ru); }
  //! The text in the language of the global flag.
  std::string_view Get() const;
};

}  // namespace vexilor
