#pragma once

#include "runtime/Strings.h"

#include <cstdint>
#include <initializer_list>
#include <span>

// One argument of Format. The placeholder decides how it is written; a placeholder that does not
// fit the argument's kind is a conversion error, never a reinterpretation of its bits.
class FormatArg {
public:
    enum class Kind { Integer, Float, AnsiText, WideText, Pointer };

    FormatArg(int value) : FormatArg(static_cast<std::int64_t>(value), true, 32) {}
    FormatArg(unsigned value) : FormatArg(static_cast<std::uint64_t>(value), false, 32) {}
    FormatArg(long value) : FormatArg(static_cast<std::int64_t>(value), true, 8 * sizeof(long)) {}
    FormatArg(unsigned long value)
        : FormatArg(static_cast<std::uint64_t>(value), false, 8 * sizeof(long)) {}
    FormatArg(long long value) : FormatArg(static_cast<std::int64_t>(value), true, 64) {}
    FormatArg(unsigned long long value) : FormatArg(static_cast<std::uint64_t>(value), false, 64) {}
    FormatArg(double value) : FKind(Kind::Float), FFloat(value) {}
    FormatArg(const char* text) : FKind(Kind::AnsiText), FAnsi(text ? text : "") {}
    FormatArg(std::string_view text) : FKind(Kind::AnsiText), FAnsi(text) {}
    FormatArg(const AnsiString& text) : FKind(Kind::AnsiText), FAnsi(text) {}
    FormatArg(const char16_t* text) : FKind(Kind::WideText), FWide(text ? text : u"") {}
    FormatArg(std::u16string_view text) : FKind(Kind::WideText), FWide(text) {}
    FormatArg(const WideString& text) : FKind(Kind::WideText), FWide(text) {}
    FormatArg(const void* pointer) : FKind(Kind::Pointer), FPointer(pointer) {}
    FormatArg(std::nullptr_t) : FKind(Kind::Pointer) {}
    FormatArg(bool) = delete;

    Kind GetKind() const { return FKind; }
    bool IsSigned() const { return FSigned; }
    int Bits() const { return FBits; }
    std::uint64_t IntegerBits() const { return FInteger; }
    double Float() const { return FFloat; }
    std::string_view Ansi() const { return FAnsi; }
    std::u16string_view Wide() const { return FWide; }
    const void* Pointer() const { return FPointer; }

private:
    FormatArg(std::int64_t value, bool isSigned, int bits)
        : FKind(Kind::Integer), FInteger(static_cast<std::uint64_t>(value)), FSigned(isSigned),
          FBits(bits) {}
    FormatArg(std::uint64_t value, bool isSigned, int bits)
        : FKind(Kind::Integer), FInteger(value), FSigned(isSigned), FBits(bits) {}

    Kind FKind;
    std::uint64_t FInteger = 0;
    bool FSigned = false;
    int FBits = 0;
    double FFloat = 0;
    std::string_view FAnsi;
    std::u16string_view FWide;
    const void* FPointer = nullptr;
};

// Separators and currency used by %f, %n and %m.
struct TFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    AnsiString CurrencyString = "\x80"; // the euro sign in the ANSI code page
    int CurrencyDecimals = 2;
};

TFormatSettings& FormatSettings();

// Largest width or precision accepted; texts may come from outside the program, and a huge
// width would otherwise be a way to exhaust memory.
inline constexpr int kMaxFormatWidth = 4096;

// Fills the placeholders of Format with Args:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// with the types d u x e f g n m p s (either case), width and precision as digits or "*" (taken
// from the next integer argument), and "%%" for a percent sign. Any mismatch between placeholder
// and argument, a missing argument or a malformed placeholder raises EConvertError.
AnsiString Format(std::string_view format, std::initializer_list<FormatArg> args = {});
WideString Format(std::u16string_view format, std::initializer_list<FormatArg> args = {});
AnsiString FormatSpan(std::string_view format, std::span<const FormatArg> args);
WideString FormatSpan(std::u16string_view format, std::span<const FormatArg> args);
