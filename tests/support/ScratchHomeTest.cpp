#include "support/ScratchHome.h"

TEST(CoreTestEnvironment, HomeIsTheScratchHome) { kv::test::ExpectScratchHome(); }
