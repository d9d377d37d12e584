#include "runtime/run_error.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/procedure.h"

namespace umrak::unit {
namespace {

constexpr core::Status statusOf(std::uint32_t bits) {
  return static_cast<core::Status>(bits);
}

TEST(RunErrorStatus, RuntimeFacilityCarriesTheErrorNumber) {
  const std::pair<std::uint32_t, std::int32_t> cases[] = {
      {0x800A0006u, 6},
      {0x800A000Du, 13},
      {0x800A01B6u, 438},
      {0x800AFFFFu, 65535},
      {0x80004005u, statusOf(0x80004005u)},  // another facility: the status is the number
      {0x800B0006u, statusOf(0x800B0006u)},
      {0xFFFFFFFBu, -5},
  };
  for (const auto& [bits, number] : cases) {
    SCOPED_TRACE(bits);
    EXPECT_EQ(core::errorNumberOf(statusOf(bits)), number);
  }
}

TEST(RunErrorStatus, FailureStatusRoundTripsWhereTheNumberFits) {
  for (std::int32_t number : {1, 6, 13, 438, 65535}) {
    SCOPED_TRACE(number);
    const core::Status status = core::failureStatusOf(number, -1);
    EXPECT_LT(status, 0);
    EXPECT_EQ(core::errorNumberOf(status), number);
  }
  EXPECT_EQ(core::failureStatusOf(13, -1), statusOf(0x800A000Du));
  EXPECT_EQ(core::failureStatusOf(65536, -7), -7);
  EXPECT_EQ(core::failureStatusOf(statusOf(0x80004005u), statusOf(0x80004005u)),
            statusOf(0x80004005u));
}

TEST(RunErrorStatus, ProgramErrorsCarryNumberMessageAndStatus) {
  for (std::int32_t number : {core::error::kOverflow, core::error::kTypeMismatch}) {
    SCOPED_TRACE(number);
    const core::RunError e = core::makeError(number);
    EXPECT_EQ(e.number, number);
    EXPECT_EQ(core::errorNumberOf(e.failure), number);
    EXPECT_FALSE(e.message.empty());
  }
  EXPECT_NE(core::errorMessage(6), core::errorMessage(13));
  EXPECT_EQ(core::errorFromStatus(statusOf(0x800A000Du), {}).message, core::errorMessage(13));
}

TEST(FloatingPointCheck, RaisesOverflowOnlyBeyondTheRangeOfADouble) {
  EXPECT_EQ(core::checked(0.3 - 0.1), 0.3 - 0.1);
  EXPECT_EQ(core::checked(-1E308 + 1E308), 0);
  EXPECT_EQ(core::checked(-1.7E308 - 7E306), -1.7E308 - 7E306);
  for (double sum : {1E308 + 1E308, -1E308 - 1E308}) {
    try {
      core::checked(sum);
      ADD_FAILURE() << "no error for " << sum;
    } catch (const core::RunError& e) {
      EXPECT_EQ(e.number, core::error::kOverflow);
    }
  }
}

}  // namespace
}  // namespace umrak::unit
