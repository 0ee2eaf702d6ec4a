#include "main_window/Calculation.h"

#include <algorithm>
#include <cmath>

#include "eigensolver/Module1_GenStructure.h"
#include "framework/NumberConversions.h"
#include "framework/TextFunctions.h"

namespace {

const QString kNotEnoughEntries =
    QStringLiteral("There are not enough entries to do a calculation. Nothing was changed");
const QString kAssuming2x2 = QStringLiteral(
    "Assuming a 2x2 matrix is being entered because entries are missing for a 3x3 matrix");
const QString kCosineMask = QStringLiteral("-0.#####");
const QString kAngleMask = QStringLiteral("-000.##");

// Written as decimals on purpose: they are close to, not equal to, pi/2 and 3pi/2.
constexpr double kTrendNorth90 = 1.570796326794412;
constexpr double kTrendNorth270 = 4.712388980383236;
constexpr double kPi = 3.141592653589793;
constexpr double kDegreesPerRadian = 57.2957795131;

constexpr int kFields2x2[] = {1, 2, 4, 5};
constexpr int kFieldsOfThirdRowAndColumn[] = {3, 6, 7, 8, 9};

int FieldNumber(std::int64_t row, std::int64_t column) {
    return static_cast<int>(3 * (row - 1) + column);
}

// A message quotes a long entry by its beginning: laying out megabytes of
// text in a message box would keep the window from answering for minutes.
constexpr qsizetype kQuotedEntryLength = 40;

QString QuotedEntry(const QString& text) {
    if (text.size() <= kQuotedEntryLength) return text;
    qsizetype end = kQuotedEntryLength;
    if (text.at(end - 1).isHighSurrogate()) --end;
    return text.left(end) + QChar(0x2026);
}

QString NotANumberMessage(std::int64_t row, std::int64_t column, const QString& text) {
    return QStringLiteral(
               "The entry in row %1, column %2 (\"%3\") is not a number. "
               "Nothing was changed")
        .arg(row)
        .arg(column)
        .arg(QuotedEntry(text));
}

}  // namespace

Calculation::Calculation(CalculationView& view) : view_(view) {}

void Calculation::Run() {
    a_ = DoubleMatrix(3, 3);
    v_ = DoubleMatrix(3, 3);
    d_ = DoubleVector(3);
    trend_ = DoubleVector(3);
    plunge_ = DoubleVector(3);
    SwitchColumns(view_.AsyncAltKey());
    if (!CheckEntries()) return;
    if (!Parse()) return;
    i1_ = a_(1, 1) + a_(2, 2);
    if (n_ == 3) i1_ = i1_ + a_(3, 3);
    Solve();
    if (n_ == 3) OrientAndAngles();
    QString notes = MatrixNotes();
    AppendRows();
    notes += InvariantNotes();
    view_.AppendText(notes);
}

double Calculation::Plunge(double downComponent) {
    return std::asin(std::clamp(downComponent, -1.0, 1.0));
}

void Calculation::SwitchColumns(bool altKey) {
    if (altKey) {
        view_.SetColumnCount(7);
        view_.SetHeading(5, QStringLiteral("Trend"));
        view_.SetHeading(6, QStringLiteral("Plunge"));
    } else {
        view_.SetColumnCount(5);
    }
}

bool Calculation::CheckEntries() {
    n_ = 3;
    for (int field : kFields2x2) {
        if (view_.FieldText(field).isEmpty()) {
            view_.MsgBox(kNotEnoughEntries);
            return false;
        }
    }
    for (int field : kFieldsOfThirdRowAndColumn) {
        if (view_.FieldText(field).isEmpty()) {
            view_.MsgBox(kAssuming2x2);
            n_ = 2;
            a_.Redim(2, 2);
            v_.Redim(2, 2);
            d_.Redim(2);
            trend_.Redim(2);
            plunge_.Redim(2);
            break;
        }
    }
    return true;
}

