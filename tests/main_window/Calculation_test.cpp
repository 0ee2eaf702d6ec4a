#include "main_window/Calculation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <vector>

#include "framework/QStringPrinter.h"

namespace {

using Row = std::map<std::int64_t, QString>;  // column -> cell text

class FakeCalculationView : public CalculationView {
public:
    bool AsyncAltKey() override {
        ++altReads;
        return alt;
    }
    QString FieldText(int field) override { return fields.at(field); }
    void SetColumnCount(std::int64_t count) override { columnCount = count; }
    void SetHeading(std::int64_t column, const QString& heading) override {
        headings[column] = heading;
    }
    void AddRow() override { rows.emplace_back(); }
    std::int64_t ListCount() override { return static_cast<std::int64_t>(rows.size()); }
    void SetCell(std::int64_t row, std::int64_t column, const QString& text) override {
        ASSERT_LT(row, ListCount());
        rows[row][column] = text;
    }
    void AppendText(const QString& text) override {
        notes += text;
        ++appends;
    }
    void MsgBox(const QString& message) override { messages.push_back(message); }

    void SetMatrix(std::array<const char*, 9> texts) {
        for (int i = 0; i < 9; ++i) fields[i + 1] = QString::fromUtf8(texts[i]);
    }
    void Press() { Calculation(*this).Run(); }

