// CDblChecked accepts only finite numbers; Str and Format give texts that read
// back to the value within their precision, and Str is the C format "%.7g";
// an arbitrary mask either formats or is refused with the framework's
// exception.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/NumberConversions.h"
#include "framework/RuntimeException.h"

namespace {

void CheckReadsBack(const QString& text, double expected, double tolerance) {
    const std::optional<double> value = CDblChecked(text);
    if (!value || !(std::fabs(*value - expected) <= tolerance)) std::abort();
}

// The fuzzer never sets a locale: printf runs in the "C" locale here.
void CheckStrIsPrintfG(double value) {
    if (!std::isfinite(value) || value == 0) return;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.7g", value);
    if (Str(value) != QLatin1String(expected)) std::abort();
}

void CheckConversions(double value) {
    CheckStrIsPrintfG(value);
    if (!std::isfinite(value)) {
        if (CDblChecked(Str(value)) || CDblChecked(Format(value, QStringLiteral("-0.#####")))) {
            std::abort();
        }
        return;
    }
    const double magnitude = std::fabs(value);
    const double relative = magnitude * 1e-14;
    CheckReadsBack(Str(value), value, magnitude * 5e-7 + 1e-300);
    CheckReadsBack(Format(value, QStringLiteral("-0.#####")), value, 0.5e-5 + relative);
    CheckReadsBack(Format(value, QStringLiteral("-000.##")), value, 0.5e-2 + relative);
    CheckReadsBack(Format(value, QStringLiteral("0.##")), magnitude, 0.5e-2 + relative);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<double> parsed = CDblChecked(text);
    if (parsed) {
        if (!std::isfinite(*parsed)) std::abort();
        CheckConversions(*parsed);
    }

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        CheckConversions(bits);
        const QString mask = QString::fromLatin1(reinterpret_cast<const char*>(data) + sizeof bits,
                                                 static_cast<qsizetype>(size - sizeof bits));
        try {
            (void)Format(bits, mask);
        } catch (const RuntimeException&) {
        }
    }
    return 0;
}
