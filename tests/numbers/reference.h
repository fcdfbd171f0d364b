// Independent references for the number rules, built on glibc: strtod/strtold for
// reading and printf's exact "%.*e" expansion for showing. Used by the differential
// and corpus tests and the fuzz targets; never by the program.
#pragma once

#include <string>

// The reading rule for an ASCII text: longest number prefix, at most 24 significant
// digits rounded half up by the 25th, nearest double with exact ties to the smaller
// magnitude.
double ReferenceRead(const std::string& text);

// True when the plain decimal text (digits, point, exponent; unsigned) is exactly halfway
// between two neighbouring doubles (or between the largest double and 2^1024).
bool IsExactHalfway(const std::string& decimal);

// Significant digits of an unsigned plain decimal text (leading zeros not counted).
long CountSignificantDigits(const std::string& decimal);

// The shown text of a finite double: exact expansion, 17 digits half up, 13 half up.
std::string ReferenceText(double value);