    std::array<QString, 10> fields;  // index 0 unused
    bool alt = false;
    int altReads = 0;
    std::int64_t columnCount = 5;
    std::map<std::int64_t, QString> headings;
    std::vector<Row> rows;
    QString notes;
    int appends = 0;
    std::vector<QString> messages;
};

Row Cells(std::vector<const char*> texts) {
    Row row;
    for (std::size_t c = 0; c < texts.size(); ++c) row[c] = QString::fromUtf8(texts[c]);
    return row;
}

const QString kNotEnough =
    QStringLiteral("There are not enough entries to do a calculation. Nothing was changed");
const QString kAssuming2x2 = QStringLiteral(
    "Assuming a 2x2 matrix is being entered because entries are missing for a 3x3 matrix");
const QString kNormalizeLine =
    QStringLiteral("(to normalize the eigenvalues to 1, divide each by the 1st invariant)\n");

TEST(CalculationTest, DiagonalMatrixWithAltGivesRowsAnglesAndInvariants) {
    FakeCalculationView view;
    view.SetMatrix({"1", "0", "0", "0", "2", "0", "0", "0", "3"});
    view.alt = true;
    view.Press();

    EXPECT_EQ(view.altReads, 1);
    EXPECT_EQ(view.columnCount, 7);
    EXPECT_EQ(view.headings, (std::map<std::int64_t, QString>{{5, "Trend"}, {6, "Plunge"}}));
    EXPECT_TRUE(view.messages.empty());
    const std::vector<Row> expectedRows = {
        Cells({"1", "3", "0", "0", "1", "090", "090"}),
        Cells({"2", "2", "0", "1", "0", "090", "000"}),
        Cells({"3", "1", "1", "0", "0", "000", "000"}),
        Row{},
    };
    EXPECT_EQ(view.rows, expectedRows);
    EXPECT_EQ(view.notes, QStringLiteral("Matrix as entered:\n\n"
                                         "\t1\t0\t0\n\t0\t2\t0\n\t0\t0\t3\n\n"
                                         "1st invariant = \t6\n"
                                         "2nd invariant = \t-11\n"
                                         "3rd invariant = \t6\n") +
                              kNormalizeLine);
    EXPECT_EQ(view.appends, 1);
}

TEST(CalculationTest, EigenvectorsAreTurnedDownAndGiveTrendAndPlunge) {
    struct Case {
        const char* name;
        std::array<const char*, 9> matrix;
        std::vector<Row> rows;
    };
    // Eigenvectors (0.6, 0, -0.8), (0, 1, 0), (0.8, 0, 0.6): the first one is
    // turned down into the second quadrant of the trend.
    // Eigenvectors (0.8, -0.6, 0), (0.6, 0.8, 0), (0, 0, 1): a horizontal one
    // whose trend is below 0 before it is brought into 0 to 360.
    // Eigenvectors (0, 0.8, 0.6), (0, -0.6, 0.8), (1, 0, 0): no north component.
    // Eigenvectors (1, 2, -2)/3, (2, 1, 2)/3, (2, -2, -1)/3 as the solver
    // gives them: the first and the last point up, and every one of their
    // components changes sign.
    const Case cases[] = {
        {"turned down",
         {"1.72", "0", "-0.96", "0", "2", "0", "-0.96", "0", "2.28"},
         {Cells({"1", "3", "-0.6", "0", "0.8", "180", "053.13"}),
          Cells({"2", "2", "0", "1", "0", "090", "000"}),
          Cells({"3", "1", "0.8", "0", "0.6", "000", "036.87"}), Row{}}},
        {"horizontal",
         {"2.64", "-0.48", "0", "-0.48", "2.36", "0", "0", "0", "1"},
         {Cells({"1", "3", "0.8", "-0.6", "0", "323.13", "000"}),
          Cells({"2", "2", "0.6", "0.8", "0", "053.13", "000"}),
          Cells({"3", "1", "0", "0", "1", "090", "090"}), Row{}}},
        {"east or west",
         {"1", "0", "0", "0", "2.64", "0.48", "0", "0.48", "2.36"},
         {Cells({"1", "3", "0", "0.8", "0.6", "090", "036.87"}),
          Cells({"2", "2", "0", "-0.6", "0.8", "270", "053.13"}),
          Cells({"3", "1", "1", "0", "0", "000", "000"}), Row{}}},
        {"up with every component",
         {"15", "6", "0", "6", "18", "-6", "0", "-6", "21"},
         {Cells({"1", "27", "-0.33333", "-0.66667", "0.66667", "243.43", "041.81"}),
          Cells({"2", "18", "0.66667", "0.33333", "0.66667", "026.57", "041.81"}),
          Cells({"3", "9", "-0.66667", "0.66667", "0.33333", "135", "019.47"}), Row{}}},
    };
    for (const Case& c : cases) {
        FakeCalculationView view;
        view.SetMatrix(c.matrix);
        view.Press();
        EXPECT_EQ(view.rows, c.rows) << c.name;
        EXPECT_EQ(view.columnCount, 5) << c.name;
        EXPECT_TRUE(view.headings.empty()) << c.name;
    }
}

// A small a(1,3) alone tilts the vertical eigenvector of 3 north by about
// a(1,3)/2 and leaves its east component exactly 0: a north component below
// 1e-6 in magnitude counts as none (trend 090), one above it gives the trend
// of the quotient 0 / v(1).
TEST(CalculationTest, ANorthComponentBelowOneMillionthGivesTheTrendOfNoNorth) {
    struct Case {
        const char* a13;
        const char* trend;
    };
    const Case cases[] = {
        {"1.98e-6", "090"},
        {"-1.98e-6", "090"},
        {"2.02e-6", "000"},
        {"-2.02e-6", "180"},
    };
    for (const Case& c : cases) {
        FakeCalculationView view;
        view.SetMatrix({"1", "0", c.a13, "0", "2", "0", c.a13, "0", "3"});
        view.Press();
        ASSERT_EQ(view.rows.size(), 4u) << c.a13;
        EXPECT_EQ(view.rows[0], Cells({"1", "3", "0", "0", "1", c.trend, "090"})) << c.a13;
    }
}

TEST(CalculationTest, TwoByTwoFallbackWritesFourColumnsAndTwoInvariants) {
    FakeCalculationView view;
    view.SetMatrix({"2", "1", "x", "1", "2", "", "y", "z", "w"});
    view.Press();

    EXPECT_EQ(view.messages, std::vector<QString>{kAssuming2x2});
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[0], Cells({"1", "3", "0.70711", "0.70711"}));
    EXPECT_EQ(view.rows[1].size(), 4u);
    EXPECT_EQ(view.rows[1].at(1), QStringLiteral("1"));
    EXPECT_TRUE(view.rows[2].empty());
    EXPECT_EQ(view.notes, QStringLiteral("Matrix as entered:\n\n"
                                         "\t2\t1\tx\n\t1\t2\t\n\ty\tz\tw\n\n"
                                         "1st invariant = \t4\n"
                                         "2nd invariant = \t-3\n") +
                              kNormalizeLine);
}

