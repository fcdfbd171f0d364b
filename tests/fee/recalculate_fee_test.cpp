// RecalculateFee through the real property layer and layout, with fake native
// controls standing in for the window's edit boxes and labels.
#include "fee/recalculate_fee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/constant_table.h"
#include "app/memory.h"
#include "ui/layout.h"
#include "ui/properties.h"

namespace {

// Stands in for a native control: keeps its text; an edit box reports every change
// of its content to the property layer, as the native edit control does.
class FakeControl : public NativeText {
 public:
  FakeControl(uint32_t id, bool editBox, const char* text)
      : text(text ? text : ""), id_(id), editBox_(editBox) {}
  std::string Read() const override { return text; }
  void Write(const char* value) override {
    text = value;
    if (editBox_) HandleChangeReport(kMainWindowId, id_);
  }
  // A user's edit: the content changes and the control reports it.
  void Type(const std::string& value) {
    text = value;
    HandleChangeReport(kMainWindowId, id_);
  }
  std::string text;

 private:
  uint32_t id_;
  bool editBox_;
};

int runs = 0;
void CountedRecalculateFee() {
  ++runs;
  RecalculateFee();
}

constexpr Routine kRoutines[size_t(RoutineId::Count)] = {nullptr, nullptr, CountedRecalculateFee};

class RecalculateFeeTest : public testing::Test {
 protected:
  void SetUp() override {
    SetConstantTableBounds(&constantTable, &constantTable + 1);
    const LayoutTable* table = ReadLayoutTable();
    ASSERT_NE(table, nullptr);
    const WindowLayout* window = FindWindowLayout(*table, kMainWindowId);
    ASSERT_NE(window, nullptr);
    ResolveBindings(*table, kRoutines);
    AddLoadedWindow(*window);
    for (int32_t c = 0; c < window->controlCount; ++c) {
      const ControlLayout& control = window->controls[c];
      auto fake = std::make_unique<FakeControl>(
          control.controlId, control.kind == ControlKind::EditBox, control.initialText);
      AttachNativeText(kMainWindowId, control.controlId, fake.get());
      controls_[control.controlId] = std::move(fake);
    }
    InitializeGlobals();
    runs = 0;
  }
  void TearDown() override {
    RemoveLoadedWindow(kMainWindowId);
    DiscardBindings();
  }

  FakeControl& Control(uint32_t id) { return *controls_.at(id); }
  // Types the three inputs, each raising its TextChanged, and returns after the last run.
  void Enter(const std::string& jin, const std::string& price, const std::string& first) {
    Control(kEditBox2Id).Type(price);
    Control(kEditBox3Id).Type(first);
    Control(kEditBox1Id).Type(jin);
  }
  const std::string& Fee() { return Control(kEditBox4Id).text; }
  const std::string& Kilograms() { return Control(kLabel6Id).text; }

