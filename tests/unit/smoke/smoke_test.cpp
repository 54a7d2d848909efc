#include <gtest/gtest.h>
#include "sqlite3.h"
TEST(Smoke, Runs) { EXPECT_EQ(2, 1 + 1); }
