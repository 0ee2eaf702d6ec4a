#include "main_window/SaveTextWriter.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/QStringPrinter.h"
#include "framework/TextFunctions.h"
#include "main_window/Calculation.h"
#include "main_window/CalculationView.h"

namespace {

// A results list and notes area that Calculate fills and Save Text reads.
class FakeResults : public CalculationView, public SaveTextSource {
public:
    bool AsyncAltKey() override { return alt; }
    QString FieldText(int field) override { return fields.at(field); }
    void SetColumnCount(std::int64_t count) override { columns = count; }
    void SetHeading(std::int64_t, const QString&) override {}
    void AddRow() override { rows.emplace_back(7); }
    std::int64_t ListCount() override { return static_cast<std::int64_t>(rows.size()); }
    void SetCell(std::int64_t row, std::int64_t column, const QString& text) override {
        rows.at(row).at(column) = text;
    }
    void AppendText(const QString& text) override { notes += text; }
    void MsgBox(const QString&) override {}

    std::int64_t ListCount() const override { return static_cast<std::int64_t>(rows.size()); }
    std::int64_t ColumnCount() const override { return columns; }
    QString Cell(std::int64_t row, std::int64_t column) const override {
        return rows.at(row).at(column);
    }
    QString NotesText() const override { return notes; }

    bool alt = false;
    std::array<QString, 10> fields{"", "1", "0", "0", "0", "2", "0", "0", "0", "3"};
    std::int64_t columns = 5;
    std::vector<std::vector<QString>> rows;
    QString notes;
};

// A stream whose line ending is "<EOL>", to tell it from EndOfLine.
class RecordingSink : public LineSink {
public:
    void WriteLine(const QString& text) override { written += text + "<EOL>"; }
    void Write(const QString& text) override { written += text; }
    QString written;
};

QString Saved(const FakeResults& results) {
    RecordingSink sink;
    SaveTextWriter::WriteResults(results, sink);
    return sink.written;
}

const QString kHeading = QStringLiteral("#\tEigenValue\talpha\tbeta\tgamma\ttrd\tplg<EOL>");
const QString kDashes = QString(48, u'-') + "<EOL>";

TEST(SaveTextWriterTest, EmptyListAndNotes) {
    FakeResults results;
    EXPECT_EQ(Saved(results), kHeading + kDashes + EndOfLine());
}

TEST(SaveTextWriterTest, OneCalculationWithFiveColumns) {
    FakeResults results;
    Calculation(results).Run();
    results.notes += QStringLiteral("no line break at the end");
    EXPECT_EQ(Saved(results), kHeading +
                                  "1\t3\t0\t0\t1<EOL>"
                                  "2\t2\t0\t1\t0<EOL>"
                                  "3\t1\t1\t0\t0<EOL>"
                                  "\t\t\t\t<EOL>" +
                                  kDashes + EndOfLine() + results.notes);
    EXPECT_TRUE(Saved(results).endsWith(QStringLiteral("at the end")));
}

TEST(SaveTextWriterTest, AltPressGivesSevenCellsOnEveryRow) {
    FakeResults results;
    Calculation(results).Run();
    results.alt = true;
    results.fields[9] = "";
    Calculation(results).Run();
    EXPECT_EQ(Saved(results), kHeading +
                                  "1\t3\t0\t0\t1\t090\t090<EOL>"
                                  "2\t2\t0\t1\t0\t090\t000<EOL>"
                                  "3\t1\t1\t0\t0\t000\t000<EOL>"
                                  "\t\t\t\t\t\t<EOL>"
                                  "1\t2\t0\t1\t\t\t<EOL>"
                                  "2\t1\t1\t0\t\t\t<EOL>"
                                  "\t\t\t\t\t\t<EOL>" +
                                  kDashes + EndOfLine() + results.notes);
}

}  // namespace
