// The fee rule's arithmetic steps, each giving exactly the double that x87 extended
// precision (64-bit significand, round to nearest even, no traps) followed by a
// store to double gives. Portable: the exact result is formed with integer
// significands and rounded twice, so neither long double nor the FPU state matters.
#pragma once

double ExtendedAdd(double a, double b);
double ExtendedSubtract(double a, double b);
double ExtendedMultiply(double a, double b);
double ExtendedDivide(double a, double b);
