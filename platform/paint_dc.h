// CPaintDC: the device context of one WM_PAINT, from BeginPaint to EndPaint.
#pragma once

#include <windows.h>

#include "wnd.h"

class CPaintDC {
 public:
  explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
  ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps{};

 public:
  HDC m_hDC = nullptr;
};
