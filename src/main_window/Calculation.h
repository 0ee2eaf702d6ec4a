#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "framework/DoubleMatrix.h"
#include "framework/DoubleVector.h"
#include "main_window/CalculationView.h"

// One press of "Calculate": checks the entries, decomposes the 3x3 (or 2x2)
// matrix and appends the eigenvalues, direction cosines, trend and plunge to
// the results list and the matrix and its invariants to the notes.
class Calculation {
public:
    explicit Calculation(CalculationView& view);

    void Run();

    // The plunge of a unit eigenvector from its third (down) component. A
    // component that a rounding error took beyond 1 in magnitude counts as 1.
    static double Plunge(double downComponent);

private:
    void SwitchColumns(bool altKey);
    bool CheckEntries();
    bool Parse();
    void Solve();
    void OrientAndAngles();
    QString MatrixNotes();
    void AppendRows();
    QString InvariantNotes() const;

    CalculationView& view_;
    std::int64_t n_ = 3;
    DoubleMatrix a_{3, 3};
    DoubleMatrix v_{3, 3};
    DoubleVector d_{3};
    DoubleVector trend_{3};
    DoubleVector plunge_{3};
    double i1_ = 0;
};
