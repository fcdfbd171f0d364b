// The fee rule through the real window: typed and pasted weights and prices, read
// back from 编辑框4 and 标签6.
#include <windows.h>

#include <string>

#include "app_window.h"
#include "check.h"
#include "input.h"
#include "scenarios.h"
#include "target.h"

namespace e2e {
namespace {

// Prices at start: 1.2 for each further kilogram, 6 for the first.
struct WeightRow {
  const wchar_t* weight;
  const char* label6;
  const char* box4;
};

constexpr WeightRow kWeightRows[] = {
    {L"0", "0", "4.8"},
    {L"-0", "0", "4.8"},
    {L"abc", "0", "4.8"},
    {L"1", "0.5", "6"},
    {L"2", "1", "6"},
    {L"3", "1.5", "7.2"},
    {L"4", "2", "7.2"},
    {L"5", "2.5", "8.4"},
    {L"2.5", "1.25", "7.2"},
    {L"100", "50", "64.8"},
    {L"\uFF11\uFF10", "5", "10.8"},
    {L"4.0000001", "2.00000005", "7.2"},
    {L"4.0000003", "2.00000015", "8.4"},
    {L"3.9999999", "1.99999995", "7.2"},
    {L"0.0000000000001", "5e-014", "4.8"},
    {L"0.0000002", "1e-007", "4.8"},
    {L"0.0000003", "1.5e-007", "6"},
    {L"-3", "-1.5", "3.6"},
    {L"-2", "-1", "3.6"},
    {L"1e10", "5000000000", "846039250.8"},
    {L"1e20", "5e+019", "6"},
    {L"1e400", "1.#INF", "6"},
    {L"-1e400", "-1.#INF", "6"},
};

struct PriceRow {
  const wchar_t* weight;
  const wchar_t* furtherPrice;
  const wchar_t* firstPrice;
  const char* box4;
};

constexpr PriceRow kPriceRows[] = {
    {L"3", L"", L"", "0"},
    {L"7", L"2", L"10", "16"},
    {L"5", L"0.8", L"5.5", "7.1"},
    {L"3", L"\uFF11\uFF0E\uFF15", L"\uFF18", "9.5"},
    {L"1", L"1e400", L"6", "-1.#IND"},
    {L"0", L"1e400", L"6", "-1.#INF"},
    {L"3", L"1.2", L"1e400", "1.#INF"},
};

std::string Cp936(const std::wstring& text) {
  int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr,
                      nullptr);
  return bytes;
}

// Text that the input filter would drop goes in by paste, the rest is typed.
bool Typable(const std::wstring& text) {
  for (wchar_t c : text)
    if (!(c >= L'0' && c <= L'9') && c != L'-' && c != L'.') return false;
  return true;
}

void Enter(AppWindow& app, int box, const std::wstring& text) {
  std::string shown = Cp936(text);
  CHECK_EQ(shown, app.SetBox(box, text, !Typable(text), shown));
}

void CheckOutputs(AppWindow& app, const char* label6, const char* box4) {
  CHECK_EQ(std::string(label6), ReadText(app.Control(kLabel6Id)));
  CHECK_EQ(std::string(box4), ReadText(app.Box(4)));
}

}  // namespace

void RunFeeChecks(const Options& options) {
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"parcel-fee.exe")))) return;

  Step("before any key: 编辑框4 empty, 标签6 0");
  CheckOutputs(app, "0", "");

  Step("a digit, then deleting the last character");
  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));
  TypeText(L"5");
  CHECK_EQ(std::string("5"), WaitText(app.Box(1), "5"));
  CheckOutputs(app, "2.5", "8.4");
  PressKey(VK_END);
  PressKey(VK_BACK);
  CHECK_EQ(std::string(""), WaitText(app.Box(1), ""));
  CheckOutputs(app, "0", "4.8");

  Step("weights at the initial prices");
  for (const WeightRow& row : kWeightRows) {
    Log("   weight %s", Show(Cp936(row.weight)).c_str());
    Enter(app, 1, row.weight);
    CheckOutputs(app, row.label6, row.box4);
  }

  Step("other prices");
  for (const PriceRow& row : kPriceRows) {
    Log("   %s, %s, %s", Show(Cp936(row.weight)).c_str(), Show(Cp936(row.furtherPrice)).c_str(),
        Show(Cp936(row.firstPrice)).c_str());
    Enter(app, 2, row.furtherPrice);
    Enter(app, 3, row.firstPrice);
    Enter(app, 1, row.weight);
    CHECK_EQ(std::string(row.box4), ReadText(app.Box(4)));
  }

  Step("typing into 编辑框4 changes nothing else");
  Enter(app, 2, L"1.2");
  Enter(app, 3, L"6");
  Enter(app, 1, L"5");
  CheckOutputs(app, "2.5", "8.4");
  CHECK(app.FocusBox(4));
  PressKey(VK_END);
  TypeText(L"99");
  CHECK_EQ(std::string("8.499"), WaitText(app.Box(4), "8.499"));
  CHECK_EQ(std::string("2.5"), ReadText(app.Control(kLabel6Id)));
  CHECK_EQ(std::string("5"), ReadText(app.Box(1)));
  CHECK_EQ(std::string("1.2"), ReadText(app.Box(2)));
  CHECK_EQ(std::string("6"), ReadText(app.Box(3)));

  Step("40,000 pasted digits: 1.#INF and 6, and the window answers");
  std::wstring digits(40000, L'9');
  CHECK(app.FocusBox(1));
  CHECK(app.ClearFocused());
  CHECK(PutOnClipboard(digits));
  Paste();
  long length = 0;
  WaitFor(60000, [&] { return (length = TextLength(app.Box(1))) == 40000; });
  CHECK_EQ(40000l, length);
  CHECK(Answers(app.main));
  CheckOutputs(app, "1.#INF", "6");

  DWORD code = 1;
  CHECK(app.Close(code));
  CHECK_EQ(0ul, code);
}

}  // namespace e2e
