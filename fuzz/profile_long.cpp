// The profile's integer conversions. The first byte picks the base (0 to 39, so invalid bases
// are tried too), the rest is the text. Both results must equal a reference from the C
// library's 64-bit strtoll: clamped to 32 bits in base 10, the 32-bit pattern otherwise
// (all ones once the magnitude is past 32 bits).
#include "FuzzCheck.h"
#include "ProfileText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int base = data[0] % 40;
    auto owned = FuzzText(data + 1, size - 1);
    const char* text = owned.get();

    const int used = base < 2 || base > 36 ? 10 : base;
    const long long wide = std::strtoll(text, nullptr, used);
    const long long pattern = 0xFFFFFFFFll;
    const uint32_t unsignedReference = wide > pattern || wide < -pattern ? 0xFFFFFFFFu : static_cast<uint32_t>(wide);
    const int32_t signedReference = used == 10 ? static_cast<int32_t>(wide > INT32_MAX       ? INT32_MAX
                                                                          : wide < INT32_MIN ? INT32_MIN
                                                                                             : wide)
                                               : static_cast<int32_t>(unsignedReference);

    FUZZ_CHECK(ProfileTextToUnsigned(text, base) == unsignedReference);
    FUZZ_CHECK(ProfileTextToLong(text, base) == signedReference);
    return 0;
}
