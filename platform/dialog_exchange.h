// The window operations of the field exchange on a real dialog: the adapter
// that lets the exchange (written against ExchangeWindow) work on an HWND.
#pragma once

#include <windows.h>

#include "exchange.h"

class DialogExchangeWindow : public ExchangeWindow {
 public:
  explicit DialogExchangeWindow(HWND hDlg) : m_hDlg(hDlg) {}

  Control FindControl(int id) override;
  std::string GetText(Control control, std::size_t maxChars) override;
  void SetText(Control control, std::string_view text) override;
  void SetFocus(Control control) override;
  void SelectAllText(Control control) override;
  bool IsRadioButton(Control control) override;
  bool GetCheck(Control control) override;
  void SetCheck(Control control, bool checked) override;
  Control NextControl(Control control) override;
  bool HasGroupStyle(Control control) override;
  void ShowMessage(unsigned stringId) override;
  const void* LockoutKey() const override { return m_hDlg; }

 private:
  HWND m_hDlg;
};
