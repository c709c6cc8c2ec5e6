// Number texts under a decimal-comma, a decimal-point and a multi-byte
// separator: the conversions agree with each other and what is written
// reads back.
#include "engine/numbers.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace haberes;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* separators[] = {",", ".", "\xd9\xab"}; // U+066B, Arabic decimal separator
    const std::string_view sep = separators[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto parsed = parseNumberText(text, sep);
    const auto real = toReal(text, sep, 1e9);
    const auto integer = toInteger(text, sep);
    const auto byte = toByte(text, sep);
    const auto money = toCurrency(text, sep, 1000000000);

    // Every conversion needs a number text.
    check(parsed || (!real && !integer && !byte && !money));
    if (integer)
        check(*integer >= -32768 && *integer <= 32767);
    if (integer && real)
        check(std::fabs(*real - *integer) <= 0.5);
    if (byte && integer)
        check(*byte == *integer);
    if (money && real) {
        check(std::fabs(money->toDouble() - *real) <= 0.00005 + std::fabs(*real) * 1e-15);
        // An amount reads back exactly from its own text.
        const std::string written = formatAmount(*money, sep);
        const auto back = toCurrency(written, sep, 1000000000);
        check(back && *back == *money);
    }
    if (real) {
        check(std::isfinite(*real) && std::fabs(*real) <= 1e9);
        const std::string written = formatReal(*real, sep);
        const auto back = toReal(written, sep, 1e9 * (1 + 1e-14));
        check(back && std::fabs(*back - *real) <= std::fabs(*real) * 1e-14);
    }
    return 0;
}
