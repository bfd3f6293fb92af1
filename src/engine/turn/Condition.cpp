#include "engine/turn/Condition.h"

namespace kv {

void SetCondition(Game& g, long index) {
    if (index < 0 || index > 3) index = kGreen;
    g.st.ConditionIndex = static_cast<Long>(index);
    g.st.ConditionText = g.st.ConditionNames[static_cast<size_t>(index)];
}

}  // namespace kv
