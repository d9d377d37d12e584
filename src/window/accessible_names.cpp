#include "window/accessible_names.h"

#include <QStringList>
#include <algorithm>

#include "form/roles.h"

namespace umrak::ui {

namespace {

using form1::Role;
using form1::Says;

const Role* roleOf(core::ControlId id) {
  const auto* found = std::ranges::find(form1::kRoles, id, &Role::control);
  return found == std::end(form1::kRoles) || found->says == Says::Caption ? nullptr : found;
}

QString roleWithValue(const Role& role, const std::u16string& value) {
  const QString name = QString::fromUtf8(role.spoken);
  if (value.empty()) return name;
  return name + QStringLiteral(": ") + QString::fromStdU16String(value);
}

}  // namespace

QString spokenName(core::ControlId id, const std::u16string& shown) {
  const Role* role = roleOf(id);
  if (!role) return {};
  if (role->says == Says::Role) return QString::fromUtf8(role->spoken);
  return roleWithValue(*role, shown);
}

QString announcementOf(std::span<const core::ControlId> written, const core::FormModel& model,
                       std::span<const std::u16string> printed) {
  QStringList parts;
  for (const Role& role : form1::kRoles) {
    if (role.says != Says::Caption && std::ranges::find(written, role.control) != written.end()) {
      parts << roleWithValue(role, model.text(role.control));
    }
  }
  for (const std::u16string& line : printed) parts << QString::fromStdU16String(line);
  return parts.join(QStringLiteral("، "));
}

}  // namespace umrak::ui
