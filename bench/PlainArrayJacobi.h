#pragma once

#include <cstdint>

// The solver's algorithm, step for step, on plain arrays with no bounds test:
// the floor that the benchmark holds Jacobi + Eigsrt against. Orders up to 3;
// indices 1 to n as in the solver.
namespace PlainArrayJacobi {

constexpr int kUpperBound = 3;

using Matrix = double[kUpperBound + 1][kUpperBound + 1];
using Vector = double[kUpperBound + 1];

void Jacobi(Matrix& a, std::int64_t n, Vector& d, Matrix& v);
void Eigsrt(Vector& d, Matrix& v, std::int64_t n);

}  // namespace PlainArrayJacobi
