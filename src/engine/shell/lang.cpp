#include "engine/shell/lang.h"

namespace vexilor {

std::uint8_t Lang = 0;

std::string_view ByLang(std::string_view english, std::string_view russian) {
  return PickText(Lang, english, russian);
}

std::string_view TextPair::Get() const {
  return PickText(Lang, En, Ru);
}

}  // namespace vexilor
