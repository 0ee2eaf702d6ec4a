#include "framework/NumberConversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "framework/RuntimeException.h"

namespace {

QString NonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("nan");
    return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
}

struct FormatMask {
    bool showsMinus = false;
    int integerZeros = 0;  // '0' characters before the point
    QString fraction;      // the '0' and '#' characters after it
};

FormatMask ParseMask(const QString& mask) {
    FormatMask parsed;
    qsizetype i = 0;
    if (i < mask.size() && mask.at(i) == u'-') {
        parsed.showsMinus = true;
        ++i;
    }
    for (; i < mask.size() && (mask.at(i) == u'0' || mask.at(i) == u'#'); ++i) {
        if (mask.at(i) == u'0') ++parsed.integerZeros;
    }
    if (i < mask.size() && mask.at(i) == u'.') {
        for (++i; i < mask.size() && (mask.at(i) == u'0' || mask.at(i) == u'#'); ++i) {
            parsed.fraction += mask.at(i);
        }
    }
    if (i != mask.size()) {
        throw RuntimeException("unsupported format mask \"" + mask.toStdString() + "\"");
    }
    return parsed;
}

// A double has at most 1074 fraction digits.
constexpr int kMaxFractionDigits = 1074;

// The number of fraction digits of the exact decimal value of a finite
// magnitude: one for each binary fraction bit, since 2^-k has k of them.
int ExactFractionDigitCount(double magnitude) {
    if (magnitude == 0) return 0;
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    int fractionBits = 53 - exponent;  // magnitude = bits * 2^-fractionBits
    while (fractionBits > 0 && (bits & 1) == 0) {
        bits >>= 1;
        --fractionBits;
    }
    return std::max(fractionBits, 0);
}

// std::to_chars prints as printf does in the "C" locale, whatever the
// process's locale is.
std::string ToChars(double value, std::chars_format format, int precision) {
    // Room for 309 integer digits, or for 1074 fraction digits after "0."
    char buffer[320 + kMaxFractionDigits];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    if (result.ec != std::errc()) throw RuntimeException("number too long to convert");
    return std::string(buffer, result.ptr);
}

// The exact decimal digits of |value|: integer part and fraction part.
void ExactDigits(double magnitude, std::string& integerDigits, std::string& fractionDigits) {
    const std::string text =
        ToChars(magnitude, std::chars_format::fixed, ExactFractionDigitCount(magnitude));
    const std::size_t point = std::min(text.find('.'), text.size());
    integerDigits = text.substr(0, point);
    fractionDigits = point < text.size() ? text.substr(point + 1) : std::string();
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool IsAllZeros(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the number syntax of CDblChecked on the text without its blanks and
// gives the decimal exponent of its first significant digit (used to tell an
// overflow from an underflow); false when the syntax does not hold.
bool CheckNumberSyntax(const QString& number, long long& leadingExponent) {
    qsizetype i = 0;
    if (i < number.size() && (number.at(i) == u'+' || number.at(i) == u'-')) ++i;
    // The power of ten of the first digit that is not 0, once there is one.
    std::optional<long long> firstPower;
    const qsizetype integerStart = i;
    while (i < number.size() && IsAsciiDigit(number.at(i))) ++i;
    const qsizetype integerEnd = i;
    for (qsizetype k = integerStart; k < integerEnd && !firstPower; ++k) {
        if (number.at(k) != u'0') firstPower = integerEnd - k - 1;
    }
    bool anyDigit = integerEnd > integerStart;
    if (i < number.size() && number.at(i) == u'.') {
        long long fractionPosition = 0;
        for (++i; i < number.size() && IsAsciiDigit(number.at(i)); ++i) {
            anyDigit = true;
            ++fractionPosition;
            if (!firstPower && number.at(i) != u'0') firstPower = -fractionPosition;
        }
    }
    if (!anyDigit) return false;
    long long exponent = 0;
    if (i < number.size() && (number.at(i) == u'e' || number.at(i) == u'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number.at(i) == u'+' || number.at(i) == u'-')) {
            negative = number.at(i) == u'-';
            ++i;
        }
        if (i == number.size()) return false;
        // The first digit's power lies within the text's length of 0: an
        // exponent beyond that decides the sign of their sum alone, and need
        // grow no further.
        const long long decisive = static_cast<long long>(number.size());
        for (; i < number.size() && IsAsciiDigit(number.at(i)); ++i) {
            if (exponent <= decisive) exponent = exponent * 10 + (number.at(i).unicode() - u'0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != number.size()) return false;
    leadingExponent = firstPower ? *firstPower + exponent : 0;
    return true;
}

}  // namespace

QString CStr(std::int64_t value) { return QString::number(static_cast<qlonglong>(value)); }

QString Str(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return QStringLiteral("0");
    return QString::fromStdString(ToChars(value, std::chars_format::general, 7));
}

QString Format(double value, const QString& mask) {
    const FormatMask parsed = ParseMask(mask);
    if (!std::isfinite(value)) return NonFiniteText(value);

    std::string integerDigits;
    std::string exactFraction;
    ExactDigits(std::fabs(value), integerDigits, exactFraction);
    const std::size_t places = static_cast<std::size_t>(parsed.fraction.size());
    exactFraction.resize(std::max(exactFraction.size(), places + 1), '0');

    // Half away from zero: the first dropped digit alone decides.
    std::string kept = integerDigits + exactFraction.substr(0, places);
    if (exactFraction[places] >= '5') IncrementDigits(kept);
    std::string fractionDigits = kept.substr(kept.size() - places);
    integerDigits = kept.substr(0, kept.size() - places);
    const bool roundsToZero = IsAllZeros(integerDigits) && IsAllZeros(fractionDigits);

    integerDigits.erase(0, std::min(integerDigits.find_first_not_of('0'), integerDigits.size()));
    if (integerDigits.size() < static_cast<std::size_t>(parsed.integerZeros)) {
        integerDigits.insert(0, parsed.integerZeros - integerDigits.size(), '0');
    }
    std::size_t shownFraction = places;
    while (shownFraction > 0 && parsed.fraction.at(shownFraction - 1) == u'#' &&
           fractionDigits[shownFraction - 1] == '0') {
        --shownFraction;
    }
    fractionDigits.resize(shownFraction);

    std::string text;
    if (parsed.showsMinus && std::signbit(value) && !roundsToZero) text += '-';
    text += integerDigits;
    if (!fractionDigits.empty()) text += '.' + fractionDigits;
    return QString::fromLatin1(text.c_str());
}

std::optional<double> CDblChecked(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin))) ++begin;
    while (end > begin && IsBlank(text.at(end - 1))) --end;
    if (begin == end) return 0.0;

    const QString number = text.mid(begin, end - begin);
    long long leadingExponent = 0;
    if (!CheckNumberSyntax(number, leadingExponent)) return std::nullopt;

    // The syntax check admits ASCII only; from_chars takes no '+'.
    const std::string ascii = number.toStdString();
    const bool negative = ascii[0] == '-';
    const std::size_t digitsStart = (ascii[0] == '+' || negative) ? 1 : 0;
    double magnitude = 0;
    const auto result =
        std::from_chars(ascii.data() + digitsStart, ascii.data() + ascii.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        if (leadingExponent > 0) return std::nullopt;
        magnitude = 0;
    } else if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(magnitude)) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

double CDbl(const QString& text) { return CDblChecked(text).value_or(0.0); }
