#include "ui/accessible_names.h"

#include <QStringList>
#include <algorithm>

namespace umrak::ui {

namespace {

using C = core::ControlId;

enum class Says {
  Role,          // the role alone; the value is read as the control's text or value
  RoleAndValue,  // a result: the role, then what the label shows
};

struct SpokenRole {
  C control;
  const char* role;
  Says says;
};

// In reading order: what a click writes is said in this order. A bar carries
// the name of the box it fills, so both read the same role.
constexpr SpokenRole kRoles[] = {
    {C::Label8, "عدد السنوات", Says::RoleAndValue},
    {C::Label7, "عدد الشهور", Says::RoleAndValue},
    {C::Label10, "عدد الأيام", Says::RoleAndValue},
    {C::Label12, "السنوات بعد التعديل", Says::RoleAndValue},
    {C::Label13, "الشهور بعد التعديل", Says::RoleAndValue},
    {C::Label18, "الأيام بعد التعديل", Says::RoleAndValue},
    {C::Label19, "البرج", Says::RoleAndValue},
    {C::Text1, "سنة الميلاد", Says::Role},
    {C::Text2, "شهر الميلاد", Says::Role},
    {C::Text3, "يوم الميلاد", Says::Role},
    {C::Text4, "تاريخ اليوم: اليوم", Says::Role},
    {C::Text5, "تاريخ اليوم: الشهر", Says::Role},
    {C::Text6, "تاريخ اليوم: السنة", Says::Role},
    {C::Text7, "ملاحظة 1", Says::Role},
    {C::Text8, "ملاحظة 2", Says::Role},
    {C::VScroll1, "سنة الميلاد", Says::Role},
    {C::scroll, "يوم الميلاد", Says::Role},
    {C::HScroll1, "تاريخ اليوم: اليوم", Says::Role},
    {C::VScroll2, "تاريخ اليوم: الشهر", Says::Role},
    {C::Command2, "شهر الميلاد 1", Says::Role},
    {C::Command6, "شهر الميلاد 2", Says::Role},
    {C::Command5, "شهر الميلاد 3", Says::Role},
    {C::Command4, "شهر الميلاد 4", Says::Role},
    {C::Command3, "شهر الميلاد 5", Says::Role},
    {C::Command1, "شهر الميلاد 6", Says::Role},
    {C::Command11, "شهر الميلاد 7", Says::Role},
    {C::Command10, "شهر الميلاد 8", Says::Role},
    {C::Command9, "شهر الميلاد 9", Says::Role},
    {C::Command8, "شهر الميلاد 10", Says::Role},
    {C::Command18, "شهر الميلاد 11", Says::Role},
    {C::Command17, "شهر الميلاد 12", Says::Role},
};

const SpokenRole* roleOf(C id) {
  const auto* found = std::ranges::find(kRoles, id, &SpokenRole::control);
  return found == std::end(kRoles) ? nullptr : found;
}

QString roleWithValue(const SpokenRole& role, const std::u16string& value) {
  const QString name = QString::fromUtf8(role.role);
  if (value.empty()) return name;
  return name + QStringLiteral(": ") + QString::fromStdU16String(value);
}

}  // namespace

QString spokenName(C id, const std::u16string& shown) {
  const SpokenRole* role = roleOf(id);
  if (!role) return {};
  if (role->says == Says::Role) return QString::fromUtf8(role->role);
  return roleWithValue(*role, shown);
}

QString announcementOf(std::span<const C> written, const core::FormModel& model,
                       std::span<const std::u16string> printed) {
  QStringList parts;
  for (const SpokenRole& role : kRoles) {
    if (std::ranges::find(written, role.control) != written.end()) {
      parts << roleWithValue(role, model.text(role.control));
    }
  }
  for (const std::u16string& line : printed) parts << QString::fromStdU16String(line);
  return parts.join(QStringLiteral("، "));
}

}  // namespace umrak::ui
