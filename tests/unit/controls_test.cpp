#include "runtime/controls.h"

#include <gtest/gtest.h>

namespace umrak::unit {
namespace {

TEST(ControlNames, EveryNameFindsItsControlExactly) {
  for (std::size_t i = 0; i < core::kControlCount; ++i) {
    const auto id = static_cast<core::ControlId>(i);
    EXPECT_EQ(core::controlByName(core::controlName(id)), id);
  }
  for (const char* name : {"Scroll", "text1", "Text9", "Label0", "", "Form1"}) {
    EXPECT_EQ(core::controlByName(name), std::nullopt) << name;
  }
}

}  // namespace
}  // namespace umrak::unit
