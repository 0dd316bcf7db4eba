#include "runtime/random.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <thread>
#include <vector>

namespace {

std::vector<int> draws(int low, int high, int count) {
  std::vector<int> values;
  for (int n = 0; n < count; ++n) values.push_back(random_in_range(low, high));
  return values;
}

class RandomInRange : public ::testing::Test {
 protected:
  void SetUp() override { reset_random_state(); }
};

TEST_F(RandomInRange, FirstDrawsFromStartState) {
  EXPECT_EQ(draws(1, 15, 5), (std::vector<int>{12, 3, 5, 11, 15}));
}

TEST_F(RandomInRange, BoundsAreNormalised) {
  const std::vector<int> ordered = draws(1, 15, 20);
  reset_random_state();
  EXPECT_EQ(draws(15, 1, 20), ordered) << "swapped bounds";
  reset_random_state();
  const std::vector<int> from_zero = draws(0, 3, 20);
  reset_random_state();
  EXPECT_EQ(draws(-5, 3, 20), from_zero) << "negative bound counts as 0";
  reset_random_state();
  EXPECT_EQ(draws(3, -5, 20), from_zero) << "negative high bound, swapped";
}

TEST_F(RandomInRange, EqualBoundsDoNotAdvance) {
  EXPECT_EQ(random_in_range(7, 7), 7);
  EXPECT_EQ(random_in_range(-3, -9), 0);
  EXPECT_EQ(random_in_range(1, 15), 12) << "generator still at its start";
}

TEST_F(RandomInRange, CoversBothBoundsAndStaysInside) {
  std::set<int> seen;
  for (int value : draws(2, 5, 400)) {
    EXPECT_GE(value, 2);
    EXPECT_LE(value, 5);
    seen.insert(value);
  }
  EXPECT_EQ(seen, (std::set<int>{2, 3, 4, 5}));
}

TEST_F(RandomInRange, WideRangeStaysWithin32768OfLow) {
  for (int value : draws(0, INT_MAX, 200)) EXPECT_LE(value, 32767);
  for (int value : draws(100, INT_MAX, 200)) EXPECT_LE(value, 100 + 32767);
}

TEST_F(RandomInRange, EachThreadStartsFromOne) {
  draws(1, 15, 3);
  std::vector<int> other;
  std::thread thread([&other] { other = draws(1, 15, 2); });
  thread.join();
  EXPECT_EQ(other, (std::vector<int>{12, 3}));
}

}  // namespace
