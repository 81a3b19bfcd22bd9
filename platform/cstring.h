// CString: the small string type of the platform layer, enough to load a
// string resource and hand it to the system.
#pragma once

#include <windows.h>

#include <string>

class CString {
 public:
  // Loads string resource nID of the program; false (and empty) when it has none.
  BOOL LoadString(UINT nID);

  bool IsEmpty() const { return m_text.empty(); }
  operator LPCSTR() const { return m_text.c_str(); }

 private:
  std::string m_text;
};
