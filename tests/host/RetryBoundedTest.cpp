// The one bounded retry every caller shares: how often it tries, what it
// does between attempts, and that it gives up in time.
#include "winsupport/core/RetryBounded.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vr {
namespace {

// A clock that moves one millisecond per reading and by each sleep.
class SteppingClock final : public Clock {
  public:
    std::uint32_t GetTickCount() override { return ++now; }
    void Sleep(std::uint32_t milliseconds) override {
        events.push_back("Sleep(" + std::to_string(milliseconds) + ")");
        now += milliseconds;
    }
    void PumpMessages() override { events.push_back("Pump"); }

    std::uint32_t now = 0;
    std::vector<std::string> events;
};

TEST(RetryBounded, PausesOrPumpsAfterEachFailedAttemptOnly) {
    struct Case {
        const char* name;
        RetryPolicy policy;
        int failuresBeforeSuccess;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {"succeeds at once", {BetweenAttempts::Nothing, 1000, 5}, 0, {}},
        {"pause between", {BetweenAttempts::Nothing, 1000, 5}, 2, {"Sleep(5)", "Sleep(5)"}},
        {"pump then pause",
         {BetweenAttempts::Pump, 1000, 5},
         2,
         {"Pump", "Sleep(5)", "Pump", "Sleep(5)"}},
        {"clipboard pace", {BetweenAttempts::Nothing, 1000, 10}, 1, {"Sleep(10)"}},
    };
    for (const Case& c : cases) {
        SteppingClock clock;
        int attempts = 0;
        EXPECT_TRUE(RetryBounded(clock, c.policy, [&] {
            return attempts++ == c.failuresBeforeSuccess;
        })) << c.name;
        EXPECT_EQ(attempts, c.failuresBeforeSuccess + 1) << c.name;
        EXPECT_EQ(clock.events, c.events) << c.name;
    }
}

TEST(RetryBounded, GivesUpOnceTheBoundHasPassed) {
    SteppingClock clock;
    int attempts = 0;
    EXPECT_FALSE(RetryBounded(clock, {BetweenAttempts::Nothing, 3000, 5}, [&] {
        ++attempts;
        return false;
    }));
    // Each failed attempt costs a reading and a pause: 6 ms of this clock.
    EXPECT_GE(clock.now, 3000u);
    EXPECT_LE(clock.now, 3000u + 6u);
    EXPECT_NEAR(attempts, 500, 2);
    // The last failed attempt is not followed by a pause.
    EXPECT_EQ(clock.events.size(), static_cast<std::size_t>(attempts - 1));
}

TEST(RetryBounded, WrapOfTheTickCountDoesNotEndTheRetryEarly) {
    SteppingClock clock;
    clock.now = 0xFFFFFFF0u; // 16 ms before the 32-bit tick count wraps
    int attempts = 0;
    EXPECT_FALSE(RetryBounded(clock, {BetweenAttempts::Nothing, 100, 5}, [&] {
        ++attempts;
        return false;
    }));
    EXPECT_GE(attempts, 100 / 6);
}

} // namespace
} // namespace vr
