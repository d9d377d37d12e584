#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/controls.h"

// Each control that the program's logic or a screen reader names by what it
// is for, once: its role's name in the code (scenarios spell it in
// lower_snake case without the k: enter_button), the control of Form1 that
// plays it, what a screen reader calls it (nothing: its caption) and whether
// it hears the control's value with that name. In reading order: what a
// click writes is announced in this order.
#define UMRAK_ROLES(X)                                                 \
  X(kYearsLabel, Label8, "عدد السنوات", RoleAndValue)                  \
  X(kMonthsLabel, Label7, "عدد الشهور", RoleAndValue)                  \
  X(kDaysLabel, Label10, "عدد الأيام", RoleAndValue)                   \
  X(kAdjustedYearsLabel, Label12, "السنوات بعد التعديل", RoleAndValue) \
  X(kAdjustedMonthsLabel, Label13, "الشهور بعد التعديل", RoleAndValue) \
  X(kAdjustedDaysLabel, Label18, "الأيام بعد التعديل", RoleAndValue)   \
  X(kSignLabel, Label19, "البرج", RoleAndValue)                        \
  X(kBirthYearBox, Text1, "سنة الميلاد", Role)                         \
  X(kBirthMonthBox, Text2, "شهر الميلاد", Role)                        \
  X(kBirthDayBox, Text3, "يوم الميلاد", Role)                          \
  X(kTodaysDayBox, Text4, "تاريخ اليوم: اليوم", Role)                  \
  X(kCurrentMonthBox, Text5, "تاريخ اليوم: الشهر", Role)               \
  X(kCurrentYearBox, Text6, "تاريخ اليوم: السنة", Role)                \
  X(kFirstNoteBox, Text7, "ملاحظة 1", Role)                            \
  X(kSecondNoteBox, Text8, "ملاحظة 2", Role)                           \
  X(kBirthYearBar, VScroll1, "سنة الميلاد", Role)                      \
  X(kBirthDayBar, scroll, "يوم الميلاد", Role)                         \
  X(kTodaysDayBar, HScroll1, "تاريخ اليوم: اليوم", Role)               \
  X(kCurrentMonthBar, VScroll2, "تاريخ اليوم: الشهر", Role)            \
  X(kJanuaryButton, Command2, "شهر الميلاد 1", Role)                   \
  X(kFebruaryButton, Command6, "شهر الميلاد 2", Role)                  \
  X(kMarchButton, Command5, "شهر الميلاد 3", Role)                     \
  X(kAprilButton, Command4, "شهر الميلاد 4", Role)                     \
  X(kMayButton, Command3, "شهر الميلاد 5", Role)                       \
  X(kJuneButton, Command1, "شهر الميلاد 6", Role)                      \
  X(kJulyButton, Command11, "شهر الميلاد 7", Role)                     \
  X(kAugustButton, Command10, "شهر الميلاد 8", Role)                   \
  X(kSeptemberButton, Command9, "شهر الميلاد 9", Role)                 \
  X(kOctoberButton, Command8, "شهر الميلاد 10", Role)                  \
  X(kNovemberButton, Command18, "شهر الميلاد 11", Role)                \
  X(kDecemberButton, Command17, "شهر الميلاد 12", Role)                \
  X(kEnterButton, Command7, "", Caption)                               \
  X(kMonthsBorrowButton, Command14, "", Caption)                       \
  X(kDays31BorrowButton, Command15, "", Caption)                       \
  X(kDays30BorrowButton, Command16, "", Caption)                       \
  X(kSignButton, Command19, "", Caption)                               \
  X(kCreditButton, Command13, "", Caption)                             \
  X(kExitButton, Command12, "", Caption)

namespace umrak::form1 {

enum class Says : std::uint8_t {
  Caption,       // its caption, as Qt reads it
  Role,          // the role alone; a box's text or a bar's value is read apart
  RoleAndValue,  // a result: the role, then what the label shows
};

struct Role {
  core::ControlId control;
  const char* spoken;  // UTF-8
  Says says;
  std::string_view name;  // in the code: kEnterButton
};

#define UMRAK_ROLE_CONSTANT(name, control, spoken, says) \
  inline constexpr core::ControlId name = core::ControlId::control;
UMRAK_ROLES(UMRAK_ROLE_CONSTANT)
#undef UMRAK_ROLE_CONSTANT

inline constexpr Role kRoles[] = {
#define UMRAK_ROLE_ROW(name, control, spoken, says) {name, spoken, Says::says, #name},
    UMRAK_ROLES(UMRAK_ROLE_ROW)
#undef UMRAK_ROLE_ROW
};

}  // namespace umrak::form1
