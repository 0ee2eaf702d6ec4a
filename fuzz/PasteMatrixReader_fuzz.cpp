// Any clipboard text either yields the writes of one complete shape of the
// matrix format, or none at all; and it reads alike under both line endings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "main_window/PasteMatrixReader.h"

namespace {

std::vector<int> FieldsOf(const std::vector<FieldWrite>& writes) {
    std::vector<int> fields;
    for (const FieldWrite& write : writes) fields.push_back(write.field);
    return fields;
}

// Consumes one row of rows-on-lines: its first two fields and perhaps the third.
bool ConsumeRow(const std::vector<int>& fields, std::size_t& at, int row) {
    const int first = 3 * (row - 1) + 1;
    if (at + 2 > fields.size() || fields[at] != first || fields[at + 1] != first + 1) {
        return false;
    }
    at += 2;
    if (at < fields.size() && fields[at] == first + 2) ++at;
    return true;
}

bool IsCompleteShape(const std::vector<int>& fields) {
    if (fields == std::vector<int>{1, 2, 4, 5}) return true;
    if (fields == std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}) return true;
    std::size_t at = 0;
    if (!ConsumeRow(fields, at, 1) || !ConsumeRow(fields, at, 2)) return false;
    if (at < fields.size() && !ConsumeRow(fields, at, 3)) return false;
    return at == fields.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto unixWrites = PasteMatrixReader::Read(text, QStringLiteral("\n"));
    const auto windowsWrites = PasteMatrixReader::Read(text, QStringLiteral("\r\n"));
    if (unixWrites.has_value() != windowsWrites.has_value()) std::abort();
    if (!unixWrites) return 0;
    const std::vector<int> fields = FieldsOf(*unixWrites);
    if (!IsCompleteShape(fields) || fields != FieldsOf(*windowsWrites)) std::abort();
    return 0;
}
