// MainWindow as LoadStartupWindow builds it: frame, place, icons, the eleven
// controls with their places, texts, styles and stacking, and the caption.
#include <windows.h>

#include <string>

#include "app/memory.h"
#include "ui/placement.h"
#include "ui/properties.h"
#include "window_fixture.h"

namespace {

struct ControlCase {
  uint32_t id;
  const wchar_t* className;
  int x, y, width, height;
  const char* text;  // code page 936
};

// In stacking order, top first: row 1 (标签7) to row 11 (编辑框1).
const ControlCase kControls[] = {
    {0x16010051, L"PfLabel", 245, 77, 88, 18, "Tavisko"},
    {0x1601004C, L"PfLabel", 105, 78, 64, 16, "0"},
    {0x1601004B, L"PfLabel", 16, 78, 80, 16,
     "\xD6\xD8\xC1\xBF\xA3\xA8\xB9\xAB\xBD\xEF\xA3\xA9\xA3\xBA"},
    {0x16010012, L"PfLabel", 264, 16, 64, 16, "\xD7\xDC\xB6\xEE\xA3\xA8\xD4\xAA\xA3\xA9"},
    {0x16010010, L"PfLabel", 187, 16, 64, 16, "\xCA\xD7\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9"},
    {0x1601000F, L"PfLabel", 107, 16, 64, 16, "\xD0\xF8\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9"},
    {0x1601000E, L"PfLabel", 27, 16, 64, 16, "\xD6\xD8\xC1\xBF\xA3\xA8\xBD\xEF\xA3\xA9"},
    {0x16010008, L"Edit", 256, 40, 70, 30, ""},
    {0x16010004, L"Edit", 176, 40, 70, 30, "6"},
    {0x16010003, L"Edit", 96, 40, 70, 30, "1.2"},
    {0x16010002, L"Edit", 16, 40, 70, 30, ""},
};

TEST_F(MainWindowTest, FrameIsFixedTopmostCentredAndExactlyItsOuterSize) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(IsWindowVisible(window)) << "the test layout keeps the window hidden";
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

  RECT outer;
  GetWindowRect(window, &outer);
  const Placement place =
      CentredPlacement(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 350, 129);
  EXPECT_EQ(outer.left, place.x);
  EXPECT_EQ(outer.top, place.y);
  EXPECT_EQ(outer.right - outer.left, 350);
  EXPECT_EQ(outer.bottom - outer.top, 129);

  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0) << "DEFAULT_ICON, 32x32";
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0) << "DEFAULT_ICON, 16x16";
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(MainWindowTest, CreatedHasSetTheCaptionAndRunNothingForTheInitialTexts) {
  EXPECT_EQ(NativeText(window), "by\xA3\xBAjvq");
  EXPECT_EQ(PropertyText(kWindowEntryId), "by\xA3\xBAjvq");
  EXPECT_EQ(textChangedRuns, 0) << "initial texts raise no TextChanged";
}

TEST_F(MainWindowTest, ElevenControlsStandAtTheirPlacesWithTheirTextsInRowOrder) {
  HWND child = GetWindow(window, GW_CHILD);
  for (const ControlCase& c : kControls) {
    SCOPED_TRACE(testing::Message() << std::hex << c.id);
    HWND control = Control(c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(child, control) << "stacked in row order, row 1 on top";
    child = GetWindow(child, GW_HWNDNEXT);

    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    EXPECT_EQ(lstrcmpiW(className, c.className), 0);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, c.x);
    EXPECT_EQ(rect.top, c.y);
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
    EXPECT_EQ(NativeText(control), c.text);
    EXPECT_TRUE(IsWindowVisible(control) || !IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) << "shown by the load";
  }
  EXPECT_EQ(child, nullptr) << "no other child";
}

TEST_F(MainWindowTest, EditBoxesHaveTheirStylesNoLengthLimitAndTheCaretAtZero) {
  for (uint32_t id : {kEditBox1Id, kEditBox2Id, kEditBox3Id, kEditBox4Id}) {
    SCOPED_TRACE(testing::Message() << std::hex << id);
    HWND box = Control(id);
    const LONG_PTR style = GetWindowLongPtrW(box, GWL_STYLE);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & (WS_BORDER | ES_MULTILINE | ES_NOHIDESEL | ES_READONLY | ES_PASSWORD));
    EXPECT_TRUE(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_GT(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 30000);
    DWORD start = 1, end = 1;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
  }
  for (uint32_t id : {kLabel6Id, kLabel7Id}) {
    const LONG_PTR style = GetWindowLongPtrW(Control(id), GWL_STYLE);
    EXPECT_FALSE(style & (WS_TABSTOP | WS_BORDER));
  }
}

TEST_F(MainWindowTest, TextBandIsOneLineCentredAndTheBandsHitTheBorder) {
  HWND box = Control(kEditBox1Id);
  HDC dc = GetDC(box);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SIZE w{};
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  SelectObject(dc, old);
  ReleaseDC(box, dc);

  RECT window, client;
  GetWindowRect(box, &window);
  GetClientRect(box, &client);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const int edge = GetSystemMetrics(SM_CYEDGE);
  const int innerHeight = 30 - 2 * edge;
  EXPECT_EQ(client.bottom - client.top, w.cy);
  EXPECT_EQ(client.top - window.top, edge + (innerHeight - w.cy) / 2);
  EXPECT_EQ(client.right - client.left, 70 - 2 * GetSystemMetrics(SM_CXEDGE));

  auto hit = [&](int x, int y) { return SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  EXPECT_EQ(hit(window.left + 10, window.top + edge + 1), HTBORDER) << "band above the text";
  EXPECT_EQ(hit(window.left + 10, window.bottom - edge - 1), HTBORDER) << "band below the text";
  EXPECT_EQ(hit(window.left + 10, (client.top + client.bottom) / 2), HTCLIENT);
}

TEST_F(MainWindowTest, LabelCaptionWriteSetsTheNativeTextAndRaisesNothing) {
  const int64_t live = LiveBlockCount();
  WriteProperty(kMainWindowId, kLabel6Id, kTextProperty, kWholeValue, "123456789012");
  EXPECT_EQ(NativeText(Control(kLabel6Id)), "123456789012");
  EXPECT_EQ(PropertyText(kLabel6Id), "123456789012");
  EXPECT_EQ(textChangedRuns, 0);
  EXPECT_EQ(LiveBlockCount(), live);
}

}  // namespace
