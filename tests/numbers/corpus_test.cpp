// The public parse-number corpus: every line gives its double, except where the 24-digit
// or halfway rule applies, found by an exact check and held to the rule instead.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reference.h"
#include "test_support.h"

namespace {

TEST(TextToNumberCorpus, EveryLineReadsAsItsDouble) {
  const std::filesystem::path folder = std::filesystem::path(PF_CORPUS_DIR) / "parse-number-fxx";
  if (!std::filesystem::is_directory(folder)) {
    GTEST_SKIP() << "corpus folder " << folder << " not found";
  }
  long lines = 0, ruleLines = 0, changedLines = 0, failures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line)) {
      // "F16 F32 F64 string" or "F64 string": the double is the last hex field.
      std::istringstream fields(line);
      std::string field, text, f64;
      std::vector<std::string> parts;
      while (fields >> field) parts.push_back(field);
      if (parts.size() < 2) continue;
      text = parts.back();
      f64 = parts[parts.size() - 2];
      uint64_t expected = std::strtoull(f64.c_str(), nullptr, 16);
      ++lines;
      bool ruleApplies = CountSignificantDigits(text) > 24 || IsExactHalfway(text);
      if (ruleApplies) {
        ++ruleLines;
        uint64_t byRule = Bits(ReferenceRead(text));
        if (byRule != expected) ++changedLines;
        expected = byRule;
      }
      uint64_t got = Bits(TextToNumber(text.c_str()));
      if (got != expected && ++failures <= 20) {
        ADD_FAILURE() << entry.path().filename() << ": \"" << text << "\" read " << std::hex << got
                      << ", expected " << expected << (ruleApplies ? " (by the rule)" : "");
      }
    }
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(lines, 250000);
  std::printf(
      "%ld corpus lines, %ld under the 24-digit or halfway rule, %ld of them read "
      "otherwise than the corpus double\n",
      lines, ruleLines, changedLines);
}

}  // namespace