// Each field left empty in turn: the first two rows and columns must all be
// there; an empty field of the third row or column gives a 2x2 matrix.
TEST(CalculationTest, EachEmptyFieldRefusesOrGivesA2x2Matrix) {
    const std::vector<Row> twoByTwoRows = {
        Cells({"1", "3", "0.70711", "0.70711"}),
        Cells({"2", "1", "0.70711", "-0.70711"}),
        Row{},
    };
    const struct {
        int field;
        bool refused;
    } cases[] = {
        {1, true},  {2, true},  {3, false}, {4, true},  {5, true},
        {6, false}, {7, false}, {8, false}, {9, false},
    };
    for (const auto& c : cases) {
        FakeCalculationView view;
        view.SetMatrix({"2", "1", "1", "1", "2", "1", "1", "1", "2"});
        view.fields[c.field].clear();
        view.Press();
        if (c.refused) {
            EXPECT_EQ(view.messages, std::vector<QString>{kNotEnough}) << c.field;
            EXPECT_TRUE(view.rows.empty()) << c.field;
            EXPECT_EQ(view.appends, 0) << c.field;
        } else {
            EXPECT_EQ(view.messages, std::vector<QString>{kAssuming2x2}) << c.field;
            EXPECT_EQ(view.rows, twoByTwoRows) << c.field;
            EXPECT_TRUE(view.notes.contains(QStringLiteral("2nd invariant = \t-3\n"))) << c.field;
            EXPECT_FALSE(view.notes.contains(QStringLiteral("3rd invariant"))) << c.field;
        }
    }
}

