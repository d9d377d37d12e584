#include "runtime/run_error.h"

namespace umrak::core {

namespace {
constexpr std::uint32_t kFacilityMask = 0xFFFF0000u;
}  // namespace

std::int32_t errorNumberOf(Status failure) {
  const auto bits = static_cast<std::uint32_t>(failure);
  if ((bits & kFacilityMask) == kRuntimeFacility) return static_cast<std::int32_t>(bits & 0xFFFFu);
  return failure;
}

std::string errorMessage(std::int32_t number) {
  switch (number) {
    case error::kOverflow:
      return "تجاوز السعة: الناتج أكبر من أن يُحسب";
    case error::kTypeMismatch:
      return "عدم تطابق النوع: النص ليس رقماً";
    case error::kNotSupported:
      return "العنصر لا يدعم هذه الخاصية أو العملية";
    default:
      return "خطأ في وقت التشغيل";
  }
}

RunError makeError(std::int32_t number) {
  return {number, errorMessage(number), failureStatusOf(number, -1)};
}

RunError errorFromStatus(Status failure, std::string message) {
  const std::int32_t number = errorNumberOf(failure);
  if (message.empty()) message = errorMessage(number);
  return {number, std::move(message), failure};
}

}  // namespace umrak::core
