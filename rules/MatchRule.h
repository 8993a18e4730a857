// When a card wins: the operations, the match rule and a fact with its written form.
#pragma once
#include <string>

// The operation mask of the settings: any combination of these bits.
enum { OpAdd = 1, OpSubtract = 2, OpMultiply = 4, OpDivide = 8, AllOperations = 15 };

// The operations a winner is found by, in the order the game tries them, then a wild card's win.
enum Operation { NoOperation = -1, Addition = 0, Subtraction, Multiplication, Division, ByWildCard, OperationCount };
const int ArithmeticOperations = ByWildCard;

// The bit of the mask that chooses an arithmetic operation.
inline int OperationBit(Operation operation) { return 1 << operation; }

// The value the operation makes of the values x and y, in either order, or -1 where it makes
// none: a difference is never negative, a quotient is exact with the larger value the dividend,
// and a zero is never divided by.
int OperationResult(Operation operation, int x, int y);

// Does the operation make the value z of the values x and y?
inline bool OperationMatches(Operation operation, int x, int y, int z)
{
    return z >= 0 && OperationResult(operation, x, y) == z;
}

// The first operation of the mask, in the game's order, that makes the card of the two showing,
// ByWildCard where any of the three is the wild card, NoOperation where none does. Card codes.
Operation WinningOperation(int mask, int left, int right, int card);

// Two values that showed, an operation, and the value of the new card.
struct Fact {
    int left = 0, right = 0;
    Operation operation = Addition;
    int card = 0;

    bool operator==(const Fact& other) const
    {
        return left == other.left && right == other.right && operation == other.operation && card == other.card;
    }
};

// The signs of addition, subtraction, multiplication and division in a fact's written form.
extern const char* const PlainSigns[ArithmeticOperations];

// "7 + 8 = 15": an addition or a product in the order the values showed, a difference or a
// quotient with the larger value first, each sign with a space either side.
std::string FactText(const Fact& fact, const char* const signs[ArithmeticOperations] = PlainSigns);
