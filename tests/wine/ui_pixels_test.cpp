#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "jobs/row_state.h"
#include "res/resource.h"
#include "tests/wine/ui_dialog_fixture.h"

namespace qm_test {
namespace {

// A control's client area as it paints itself (WM_PRINTCLIENT), read back
// from a 32-bit memory bitmap; independent of what else is on the screen.
class Snapshot {
 public:
  explicit Snapshot(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    ::GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF At(int x, int y) const {
    const DWORD bgra = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
  // Pixels of rect whose colour is exactly `colour`.
  int Count(const RECT& rect, COLORREF colour) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += At(x, y) == colour;
    return count;
  }
  int CountDarkerThan(const RECT& rect, int level) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        const COLORREF c = At(x, y);
        count += GetRValue(c) < level && GetGValue(c) < level && GetBValue(c) < level;
      }
    }
    return count;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};

using PixelTest = MainDialogTest;

// A point inside a row's remaining-time cell, clear of the grid lines and
// of the centred text.
POINT CellBackgroundPoint(HWND list, int row) {
  RECT cell = {};
  cell.top = 3;  // column 3
  cell.left = LVIR_BOUNDS;
  ::SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return {cell.left + 3, (cell.top + cell.bottom) / 2};
}

TEST_F(PixelTest, RowsAreColouredByCurrentRowThenArmedThenParity) {
  HWND list = Item(IDC_JOB_LIST);
  const int armed = RowOf("jobB");
  ASSERT_GE(armed, 0);
  auto expected_for = [&](int row, int current) -> COLORREF {
    if (row == current) return RGB(100, 200, 255);
    if (row == armed) return RGB(255, 200, 200);
    return row % 2 == 0 ? RGB(232, 243, 253) : RGB(255, 255, 255);
  };
  for (int current : {-1, armed, (armed + 1) % 3}) {
    g_nCurRow = current;
    const Snapshot shot(list);
    for (int row = 0; row < 3; ++row) {
      const POINT p = CellBackgroundPoint(list, row);
      EXPECT_EQ(shot.At(p.x, p.y), expected_for(row, current)) << "row " << row << " current " << current;
    }
    // Text is black whatever the background: the armed row's state cell has dark pixels.
    RECT state = {};
    state.top = 4;
    state.left = LVIR_BOUNDS;
    ::SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(armed), reinterpret_cast<LPARAM>(&state));
    EXPECT_GT(shot.Count(state, RGB(0, 0, 0)), 0) << "current " << current;
  }
}

TEST_F(PixelTest, CommandButtonsPaintBackgroundCaptionAndRaisedEdge) {
  struct {
    int id;
    COLORREF back;
    COLORREF text;
  } cases[] = {
      {IDC_ADD_BUTTON, RGB(255, 255, 240), RGB(0, 0, 0)},
      {IDC_TRAY_BUTTON, RGB(0, 80, 80), RGB(255, 255, 255)},
      {IDC_EXIT_BUTTON, RGB(0, 0, 0), RGB(255, 255, 255)},
  };
  for (const auto& c : cases) {
    const Snapshot shot(Item(c.id));
    const int w = shot.width(), h = shot.height();
    ASSERT_GT(w, 10);
    EXPECT_EQ(shot.At(3, 3), c.back) << c.id;
    EXPECT_EQ(shot.At(w - 3, h / 2), c.back) << c.id;
    // The raised edge: light outer top-left, darkest shadow outer bottom-right.
    EXPECT_EQ(shot.At(0, 0), ::GetSysColor(COLOR_3DLIGHT)) << c.id;
    EXPECT_EQ(shot.At(w - 1, h - 1), ::GetSysColor(COLOR_3DDKSHADOW)) << c.id;
    const RECT inside = {4, 4, w - 4, h - 4};
    EXPECT_GT(shot.Count(inside, c.text), 0) << "caption of " << c.id;
  }
}

TEST_F(PixelTest, DisabledButtonCoversItsCaptionInTheDisabledColour) {
  HWND add = Item(IDC_ADD_BUTTON);
  const Snapshot enabled(add);
  const RECT area = {4, 4, enabled.width() - 4, enabled.height() - 4};
  ASSERT_GT(enabled.CountDarkerThan(area, 96), 0);
  ::EnableWindow(add, FALSE);
  const Snapshot disabled(add);
  // The white caption is drawn exactly over the black one.
  EXPECT_EQ(disabled.CountDarkerThan(area, 96), 0);
  EXPECT_GT(disabled.Count(area, RGB(255, 255, 255)), 0);
  ::EnableWindow(add, TRUE);
}

TEST_F(PixelTest, FocusedButtonShowsTheFocusRectangleInsideItsEdge) {
  HWND exit = Item(IDC_EXIT_BUTTON);
  const Snapshot unfocused(exit);
  ::SetFocus(exit);
  PumpMessages();
  const Snapshot focused(exit);
  // The focus rectangle's dotted line runs 4 pixels inside the edge.
  const RECT line = {4, 4, focused.width() - 4, 5};
  EXPECT_EQ(unfocused.Count(line, RGB(0, 0, 0)), line.right - line.left);
  EXPECT_GT(focused.Count(line, RGB(0, 0, 0)), 0);
  EXPECT_LT(focused.Count(line, RGB(0, 0, 0)), line.right - line.left);
  ::SetFocus(Item(IDC_JOB_LIST));
}

}  // namespace
}  // namespace qm_test