TEST(CalculationTest, RefusalsChangeNothingButTheColumns) {
    struct Case {
        std::array<const char*, 9> matrix;
        std::vector<QString> messages;
    };
    const Case cases[] = {
        {{"", "", "", "", "", "", "", "", ""}, {kNotEnough}},
        {{"1", "2", "3", "4", "", "6", "7", "8", "9"}, {kNotEnough}},
        {{"1", "2", "3", "4", "5", "abc", "7", "8", "9"},
         {"The entry in row 2, column 3 (\"abc\") is not a number. Nothing was changed"}},
        {{"1..5", "2", "3", "4", "5", "6", "7", "8", "9"},
         {"The entry in row 1, column 1 (\"1..5\") is not a number. Nothing was changed"}},
        {{"1", "1,5", "3", "4", "5", "6", "7", "8", "9"},
         {"The entry in row 1, column 2 (\"1,5\") is not a number. Nothing was changed"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8", "nan"},
         {"The entry in row 3, column 3 (\"nan\") is not a number. Nothing was changed"}},
        {{"1", "2", "1e999", "4", "5", "6", "7", "8", "9"},
         {"The entry in row 1, column 3 (\"1e999\") is not a number. Nothing was changed"}},
        {{"1", "2", "3", "4", " x ", "6", "7", "8", ""},
         {kAssuming2x2,
          "The entry in row 2, column 2 (\" x \") is not a number. Nothing was changed"}},
    };
    for (const bool alt : {false, true}) {
        for (const Case& c : cases) {
            FakeCalculationView view;
            view.SetMatrix(c.matrix);
            view.notes = QStringLiteral("kept");
            view.alt = alt;
            view.Press();
            EXPECT_EQ(view.messages, c.messages) << c.matrix[0];
            EXPECT_TRUE(view.rows.empty());
            EXPECT_EQ(view.notes, QStringLiteral("kept"));
            EXPECT_EQ(view.appends, 0);
            EXPECT_EQ(view.columnCount, alt ? 7 : 5);
        }
    }
}

// A refusal names the row and the column and quotes a long entry by its
// beginning only, never splitting a character in two.
TEST(CalculationTest, ARefusedLongEntryIsQuotedByItsBeginning) {
    const QString forty(40, u'x');
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units
    const struct {
        QString entry;
        QString quoted;
    } cases[] = {
        {forty, forty},
        {forty + u'y', forty + QChar(0x2026)},
        {forty + QString(1'000'000, u'y'), forty + QChar(0x2026)},
        {QString(39, u'x') + face + u'y', QString(39, u'x') + QChar(0x2026)},
        {QString(38, u'x') + face + u'y', QString(38, u'x') + face + QChar(0x2026)},
    };
    for (const auto& c : cases) {
        FakeCalculationView view;
        view.SetMatrix({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
        view.fields[6] = c.entry;
        view.Press();
        EXPECT_EQ(
            view.messages,
            std::vector<QString>{QStringLiteral("The entry in row 2, column 3 (\"") + c.quoted +
                                 QStringLiteral("\") is not a number. Nothing was changed")})
            << c.entry.size();
    }
}

TEST(CalculationTest, OnlyParsedFieldsMustBeNumbersAndBlanksReadAsZero) {
    FakeCalculationView blanks;
    blanks.SetMatrix({"1", " ", "  ", " ", "2", "\t", " ", " ", "3"});
    blanks.Press();
    EXPECT_TRUE(blanks.messages.empty());
    EXPECT_EQ(blanks.rows.size(), 4u);
    EXPECT_EQ(blanks.rows[0].at(1), QStringLiteral("3"));

    // A 2x2 matrix never reads the fields of the third row and column, and
    // its a(2,1) is not used.
    FakeCalculationView twoByTwo;
    twoByTwo.SetMatrix({"2", "1", "", "abc", "2", "abc", "nan", "1,5", "x"});
    twoByTwo.Press();
    EXPECT_EQ(twoByTwo.messages, std::vector<QString>{kAssuming2x2});
    EXPECT_EQ(twoByTwo.rows.size(), 3u);
}

TEST(CalculationTest, LowerTriangleIsIgnoredButShownInTheNotes) {
    FakeCalculationView mirrored;
    mirrored.SetMatrix({"1", "1", "0", "1", "2", "0", "0", "0", "3"});
    mirrored.Press();
    FakeCalculationView typedApart;
    typedApart.SetMatrix({"1", "1", "0", "5", "2", "0", "-7", "8.5", "3"});
    typedApart.Press();
    // No number at all below the diagonal is no reason to refuse either.
    FakeCalculationView noNumbers;
    noNumbers.SetMatrix({"1", "1", "0", "abc", "2", "0", "nan", "1e999", "3"});
    noNumbers.Press();

    EXPECT_EQ(typedApart.rows, mirrored.rows);
    EXPECT_TRUE(typedApart.notes.startsWith(
        QStringLiteral("Matrix as entered:\n\n\t1\t1\t0\n\t5\t2\t0\n\t-7\t8.5\t3\n\n")));
    EXPECT_TRUE(noNumbers.messages.empty());
    EXPECT_EQ(noNumbers.rows, mirrored.rows);
    EXPECT_TRUE(noNumbers.notes.startsWith(
        QStringLiteral("Matrix as entered:\n\n\t1\t1\t0\n\tabc\t2\t0\n\tnan\t1e999\t3\n\n")));
}

TEST(CalculationTest, PressesAccumulateAfterWhatIsThere) {
    FakeCalculationView view;
    view.notes = QStringLiteral("typed by the user");
    view.SetMatrix({"1", "0", "0", "0", "2", "0", "0", "0", "3"});
    view.alt = true;
    view.Press();
    const QString firstNotes = view.notes.mid(view.notes.indexOf(u'M'));
    view.alt = false;
    view.Press();

    EXPECT_EQ(view.columnCount, 5);
    EXPECT_EQ(view.headings.size(), 2u);
    ASSERT_EQ(view.rows.size(), 8u);
    EXPECT_TRUE(view.rows[3].empty());
    EXPECT_EQ(view.rows[4], view.rows[0]);  // trend and plunge written with five columns too
    EXPECT_TRUE(view.rows[7].empty());
    EXPECT_EQ(view.notes, QStringLiteral("typed by the user") + firstNotes + firstNotes);
}

}  // namespace

TEST(CalculationTest, PlungeOfAComponentJustBeyondOneIsNinetyDegrees) {
    const double justAbove = std::nextafter(1.0, 2.0);
    EXPECT_EQ(Calculation::Plunge(justAbove), std::asin(1.0));
    EXPECT_EQ(Calculation::Plunge(-justAbove), -std::asin(1.0));
    EXPECT_TRUE(std::isnan(std::asin(justAbove)));  // what the clamp prevents
    EXPECT_EQ(Calculation::Plunge(0.8), std::asin(0.8));
}
