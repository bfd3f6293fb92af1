#pragma once
// Helpers of the exploration data-file tests: the fixture folders, and the tests' scratch folder.
#include <string>

#include "support/Scratch.h"

namespace kv::test {

inline std::string ExploreFixtures() { return std::string(KESTRAVA_TEST_DATA_DIR) + "/explore/"; }
inline std::string ShippedData() { return std::string(KESTRAVA_DATA_DIR) + "/"; }

}  // namespace kv::test
