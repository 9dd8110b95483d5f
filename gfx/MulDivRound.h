// A x B / C through 64 bits, rounded half away from zero, as the system's MulDiv does; a
// zero C or a result beyond int gives -1 (as MulDiv does). Named apart from the MulDiv of
// <windows.h>. Portable.
#pragma once

#include <cstdint>
#include <limits>

constexpr int MulDivRound(int A, int B, int C) {
  if (C == 0) return -1;
  const std::int64_t Product = std::int64_t{A} * B;
  const std::int64_t Divisor = C;
  const std::int64_t AbsProduct = Product < 0 ? -Product : Product;
  const std::int64_t AbsDivisor = Divisor < 0 ? -Divisor : Divisor;
  const std::int64_t Quotient = (AbsProduct + AbsDivisor / 2) / AbsDivisor;
  const std::int64_t Result = (Product < 0) != (Divisor < 0) ? -Quotient : Quotient;
  if (Result > std::numeric_limits<int>::max() || Result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(Result);
}
