// Dialog data exchange: moving a window's data members to and from its
// controls. Written against ExchangeWindow, the few operations on controls
// that the exchange needs, so that the very same code runs on a real dialog
// and on the unit tests' fake window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The operations on a window's controls that the exchange uses.
class ExchangeWindow {
 public:
  using Control = void*;  // opaque handle of one control; nullptr is none

  virtual ~ExchangeWindow() = default;

  virtual Control FindControl(int id) = 0;  // nullptr when there is no such control
  // The control's text, at most maxChars characters of it.
  virtual std::string GetText(Control control, std::size_t maxChars) = 0;
  virtual void SetText(Control control, std::string_view text) = 0;
  virtual void SetFocus(Control control) = 0;
  virtual void SelectAllText(Control control) = 0;  // an edit field's whole text
  virtual bool IsRadioButton(Control control) = 0;
  virtual bool GetCheck(Control control) = 0;
  virtual void SetCheck(Control control, bool checked) = 0;
  // The next control in creation (template) order; nullptr after the last.
  virtual Control NextControl(Control control) = 0;
  virtual bool HasGroupStyle(Control control) = 0;
  // A modal message box with the string of this id, OK and the exclamation
  // icon, captioned with the application name, owned by the main window.
  virtual void ShowMessage(unsigned stringId) = 0;
  // What identifies this window to the notification lock-out (its HWND on a
  // real dialog).
  virtual const void* LockoutKey() const = 0;
};

// The context of one exchange.
class CDataExchange {
 public:
  CDataExchange(ExchangeWindow* pDlgWnd, bool bSaveAndValidate);

  ExchangeWindow::Control PrepareEditCtrl(int nIDC);  // a text field
  ExchangeWindow::Control PrepareCtrl(int nIDC);      // anything else
  // Ends a failed read: focus (and select) the prepared field, then abandon
  // the exchange. Only ever called after the user has been told why.
  [[noreturn]] void Fail();

  bool m_bSaveAndValidate;       // true: fields to members; false: members to fields
  ExchangeWindow* m_pDlgWnd;     // the window whose fields are exchanged
  ExchangeWindow::Control m_hWndLastControl = nullptr;
  bool m_bEditLastControl = false;
};

void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Radio(CDataExchange* pDX, int nIDC, std::int32_t& value);

// Runs one exchange in the given direction with control notifications to the
// window locked out, and restores the lock-out that was in force before.
// True when every exchange call completed.
bool UpdateData(ExchangeWindow& window, bool bSaveAndValidate,
                const std::function<void(CDataExchange*)>& doDataExchange);

// The key of the window whose control notifications are being dropped, or
// nullptr. A window's message dispatch consults this before handing a
// control notification to a handler.
const void* LockedOutWindow();