// Reads the entries of the order's rows and columns into a_. The solver uses
// only the diagonal and the upper triangle: an entry there that is no finite
// number refuses the calculation before anything is written. The lower
// triangle changes no result and is read as it is.
bool Calculation::Parse() {
    for (std::int64_t row = 1; row <= n_; ++row) {
        for (std::int64_t column = 1; column <= n_; ++column) {
            const QString text = view_.FieldText(FieldNumber(row, column));
            if (column < row) {
                a_(row, column) = CDbl(text);
                continue;
            }
            const std::optional<double> value = CDblChecked(text);
            if (!value) {
                view_.MsgBox(NotANumberMessage(row, column, text));
                return false;
            }
            a_(row, column) = *value;
        }
    }
    return true;
}

void Calculation::Solve() {
    Module1_GenStructure::Jacobi(a_, n_, n_, d_, v_, 0);
    Module1_GenStructure::Eigsrt(d_, v_, n_, n_);
}

// Turns each eigenvector to point down and derives its trend and plunge in a
// North-East-Down frame.
void Calculation::OrientAndAngles() {
    for (std::int64_t i = 1; i <= 3; ++i) {
        if (v_(3, i) < 0) {
            v_(1, i) = -v_(1, i);
            v_(2, i) = -v_(2, i);
            v_(3, i) = -v_(3, i);
        }
        plunge_(i) = Plunge(v_(3, i));
        if (std::fabs(v_(1, i)) < 1e-6) {
            trend_(i) = kTrendNorth90;
            if (v_(2, i) < 0) trend_(i) = kTrendNorth270;
        } else {
            trend_(i) = std::atan(v_(2, i) / v_(1, i));
            if (v_(1, i) < 0) trend_(i) = trend_(i) + kPi;
        }
        trend_(i) = Module1_GenStructure::ZeroTwopi(trend_(i));
    }
}

QString Calculation::MatrixNotes() {
    const QString eol = EndOfLine();
    const QString tab = Chr(9);
    QString notes = QStringLiteral("Matrix as entered:") + eol + eol;
    for (std::int64_t row = 1; row <= 3; ++row) {
        for (std::int64_t column = 1; column <= 3; ++column) {
            notes += tab + view_.FieldText(FieldNumber(row, column));
        }
        notes += eol;
    }
    return notes + eol;
}

void Calculation::AppendRows() {
    for (std::int64_t j = 1; j <= n_; ++j) {
        view_.AddRow();
        const std::int64_t r = view_.ListCount() - 1;
        view_.SetCell(r, 0, CStr(j));
        view_.SetCell(r, 1, Str(d_(j)));
        view_.SetCell(r, 2, Format(v_(1, j), kCosineMask));
        view_.SetCell(r, 3, Format(v_(2, j), kCosineMask));
        if (n_ == 3) {
            view_.SetCell(r, 4, Format(v_(3, j), kCosineMask));
            view_.SetCell(r, 5, Format(trend_(j) * kDegreesPerRadian, kAngleMask));
            view_.SetCell(r, 6, Format(plunge_(j) * kDegreesPerRadian, kAngleMask));
        }
    }
    view_.AddRow();
}

QString Calculation::InvariantNotes() const {
    const QString eol = EndOfLine();
    const QString tab = Chr(9);
    const double d1 = d_(1);
    const double d2 = d_(2);
    QString notes = QStringLiteral("1st invariant = ") + tab + Str(i1_) + eol;
    if (n_ == 3) {
        const double d3 = d_(3);
        const double i2 = -((d1 * d2 + d2 * d3) + d1 * d3);
        const double i3 = (d1 * d2) * d3;
        notes += QStringLiteral("2nd invariant = ") + tab + Str(i2) + eol;
        notes += QStringLiteral("3rd invariant = ") + tab + Str(i3) + eol;
    } else {
        notes += QStringLiteral("2nd invariant = ") + tab + Str(-(d1 * d2)) + eol;
    }
    return notes +
           QStringLiteral("(to normalize the eigenvalues to 1, divide each by the 1st invariant)") +
           eol;
}
