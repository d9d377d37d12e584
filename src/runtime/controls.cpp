#include "runtime/controls.h"

namespace umrak::core {

std::optional<ControlId> controlByName(std::string_view name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kControlNames[i] == name) return static_cast<ControlId>(i);
  }
  return std::nullopt;
}

}  // namespace umrak::core
