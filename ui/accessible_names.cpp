#include "ui/accessible_names.h"

#include <utility>

namespace ui {

namespace {

using C = core::ControlId;

// A bar carries the name of the box it fills, so both read the same role.
constexpr std::pair<C, const char*> kRoleNames[] = {
    {C::Text1, "سنة الميلاد"},
    {C::Text2, "شهر الميلاد"},
    {C::Text3, "يوم الميلاد"},
    {C::Text4, "تاريخ اليوم: اليوم"},
    {C::Text5, "تاريخ اليوم: الشهر"},
    {C::Text6, "تاريخ اليوم: السنة"},
    {C::Text7, "ملاحظة 1"},
    {C::Text8, "ملاحظة 2"},
    {C::VScroll1, "سنة الميلاد"},
    {C::scroll, "يوم الميلاد"},
    {C::HScroll1, "تاريخ اليوم: اليوم"},
    {C::VScroll2, "تاريخ اليوم: الشهر"},
};

}  // namespace

QString accessibleRoleName(core::ControlId id) {
  for (const auto& [control, name] : kRoleNames) {
    if (control == id) return QString::fromUtf8(name);
  }
  return {};
}

}  // namespace ui
