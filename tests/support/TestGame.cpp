#include "support/TestGame.h"

namespace kv::test {

void TestGame::Apply() {
    game.lang.UseTexts(texts);
    game.lang.SetEchoMissing(keyTexts);
}

}  // namespace kv::test
