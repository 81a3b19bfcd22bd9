#include "dialog_exchange.h"

#include <string>

#include "winapp.h"

namespace {
HWND Hwnd(ExchangeWindow::Control control) { return static_cast<HWND>(control); }
}  // namespace

ExchangeWindow::Control DialogExchangeWindow::FindControl(int id) {
  return ::GetDlgItem(m_hDlg, id);
}

std::string DialogExchangeWindow::GetText(Control control, std::size_t maxChars) {
  std::string text(maxChars + 1, '\0');
  int length = ::GetWindowTextA(Hwnd(control), text.data(), static_cast<int>(text.size()));
  text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return text;
}

void DialogExchangeWindow::SetText(Control control, std::string_view text) {
  ::SetWindowTextA(Hwnd(control), std::string(text).c_str());
}

void DialogExchangeWindow::SetFocus(Control control) { ::SetFocus(Hwnd(control)); }

void DialogExchangeWindow::SelectAllText(Control control) {
  ::SendMessageA(Hwnd(control), EM_SETSEL, 0, -1);
}

bool DialogExchangeWindow::IsRadioButton(Control control) {
  return (::SendMessageA(Hwnd(control), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool DialogExchangeWindow::GetCheck(Control control) {
  return ::SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0) != BST_UNCHECKED;
}

void DialogExchangeWindow::SetCheck(Control control, bool checked) {
  ::SendMessageA(Hwnd(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

ExchangeWindow::Control DialogExchangeWindow::NextControl(Control control) {
  return ::GetWindow(Hwnd(control), GW_HWNDNEXT);
}

bool DialogExchangeWindow::HasGroupStyle(Control control) {
  return (::GetWindowLongA(Hwnd(control), GWL_STYLE) & WS_GROUP) != 0;
}

void DialogExchangeWindow::ShowMessage(unsigned stringId) { AfxMessageBox(stringId); }
