#include "GameRules.h"

DealtCard PlaceOnStack(const std::vector<DealtCard>& stack, int code, bool regular, int (*random)())
{
    DealtCard card{ code, 0, 0 };
    if (regular) {
        card.dx = random() % 11 - 5;
        card.dy = random() % 11 - 5;
    }
    if (!stack.empty() && stack.back().code == code) {
        card.dx = stack.back().dx < 0 ? 10 : -10;
        card.dy = stack.back().dy < 0 ? 10 : -10;
    }
    return card;
}
