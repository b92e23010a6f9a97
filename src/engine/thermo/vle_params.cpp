#include "engine/thermo/vle_params.h"

namespace vexilor {

TVLEParams VLEParams;
std::array<std::string, kMaxComponents> CompNames;
ComponentConstants CompConstants;

std::string_view ModelNameOf(char letter) {
  switch (letter) {
    case 'F':
      return "UNIFAC";
    case 'N':
      return "NRTL";
    case 'Q':
      return "UNIQUAC";
    case 'W':
      return "Wilson";
    default:
      return {};
  }
}

}  // namespace vexilor
