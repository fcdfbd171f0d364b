// TextToNumber and NumberToText side by side with strtod/from_chars and
// snprintf/to_chars, on the calculator's typical inputs, long ones and extremes.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/memory.h"
#include "fee/number_text.h"

namespace {

const std::vector<std::string>& Inputs(int set) {
  static const std::vector<std::string> typical = {"6",   "1.2",       "12.5",
                                                   "100", "4.0000001", "0.0000003"};
  static const std::vector<std::string> longDigits = {
      "3.1415926535897932",       "2.71828182845904523536",   "0.123456789012345678901234",
      "846039250.80000000000001", "9007199254740993.0000001", "1.7976931348623157e308"};
  static const std::vector<std::string> exponents = {"1e10",     "1.5e-5", "6.02214076e23",
                                                     "2.5E-300", "1d3",    "9.1093837e-31"};
  static const std::vector<std::string> huge1M = {"0." + std::string(1000000, '3')};
  static const std::vector<std::string> huge100K = {"0." + std::string(100000, '3')};
  const std::vector<std::string>* sets[] = {&typical, &longDigits, &exponents, &huge100K, &huge1M};
  return *sets[set];
}

const char* kSetNames[] = {"typical", "17to24digits", "exponent", "100Kdigits", "1Mdigits"};

void ReadOurs(benchmark::State& state) {
  const auto& inputs = Inputs(int(state.range(0)));
  for (auto _ : state) {
    for (const auto& s : inputs) benchmark::DoNotOptimize(TextToNumber(s.c_str()));
  }
  state.SetLabel(kSetNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * inputs.size()));
}

void ReadStrtod(benchmark::State& state) {
  const auto& inputs = Inputs(int(state.range(0)));
  for (auto _ : state) {
    for (const auto& s : inputs) benchmark::DoNotOptimize(std::strtod(s.c_str(), nullptr));
  }
  state.SetLabel(kSetNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * inputs.size()));
}

void ReadFromChars(benchmark::State& state) {
  const auto& inputs = Inputs(int(state.range(0)));
  for (auto _ : state) {
    for (const auto& s : inputs) {
      double v;
      std::from_chars(s.data(), s.data() + s.size(), v);
      benchmark::DoNotOptimize(v);
    }
  }
  state.SetLabel(kSetNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * inputs.size()));
}

const std::vector<double>& Values(int set) {
  static const std::vector<double> typical = [] {
    std::vector<double> v = {7.2, 846039250.8, 64.8, 4.8};
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> exponent(-5, 12);
    for (int i = 0; i < 60; ++i) v.push_back(std::pow(10.0, exponent(random)));
    return v;
  }();
  static const std::vector<double> extremes = {1e308, 0x1p-1074, 1.7976931348623157e308,
                                               2.2250738585072014e-308};
  return set == 0 ? typical : extremes;
}

const char* kValueNames[] = {"typical", "extremes"};

void ShowOurs(benchmark::State& state) {
  const auto& values = Values(int(state.range(0)));
  for (auto _ : state) {
    for (double v : values) {
      char* text = NumberToText(v);
      benchmark::DoNotOptimize(text);
      ReleaseMemory(text);
    }
  }
  state.SetLabel(kValueNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * values.size()));
}

void ShowSnprintf(benchmark::State& state) {
  const auto& values = Values(int(state.range(0)));
  char buffer[64];
  for (auto _ : state) {
    for (double v : values) {
      std::snprintf(buffer, sizeof buffer, "%.17g", v);
      benchmark::DoNotOptimize(buffer);
    }
  }
  state.SetLabel(kValueNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * values.size()));
}

void ShowToChars(benchmark::State& state) {
  const auto& values = Values(int(state.range(0)));
  char buffer[64];
  for (auto _ : state) {
    for (double v : values) {
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 16);
      benchmark::DoNotOptimize(buffer);
    }
  }
  state.SetLabel(kValueNames[state.range(0)]);
  state.SetItemsProcessed(int64_t(state.iterations() * values.size()));
}

}  // namespace

BENCHMARK(ReadOurs)->DenseRange(0, 4);
BENCHMARK(ReadFromChars)->DenseRange(0, 4);
BENCHMARK(ReadStrtod)->DenseRange(0, 4);
BENCHMARK(ShowOurs)->DenseRange(0, 1);
BENCHMARK(ShowToChars)->DenseRange(0, 1);
BENCHMARK(ShowSnprintf)->DenseRange(0, 1);
BENCHMARK_MAIN();
