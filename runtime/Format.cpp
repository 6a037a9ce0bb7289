#include "runtime/Format.h"

#include "platform/CodePage.h"
#include "runtime/Exception.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

struct Placeholder {
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    char Type = 0;
};

// A finite double as decimal digits: value = 0.d1 d2 d3 ... x 10^Exponent... written here as
// d1.d2d3... x 10^Exponent, with the digits exact to 17 places, as decimal rounding needs them.
struct Decimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

Decimal ToDecimal(double value) {
    Decimal d;
    d.Negative = std::signbit(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.16e", std::fabs(value));
    // buffer: d.dddddddddddddddde[+-]XX
    d.Digits.push_back(buffer[0]);
    const char* p = buffer + 2;
    while (*p && *p != 'e') {
        d.Digits.push_back(*p++);
    }
    d.Exponent = *p ? std::atoi(p + 1) : 0;
    if (d.Digits.find_first_not_of('0') == std::string::npos) {
        d.Exponent = 0;
        d.Negative = false;
    }
    return d;
}

// Keeps `count` significant digits, rounding the rest half away from zero.
void RoundTo(Decimal& d, int count) {
    if (count < 0) {
        d.Digits = "0";
        d.Exponent = 0;
        return;
    }
    if (static_cast<std::size_t>(count) >= d.Digits.size()) {
        d.Digits.append(static_cast<std::size_t>(count) - d.Digits.size(), '0');
        return;
    }
    const bool up = d.Digits[static_cast<std::size_t>(count)] >= '5';
    d.Digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        for (; i >= 0; --i) {
            if (d.Digits[static_cast<std::size_t>(i)] == '9') {
                d.Digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++d.Digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
            if (count > 0) {
                d.Digits.pop_back();
            }
        }
    }
    if (d.Digits.empty()) {
        d.Digits = "0";
        d.Exponent = 0;
    }
}

bool IsZero(const Decimal& d) {
    return d.Digits.find_first_not_of('0') == std::string::npos;
}

std::string GroupThousands(const std::string& integerPart, char separator) {
    std::string out;
    const std::size_t n = integerPart.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out.push_back(separator);
        }
        out.push_back(integerPart[i]);
    }
    return out;
}

// Fixed notation with `decimals` digits after the separator; the sign is left to the caller.
std::string FixedDigits(double value, int decimals, bool grouped, bool& negative) {
    const TFormatSettings& settings = FormatSettings();
    Decimal d = ToDecimal(value);
    RoundTo(d, d.Exponent + 1 + decimals);
    negative = d.Negative && !IsZero(d);
    std::string integerPart;
    std::string fraction;
    const int intDigits = d.Exponent + 1;
    for (int i = 0; i < intDigits; ++i) {
        integerPart.push_back(static_cast<std::size_t>(i) < d.Digits.size()
                                  ? d.Digits[static_cast<std::size_t>(i)]
                                  : '0');
    }
    if (integerPart.empty()) {
        integerPart = "0";
    }
    for (int i = 0; i < decimals; ++i) {
        const int index = intDigits + i;
        fraction.push_back(index >= 0 && static_cast<std::size_t>(index) < d.Digits.size()
                               ? d.Digits[static_cast<std::size_t>(index)]
                               : '0');
    }
    std::string out =
        grouped ? GroupThousands(integerPart, settings.ThousandSeparator) : integerPart;
    if (decimals > 0) {
        out.push_back(settings.DecimalSeparator);
        out += fraction;
    }
    return out;
}

std::string ExponentText(int exponent, int minDigits) {
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < minDigits) {
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    }
    return std::string(exponent < 0 ? "E-" : "E+") + digits;
}

std::string ScientificDigits(double value, int significant, bool& negative) {
    Decimal d = ToDecimal(value);
    RoundTo(d, significant);
    negative = d.Negative && !IsZero(d);
    std::string out(1, d.Digits[0]);
    if (significant > 1) {
        out.push_back(FormatSettings().DecimalSeparator);
        out.append(d.Digits, 1, std::string::npos);
    }
    return out + ExponentText(d.Exponent, 3);
}

