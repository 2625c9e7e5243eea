// The table of position keys: each key is met once, whatever the table's
// growth has moved, and a cleared table has met none.

#include <gtest/gtest.h>

#include <string>

#include "solver/key_table.h"

namespace kes::solver {
namespace {

// Keys of every length up to a few hundred bytes, many sharing a prefix,
// with the bytes the keys use (face bits, pile ends) among them.
std::string keyNumber(int n) {
  std::string key(static_cast<std::size_t>(n % 300 + 1), '\x81');
  key += std::to_string(n);
  key += '\xff';
  return key;
}

TEST(KeyTable, eachKeyIsNewOnceThroughEveryGrowth) {
  KeyTable table;
  constexpr int kKeys = 20000;
  for (int n = 0; n < kKeys; ++n) ASSERT_TRUE(table.insert(keyNumber(n))) << n;
  EXPECT_EQ(table.size(), kKeys);
  for (int n = 0; n < kKeys; ++n) ASSERT_FALSE(table.insert(keyNumber(n))) << n;
  EXPECT_EQ(table.size(), kKeys);
  // A key that is the start of one met is another key.
  EXPECT_TRUE(table.insert(keyNumber(5).substr(0, 3)));
  EXPECT_TRUE(table.insert(keyNumber(5) + 'p'));
}

TEST(KeyTable, aClearedTableHasMetNoneAndCountsItsMemory) {
  KeyTable table;
  EXPECT_EQ(table.bytes(), 0);
  for (int n = 0; n < 1000; ++n) table.insert(keyNumber(n));
  const std::int64_t full = table.bytes();
  EXPECT_GT(full, 1000 * 150) << "the keys' bytes, at least";
  table.clear();
  EXPECT_EQ(table.size(), 0);
  EXPECT_TRUE(table.insert(keyNumber(7)));
  EXPECT_FALSE(table.insert(keyNumber(7)));
}

}  // namespace
}  // namespace kes::solver