 private:
  std::map<uint32_t, std::unique_ptr<FakeControl>> controls_;
};

TEST_F(RecalculateFeeTest, NothingRunsBeforeTheFirstEdit) {
  EXPECT_EQ(Fee(), "");
  EXPECT_EQ(Kilograms(), "0");
  EXPECT_EQ(wholeKg, 0);
  EXPECT_EQ(weightKg, 0.0);
  EXPECT_EQ(extraKg, 0);
}

TEST_F(RecalculateFeeTest, EveryInputBoxRecalculatesOnceAndTheFeeBoxNone) {
  Control(kEditBox1Id).Type("5");
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(Fee(), "8.4");
  EXPECT_EQ(Kilograms(), "2.5");
  Control(kEditBox2Id).Type("2");
  EXPECT_EQ(Fee(), "10");
  Control(kEditBox3Id).Type("1");
  EXPECT_EQ(Fee(), "5");
  EXPECT_EQ(runs, 3);
  Control(kEditBox4Id).Type("99");
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(Kilograms(), "2.5");
}

TEST_F(RecalculateFeeTest, EveryRunOverwritesBothOutputs) {
  Control(kEditBox1Id).Type("5");
  Control(kEditBox4Id).text = "stale";
  Control(kLabel6Id).text = "stale";
  Control(kEditBox1Id).Type("5");
  EXPECT_EQ(Fee(), "8.4");
  EXPECT_EQ(Kilograms(), "2.5");
}

struct WeightCase {
  const char* jin;  // 编辑框1, code page 936
  const char* kilograms;
  const char* fee;
  int32_t wholeKg, extraKg;
};

// 编辑框1 with the prices at start ("1.2" per further kilogram, "6" for the first).
class WeightTable : public RecalculateFeeTest {
 protected:
  void Check(const std::vector<WeightCase>& cases) {
    for (const WeightCase& c : cases) {
      Control(kEditBox1Id).Type(c.jin);
      EXPECT_EQ(Kilograms(), c.kilograms) << "jin \"" << c.jin << "\"";
      EXPECT_EQ(Fee(), c.fee) << "jin \"" << c.jin << "\"";
      EXPECT_EQ(wholeKg, c.wholeKg) << "jin \"" << c.jin << "\"";
      EXPECT_EQ(extraKg, c.extraKg) << "jin \"" << c.jin << "\"";
    }
  }
};

TEST_F(WeightTable, NoWeightCostsTheFirstPriceLessOneFurtherPrice) {
  Check({
      {"", "0", "4.8", 0, -1},
      {"0", "0", "4.8", 0, -1},
      {"-0", "0", "4.8", 0, -1},
      {"abc", "0", "4.8", 0, -1},
      {"0.0000000000001", "5e-014", "4.8", 0, -1},
  });
}

TEST_F(WeightTable, EveryStartedKilogramAfterTheFirstIsCharged) {
  Check({
      {"1", "0.5", "6", 0, 0},
      {"2", "1", "6", 1, 0},
      {"3", "1.5", "7.2", 1, 1},
      {"4", "2", "7.2", 2, 1},
      {"5", "2.5", "8.4", 2, 2},
      {"2.5", "1.25", "7.2", 1, 1},
      {"100", "50", "64.8", 50, 49},
      {"\xA3\xB1\xA3\xB0", "5", "10.8", 5, 4},  // full-width "10"
  });
}

TEST_F(WeightTable, WithinTheToleranceAboveWholeKilogramsCountsAsWhole) {
  Check({
      {"4.0000001", "2.00000005", "7.2", 2, 1},
      {"4.0000003", "2.00000015", "8.4", 2, 2},
      {"3.9999999", "1.99999995", "7.2", 1, 1},
      {"0.0000002", "1e-007", "4.8", 0, -1},  // exactly at the tolerance
      {"0.0000003", "1.5e-007", "6", 0, 0},
  });
}

TEST_F(WeightTable, NegativeWeightsFollowTheSameFormula) {
  Check({
      {"-3", "-1.5", "3.6", -2, -2},
      {"-2", "-1", "3.6", -1, -2},
  });
}

TEST_F(WeightTable, WholeKilogramsWrapAt32BitsAndVanishFrom2To63) {
  Check({
      {"1e10", "5000000000", "846039250.8", 705032704, 705032704},
      {"-1e10", "-5000000000", "-846039238.8", -705032704, -705032704},
      // 2^63 - 1024 kg: still in the 64-bit range, low 32 bits -1024.
      {"18446744073709549568", "9.223372036855e+018", "-1222.8", -1024, -1024},
      {"18446744073709551616", "9.223372036855e+018", "6", 0, 0},  // 2^63 kg
      {"1e20", "5e+019", "6", 0, 0},
  });
}

TEST_F(WeightTable, InfiniteWeightsChargeTheFirstPriceAlone) {
  Check({
      {"1e400", "1.#INF", "6", 0, 0},
      {"-1e400", "-1.#INF", "6", 0, 0},
  });
}

TEST_F(WeightTable, AMillionDigitsReadAsInfinity) {
  Check({{std::string(1000000, '7').c_str(), "1.#INF", "6", 0, 0}});
}

struct PriceCase {
  const char* jin;
  const char* price;  // 编辑框2
  const char* first;  // 编辑框3
  const char* fee;
};

class PriceTable : public RecalculateFeeTest {
 protected:
  void Check(const std::vector<PriceCase>& cases) {
    for (const PriceCase& c : cases) {
      Enter(c.jin, c.price, c.first);
      EXPECT_EQ(Fee(), c.fee) << "\"" << c.jin << "\", \"" << c.price << "\", \"" << c.first
                              << "\"";
    }
  }
};

TEST_F(PriceTable, TheTotalIsTheFirstPricePlusTheFurtherKilograms) {
  Check({
      {"3", "", "", "0"},
      {"7", "2", "10", "16"},
      {"5", "0.8", "5.5", "7.1"},
      {"3", "\xA3\xB1\xA3\xAE\xA3\xB5", "\xA3\xB8", "9.5"},  // full-width "1.5" and "8"
  });
}

TEST_F(PriceTable, InfinitePricesGiveInfinityOrTheDefaultNaN) {
  Check({
      {"1", "1e400", "6", "-1.#IND"},  // 0 * inf
      {"0", "1e400", "6", "-1.#INF"},
      {"3", "1.2", "1e400", "1.#INF"},
      {"3", "1e400", "-1e400", "-1.#IND"},  // inf - inf
  });
}

// The product rounded to 64 bits and then to a double shows one digit differently
// from a product rounded once (plain double gives ...578 and ...387).
TEST_F(PriceTable, TheProductIsRoundedAsExtendedPrecisionThenDouble) {
  Check({
      {"1902637", "0.7381667512416984", "0", "702231.3174577"},
      {"207657", "241.4238210681608", "0", "25066552.49386"},
  });
}

// A heap that counts, so that every text handed out is seen released exactly once.
struct CountingHeap {
  static inline std::map<void*, int> live;
  static inline int allocations = 0, releases = 0, doubleReleases = 0;
  static inline size_t peakLive = 0;
  static void* Allocate(size_t byteCount) {
    void* block = std::malloc(byteCount == 0 ? 1 : byteCount);
    live[block] = 1;
    ++allocations;
    peakLive = std::max(peakLive, live.size());
    return block;
  }
  static void Release(void* block) {
    ++releases;
    if (live.erase(block) == 0) ++doubleReleases;
    std::free(block);
  }
  static void Reset() {
    live.clear();
    allocations = releases = doubleReleases = 0;
    peakLive = 0;
  }
};

class TextOwnership : public RecalculateFeeTest {
 protected:
  void SetUp() override {
    RecalculateFeeTest::SetUp();
    CountingHeap::Reset();
    InstallHeap({CountingHeap::Allocate, CountingHeap::Release});
  }
  void TearDown() override {
    InstallHeap({[](size_t n) { return std::malloc(n == 0 ? 1 : n); }, std::free});
    RecalculateFeeTest::TearDown();
  }
};

TEST_F(TextOwnership, EachTextIsReleasedOnceRightAfterItsOneUse) {
  Control(kEditBox1Id).Type("5");
  // Five reads and two results, each released before the next is made.
  EXPECT_EQ(CountingHeap::allocations, 7);
  EXPECT_EQ(CountingHeap::releases, 7);
  EXPECT_EQ(CountingHeap::doubleReleases, 0);
  EXPECT_TRUE(CountingHeap::live.empty());
  EXPECT_EQ(CountingHeap::peakLive, 1u);
}

TEST_F(TextOwnership, EmptyBoxesReadAsTheConstantEmptyText) {
  Enter("", "", "");
  CountingHeap::Reset();
  Control(kEditBox1Id).Type("");
  EXPECT_EQ(Fee(), "0");
  EXPECT_EQ(CountingHeap::allocations, 2);  // the two results only
  EXPECT_EQ(CountingHeap::releases, 2);
  EXPECT_EQ(CountingHeap::doubleReleases, 0);
}

TEST_F(RecalculateFeeTest, AHundredThousandRunsLeaveNoTextBehind) {
  const int64_t before = LiveBlockCount();
  const char* weights[] = {"5", "", "1e400", "-3", "0.0000002", "123456.789"};
  for (int i = 0; i < 100000; ++i) Control(kEditBox1Id).Type(weights[i % std::size(weights)]);
  EXPECT_EQ(runs, 100000);
  EXPECT_EQ(LiveBlockCount(), before);
  EXPECT_EQ(Fee(), "3.6");  // run 99999 typed "-3"
}

}  // namespace