std::string GeneralDigits(double value, int significant, bool& negative) {
    Decimal d = ToDecimal(value);
    RoundTo(d, significant);
    negative = d.Negative && !IsZero(d);
    while (d.Digits.size() > 1 && d.Digits.back() == '0') {
        d.Digits.pop_back();
    }
    const char separator = FormatSettings().DecimalSeparator;
    const int count = static_cast<int>(d.Digits.size());
    if (IsZero(d)) {
        return "0";
    }
    if (d.Exponent < -5 || d.Exponent >= significant) {
        std::string out(1, d.Digits[0]);
        if (count > 1) {
            out.push_back(separator);
            out.append(d.Digits, 1, std::string::npos);
        }
        return out + ExponentText(d.Exponent, 2);
    }
    std::string out;
    if (d.Exponent < 0) {
        out = "0";
        out.push_back(separator);
        out.append(static_cast<std::size_t>(-d.Exponent - 1), '0');
        out += d.Digits;
        return out;
    }
    for (int i = 0; i <= d.Exponent; ++i) {
        out.push_back(i < count ? d.Digits[static_cast<std::size_t>(i)] : '0');
    }
    if (count > d.Exponent + 1) {
        out.push_back(separator);
        out.append(d.Digits, static_cast<std::size_t>(d.Exponent + 1), std::string::npos);
    }
    return out;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

std::string UnsignedText(std::uint64_t value, int base) {
    if (value == 0) {
        return "0";
    }
    std::string out;
    while (value) {
        out.insert(out.begin(), "0123456789ABCDEF"[value % static_cast<unsigned>(base)]);
        value /= static_cast<unsigned>(base);
    }
    return out;
}

template <class Char>
class Formatter {
public:
    using View = std::basic_string_view<Char>;
    using String = std::basic_string<Char>;

    Formatter(View format, std::span<const FormatArg> args) : FFormat(format), FArgs(args) {}

    String Run() {
        String out;
        out.reserve(FFormat.size());
        std::size_t i = 0;
        while (i < FFormat.size()) {
            const Char c = FFormat[i++];
            if (c != '%') {
                out.push_back(c);
                continue;
            }
            if (i < FFormat.size() && FFormat[i] == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
            const std::size_t start = i - 1;
            Placeholder ph = Parse(i, start);
            Write(out, ph, start, i);
        }
        return out;
    }

private:
    [[noreturn]] void Invalid(std::size_t start, std::size_t end) const {
        const String spec(FFormat.substr(start, end - start));
        AnsiString text;
        if constexpr (sizeof(Char) == 1) {
            text = spec;
        } else {
            text = WideToAnsi(spec);
        }
        throw EConvertError("Format '" + text + "' invalid or incompatible with argument");
    }

    const FormatArg& NextArg(std::size_t start, std::size_t end) {
        if (FNext >= FArgs.size()) {
            Invalid(start, end);
        }
        return FArgs[FNext++];
    }

    // Reads digits or "*" (the next integer argument) as a width, precision or index.
    int Number(std::size_t& i, std::size_t start, bool& present, bool negativeMeansNone = false) {
        present = false;
        if (i < FFormat.size() && FFormat[i] == '*') {
            ++i;
            present = true;
            const FormatArg& arg = NextArg(start, i);
            if (arg.GetKind() != FormatArg::Kind::Integer) {
                Invalid(start, i);
            }
            const auto bits = arg.IntegerBits();
            const auto value = arg.IsSigned()
                                   ? static_cast<std::int64_t>(bits)
                                   : static_cast<std::int64_t>(std::min<std::uint64_t>(
                                         bits, std::numeric_limits<std::int64_t>::max()));
            // A negative width is that width aligned left, so it is bounded like a positive one;
            // a negative precision means none, whatever its size.
            if (value > kMaxFormatWidth || (value < -kMaxFormatWidth && !negativeMeansNone)) {
                Invalid(start, i);
            }
            return static_cast<int>(std::max<std::int64_t>(value, -kMaxFormatWidth));
        }
        long long value = 0;
        while (i < FFormat.size() && FFormat[i] >= '0' && FFormat[i] <= '9') {
            present = true;
            value = value * 10 + (FFormat[i] - '0');
            if (value > kMaxFormatWidth) {
                Invalid(start, i + 1);
            }
            ++i;
        }
        return static_cast<int>(value);
    }

    Placeholder Parse(std::size_t& i, std::size_t start) {
        Placeholder ph;
        bool present = false;
        // An index is digits followed by ":".
        std::size_t probe = i;
        while (probe < FFormat.size() && FFormat[probe] >= '0' && FFormat[probe] <= '9') {
            ++probe;
        }
        if (probe > i && probe < FFormat.size() && FFormat[probe] == ':') {
            const int index = Number(i, start, present);
            ++i; // ':'
            if (static_cast<std::size_t>(index) >= FArgs.size()) {
                Invalid(start, i);
            }
            FNext = static_cast<std::size_t>(index);
        }
        if (i < FFormat.size() && FFormat[i] == '-') {
            ph.LeftAlign = true;
            ++i;
        }
        const int width = Number(i, start, present);
        if (present) {
            if (width < 0) {
                ph.LeftAlign = true; // a negative "*" width aligns left
            }
            ph.Width = std::abs(width);
        }
        if (i < FFormat.size() && FFormat[i] == '.') {
            ++i;
            const int precision = Number(i, start, present, true);
            ph.Precision = present && precision >= 0 ? precision : (present ? -1 : 0);
        }
        if (i >= FFormat.size()) {
            Invalid(start, i);
        }
        const Char type = FFormat[i++];
        ph.Type = type >= 'A' && type <= 'Z' ? static_cast<char>(type - 'A' + 'a')
                                             : static_cast<char>(type < 0x80 ? type : 0);
        return ph;
    }

    void Write(String& out, const Placeholder& ph, std::size_t start, std::size_t end) {
        const FormatArg& arg = NextArg(start, end);
        String body;
        switch (ph.Type) {
        case 'd':
        case 'u':
        case 'x':
            body = Widen(IntegerText(arg, ph, start, end));
            break;
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm':
            body = Widen(FloatText(arg, ph, start, end));
            break;
        case 'p':
            if (arg.GetKind() != FormatArg::Kind::Pointer) {
                Invalid(start, end);
            }
            body = Widen(PointerText(arg.Pointer()));
            break;
        case 's':
            body = TextOf(arg, start, end);
            if (ph.Precision >= 0 && body.size() > static_cast<std::size_t>(ph.Precision)) {
                body.resize(static_cast<std::size_t>(ph.Precision));
            }
            break;
        default:
            Invalid(start, end);
        }
        const std::size_t width = ph.Width > 0 ? static_cast<std::size_t>(ph.Width) : 0;
        if (body.size() < width && !ph.LeftAlign) {
            out.append(width - body.size(), ' ');
        }
        out += body;
        if (body.size() < width && ph.LeftAlign) {
            out.append(width - body.size(), ' ');
        }
    }

    std::string IntegerText(const FormatArg& arg, const Placeholder& ph, std::size_t start,
                            std::size_t end) const {
        if (arg.GetKind() != FormatArg::Kind::Integer) {
            Invalid(start, end);
        }
        const std::uint64_t mask =
            arg.Bits() >= 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << arg.Bits()) - 1);
        bool negative = false;
        std::uint64_t magnitude = arg.IntegerBits();
        if (ph.Type == 'd' && arg.IsSigned() && static_cast<std::int64_t>(magnitude) < 0) {
            negative = true;
            magnitude = ~magnitude + 1;
        } else if (ph.Type != 'd') {
            magnitude &= mask;
        }
        std::string digits = UnsignedText(magnitude, ph.Type == 'x' ? 16 : 10);
        if (ph.Precision > 0 && digits.size() < static_cast<std::size_t>(ph.Precision)) {
            digits.insert(0, static_cast<std::size_t>(ph.Precision) - digits.size(), '0');
        }
        return negative ? "-" + digits : digits;
    }

    std::string FloatText(const FormatArg& arg, const Placeholder& ph, std::size_t start,
                          std::size_t end) const {
        if (arg.GetKind() != FormatArg::Kind::Float) {
            Invalid(start, end);
        }
        const double value = arg.Float();
        if (!std::isfinite(value)) {
            return NonFinite(value);
        }
        bool negative = false;
        std::string digits;
        const int maxDigits = 18;
        switch (ph.Type) {
        case 'f':
            digits = FixedDigits(value, std::min(ph.Precision < 0 ? 2 : ph.Precision, maxDigits),
                                 false, negative);
            break;
        case 'n':
            digits = FixedDigits(value, std::min(ph.Precision < 0 ? 2 : ph.Precision, maxDigits),
                                 true, negative);
            break;
        case 'm': {
            const int decimals =
                ph.Precision < 0 ? FormatSettings().CurrencyDecimals : ph.Precision;
            digits = FixedDigits(value, std::min(decimals, maxDigits), true, negative) + " " +
                     FormatSettings().CurrencyString;
            break;
        }
        case 'e':
            digits = ScientificDigits(
                value, std::clamp(ph.Precision < 0 ? 15 : ph.Precision, 1, maxDigits), negative);
            break;
        default:
            digits = GeneralDigits(
                value, std::clamp(ph.Precision < 0 ? 15 : ph.Precision, 1, maxDigits), negative);
            break;
        }
        return negative ? "-" + digits : digits;
    }

    static std::string PointerText(const void* pointer) {
        std::string digits = UnsignedText(reinterpret_cast<std::uintptr_t>(pointer), 16);
        digits.insert(0, 2 * sizeof(void*) - digits.size(), '0');
        return digits;
    }

    String TextOf(const FormatArg& arg, std::size_t start, std::size_t end) const {
        switch (arg.GetKind()) {
        case FormatArg::Kind::AnsiText:
            if constexpr (sizeof(Char) == 1) {
                return String(arg.Ansi());
            } else {
                return AnsiToWide(arg.Ansi());
            }
        case FormatArg::Kind::WideText:
            if constexpr (sizeof(Char) == 1) {
                return WideToAnsi(arg.Wide());
            } else {
                return String(arg.Wide());
            }
        default:
            Invalid(start, end);
        }
    }

    static String Widen(const std::string& ascii) {
        if constexpr (sizeof(Char) == 1) {
            return ascii;
        } else {
            // Numbers are ASCII except for separators and the currency sign.
            return AnsiToWide(ascii);
        }
    }

    View FFormat;
    std::span<const FormatArg> FArgs;
    std::size_t FNext = 0;
};

} // namespace

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

AnsiString FormatSpan(std::string_view format, std::span<const FormatArg> args) {
    return Formatter<char>(format, args).Run();
}

WideString FormatSpan(std::u16string_view format, std::span<const FormatArg> args) {
    return Formatter<char16_t>(format, args).Run();
}

AnsiString Format(std::string_view format, std::initializer_list<FormatArg> args) {
    return FormatSpan(format, std::span<const FormatArg>(args.begin(), args.size()));
}

WideString Format(std::u16string_view format, std::initializer_list<FormatArg> args) {
    return FormatSpan(format, std::span<const FormatArg>(args.begin(), args.size()));
}
