#include "cstring.h"

#include "winapp.h"

BOOL CString::LoadString(UINT nID) {
  // LoadStringA cannot say how long a string is; grow the buffer until the
  // text no longer fills it.
  std::string buffer(256, '\0');
  for (;;) {
    int length = ::LoadStringA(AfxGetInstanceHandle(), nID, buffer.data(),
                               static_cast<int>(buffer.size()));
    if (length < static_cast<int>(buffer.size()) - 1) {
      buffer.resize(length > 0 ? length : 0);
      break;
    }
    buffer.assign(buffer.size() * 2, '\0');
  }
  m_text = std::move(buffer);
  return !m_text.empty();
}
