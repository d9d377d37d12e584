#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace umrak::core {

// A signed 32-bit result code: zero or more is success, negative a failure.
using Status = std::int32_t;

inline constexpr Status kOk = 0;

namespace error {
inline constexpr std::int32_t kInvalidProcedureCall = 5;  // carried by a failing control call
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInvalidPropertyValue = 380;  // carried by a failing control call
inline constexpr std::int32_t kNotSupported = 438;          // property or method the object lacks
}  // namespace error

// A run-time error as it travels out of a procedure. The message is UTF-8.
struct RunError {
  std::int32_t number;
  std::string message;
  Status failure;  // the status that carries this error through the form interface
};

// A status of the form 0x800AXXXX carries run-time error XXXX; any other
// negative status is itself the error's number.
inline constexpr std::uint32_t kRuntimeFacility = 0x800A0000u;
std::int32_t errorNumberOf(Status failure);

// The failure status for an error number: 0x800A0000 plus the number where
// it fits in the low word, otherwise `fallback`.
constexpr Status failureStatusOf(std::int32_t number, Status fallback) {
  if (number > 0 && number <= 0xFFFF) {
    return static_cast<Status>(kRuntimeFacility | static_cast<std::uint32_t>(number));
  }
  return fallback;
}

// The program's own wording of an error it can raise, in Arabic.
std::string errorMessage(std::int32_t number);

RunError makeError(std::int32_t number);
RunError errorFromStatus(Status failure, std::string message);

}  // namespace umrak::core
