// The profile's number texts, read without touching any file, so they can be checked alone.
#pragma once
#include "Afx.h"
#include <cstdint>

// The signed-long conversion: leading white space, an optional sign, then the digits of the base
// (2 to 36; anything else means 10). Base 10 saturates at INT32_MIN and INT32_MAX. Other bases
// hold a 32-bit pattern (what a Put in that base writes), so they are read unsigned and the
// pattern is returned; a magnitude beyond 32 bits gives the all-ones pattern. Null reads as 0.
int32_t ProfileTextToLong(LPCSTR text, int base);

// The same digits read unsigned: a minus sign negates modulo 2^32, a magnitude beyond 32 bits
// gives 0xFFFFFFFF.
uint32_t ProfileTextToUnsigned(LPCSTR text, int base);

// Reads count integers from text into the targets, each stored as soon as it is read.
// Numbers are separated by spaces; a number may end at the text's end or at a space, ",", ";",
// CR, LF, tab or form feed. False at the first malformed or missing number; text after the last
// number is ignored. Values beyond 32 bits saturate.
bool ReadProfileNumbers(LPCSTR text, LONG* const targets[], int count);
