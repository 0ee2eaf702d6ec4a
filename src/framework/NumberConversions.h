#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The framework's number conversions. None of them depends on the locale: the
// decimal point is '.' whatever the language of the system or of the process.

// Decimal digits, with a minus sign for a negative value.
QString CStr(std::int64_t value);

// Default conversion of a Double: up to 7 significant digits, correctly
// rounded, with no trailing zeros and no trailing decimal point, like the C
// format "%.7g". Exponent form ("1.5e-06", "1.234568e+07": mantissa, "e", sign
// and at least two exponent digits) only when the decimal exponent of the
// rounded value is below -4 or at least 7. Zero, negative zero included, is
// "0"; the non-finite values are "nan", "inf" and "-inf".
QString Str(double value);

// Conversion by a mask of the form [-] {0|#} [. {0|#}]:
// - a leading '-' shows a minus sign for a negative value; without it the
//   magnitude alone is shown;
// - the value is rounded half away from zero at the last fraction position of
//   the mask, on its exact binary value;
// - in the integer part every '0' is a digit always shown (the part is padded
//   with leading zeros to that many digits), '#' a digit shown when needed; all
//   the digits of the integer part are always shown;
// - in the fraction part a '0' digit is always shown, a '#' digit only when it
//   is not a trailing zero; a decimal point that no digit follows is dropped;
// - a value that rounds to zero shows no minus sign.
// Non-finite values give "nan", "inf" and "-inf". Any other mask raises a
// RuntimeException.
// Format(-0.0, "-0.#####") == "0", Format(3.14159, "-000.##") == "003.14",
// Format(-12.5, "-000.##") == "-012.5", Format(90, "-000.##") == "090".
QString Format(double value, const QString& mask);

// Reads a decimal number in the C convention: blanks (space, tab, line
// endings) around it, an optional sign, digits with an optional '.' (at least
// one digit), an optional exponent "e" or "E" with optional sign and digits.
// The empty text and a text of blanks alone read as 0. Gives nothing for any
// other text and for a number beyond the range of a Double ("1e999"); a
// number too small for a Double reads as zero of its sign.
std::optional<double> CDblChecked(const QString& text);

// CDblChecked's value, 0 for a text that it refuses.
double CDbl(const QString& text);
