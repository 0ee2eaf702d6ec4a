#pragma once

#include <cstdint>

#include "framework/DoubleMatrix.h"
#include "framework/DoubleVector.h"

// The numerical core: eigen-decomposition of a real symmetric matrix by cyclic
// Jacobi rotations, sorting of the eigenpairs, and one-turn angle correction.
// Arrays are used from index 1 to n; index 0 is never touched. Every operation
// is a separate IEEE double operation in the order written (no fused
// multiply-add), so results are the same on every compiler and CPU.
namespace Module1_GenStructure {

// Largest order the work vectors of Jacobi hold.
constexpr std::int64_t kMaxOrder = 100;

// Decomposes the symmetric matrix given by the diagonal and strict upper
// triangle of `a` (the lower triangle is never read). On return d(k) is the
// eigenvalue whose estimate started as a(k,k) and column k of `v` its unit
// eigenvector; the strict upper triangle of `a` holds what is left of the
// off-diagonal elements. `nDim` and `rotationCount` are not used.
// Throws std::invalid_argument for n outside 0..100 and OutOfBoundsException
// for an array whose upper bounds are below n, before touching any element.
void Jacobi(DoubleMatrix& a, std::int64_t n, std::int64_t nDim, DoubleVector& d, DoubleMatrix& v,
            std::int64_t rotationCount);

// Sorts d(1..n) into descending order, moving each column of `v` with its
// eigenvalue (selection sort; among equal largest values the last one wins).
// `nDim` is not used. Refuses bad n or bounds like Jacobi.
void Eigsrt(DoubleVector& d, DoubleMatrix& v, std::int64_t n, std::int64_t nDim);

// Adds 2*pi once to an angle below 0, then subtracts 2*pi once from an angle
// above 2*pi: angles from -2*pi to 4*pi end within 0 to 2*pi.
double ZeroTwopi(double angle);

}  // namespace Module1_GenStructure
