#include "MatchRule.h"
#include "Cards.h"
#include <utility>

const char* const PlainSigns[ArithmeticOperations] = { "+", "-", "x", "/" };

int OperationResult(Operation operation, int x, int y)
{
    switch (operation) {
    case Addition: return x + y;
    case Subtraction: return x > y ? x - y : y - x;
    case Multiplication: return x * y;
    case Division:
        if (y != 0 && x >= y && x % y == 0) return x / y;
        if (x != 0 && y >= x && y % x == 0) return y / x;
        return -1;
    default: return -1;
    }
}

Operation WinningOperation(int mask, int left, int right, int card)
{
    if (left == WildCard || right == WildCard || card == WildCard) return ByWildCard;
    for (int op = Addition; op < ArithmeticOperations; ++op) {
        const Operation operation = static_cast<Operation>(op);
        if ((mask & OperationBit(operation)) &&
            OperationMatches(operation, CardValue(left), CardValue(right), CardValue(card)))
            return operation;
    }
    return NoOperation;
}

std::string FactText(const Fact& fact, const char* const signs[ArithmeticOperations])
{
    const int op = fact.operation >= Addition && fact.operation < ArithmeticOperations ? fact.operation : Addition;
    const bool largerFirst = op == Subtraction || op == Division;
    int first = fact.left, second = fact.right;
    if (largerFirst && second > first) std::swap(first, second);
    return std::to_string(first) + " " + signs[op] + " " + std::to_string(second) + " = " + std::to_string(fact.card);
}
