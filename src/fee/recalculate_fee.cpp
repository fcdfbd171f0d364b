// The fee rule: the first-kilogram price plus the further-kilogram price for every
// started kilogram after the first. Every arithmetic step rounds as extended
// precision followed by a store to double does.
#include "fee/recalculate_fee.h"

#include <cmath>

#include "app/constant_table.h"
#include "app/memory.h"
#include "fee/extended_arithmetic.h"
#include "fee/number_text.h"
#include "ui/layout.h"
#include "ui/properties.h"

int32_t wholeKg = 0;
double weightKg = 0.0;
int32_t extraKg = 0;

namespace {

// The number in an input box. The text read is released right after its conversion;
// an empty box reads as the null text, converted as the constant empty text, which
// ReleaseMemory leaves alone.
double ReadNumber(uint32_t controlId) {
  char* read = ReadProperty(kMainWindowId, controlId, kTextProperty, kWholeValue);
  const char* text = read != nullptr ? read : constantTable.emptyText;
  const double number = TextToNumber(text);
  ReleaseMemory(const_cast<char*>(text));
  return number;
}

// Shows a number in a box or label; the text made for it is released after the write.
void WriteNumber(uint32_t controlId, double number) {
  char* text = NumberToText(number);
  WriteProperty(kMainWindowId, controlId, kTextProperty, kWholeValue, text);
  ReleaseMemory(text);
}

}  // namespace

void InitializeGlobals() {
  wholeKg = 0;
  weightKg = 0.0;
  extraKg = 0;
}

void RecalculateFee() {
  const double jin1 = ReadNumber(kEditBox1Id);
  wholeKg = FloorToInt(ExtendedDivide(jin1, constantTable.jinPerKilogram));

  const double jin2 = ReadNumber(kEditBox1Id);
  weightKg = ExtendedDivide(jin2, constantTable.jinPerKilogram);

  // A weight within the tolerance of its whole kilograms charges one kilogram less.
  const double offWhole = ExtendedSubtract(weightKg, double(wholeKg));
  if (std::fabs(offWhole) > constantTable.wholeKgTolerance) {
    const double jin3 = ReadNumber(kEditBox1Id);
    extraKg = FloorToInt(ExtendedDivide(jin3, constantTable.jinPerKilogram));
  } else {
    const double jin3 = ReadNumber(kEditBox1Id);
    extraKg = FloorToInt(ExtendedSubtract(ExtendedDivide(jin3, constantTable.jinPerKilogram),
                                          constantTable.oneKilogram));
  }

  const double price = ReadNumber(kEditBox2Id);
  const double product = ExtendedMultiply(double(extraKg), price);
  const double first = ReadNumber(kEditBox3Id);
  const double total = ExtendedAdd(product, first);

  WriteNumber(kEditBox4Id, total);
  WriteNumber(kLabel6Id, weightKg);
}
