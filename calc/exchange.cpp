#include "exchange.h"

#include <stdexcept>
#include <string>

#include "number_text.h"
#include "platform_ids.h"

namespace {

// A read takes at most this many characters of a field's text.
constexpr std::size_t kMaxReadChars = 31;

// Thrown by Fail to abandon an exchange; only UpdateData catches it.
struct ExchangeAbandoned {};

// The window whose control notifications are dropped (one UI thread, so one
// global is enough).
const void* g_lockedOutWindow = nullptr;

// Locks out one window for the life of an exchange and puts back whichever
// window was locked out before, however the exchange ends.
class NotificationLockout {
 public:
  explicit NotificationLockout(const void* window) : m_previous(g_lockedOutWindow) {
    g_lockedOutWindow = window;
  }
  ~NotificationLockout() { g_lockedOutWindow = m_previous; }
  NotificationLockout(const NotificationLockout&) = delete;
  NotificationLockout& operator=(const NotificationLockout&) = delete;

 private:
  const void* m_previous;
};

ExchangeWindow::Control FindOrThrow(ExchangeWindow& window, int nIDC) {
  ExchangeWindow::Control control = window.FindControl(nIDC);
  if (control == nullptr) {
    throw std::invalid_argument("the window has no control with id " + std::to_string(nIDC));
  }
  return control;
}

}  // namespace

CDataExchange::CDataExchange(ExchangeWindow* pDlgWnd, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

ExchangeWindow::Control CDataExchange::PrepareEditCtrl(int nIDC) {
  m_hWndLastControl = FindOrThrow(*m_pDlgWnd, nIDC);
  m_bEditLastControl = true;
  return m_hWndLastControl;
}

ExchangeWindow::Control CDataExchange::PrepareCtrl(int nIDC) {
  m_hWndLastControl = FindOrThrow(*m_pDlgWnd, nIDC);
  m_bEditLastControl = false;
  return m_hWndLastControl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
    // Put the user where the bad value is, ready to type over it.
    m_pDlgWnd->SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) m_pDlgWnd->SelectAllText(m_hWndLastControl);
  }
  throw ExchangeAbandoned{};
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  ExchangeWindow& window = *pDX->m_pDlgWnd;
  ExchangeWindow::Control control = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const std::optional<double> number = ParseNumber(window.GetText(control, kMaxReadChars));
    if (!number) {
      window.ShowMessage(AFX_IDP_PARSE_REAL);
      pDX->Fail();
    }
    value = *number;
    return;
  }
  // Rewriting an unchanged text would move the caret and drop the user's
  // selection, so compare first. Reading one character more than the new text
  // has tells a longer current text from an equal one.
  const std::string text = FormatNumber(value);
  if (window.GetText(control, text.size() + 1) != text) window.SetText(control, text);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, std::int32_t& value) {
  ExchangeWindow& window = *pDX->m_pDlgWnd;
  ExchangeWindow::Control control = pDX->PrepareCtrl(nIDC);
  // The group runs from its first button up to the next control that starts
  // a group; only radio buttons count towards a button's position.
  std::int32_t checked = -1;
  std::int32_t position = 0;
  do {
    if (window.IsRadioButton(control)) {
      if (pDX->m_bSaveAndValidate) {
        if (window.GetCheck(control)) checked = position;
      } else {
        window.SetCheck(control, position == value);
      }
      ++position;
    }
    control = window.NextControl(control);
  } while (control != nullptr && !window.HasGroupStyle(control));
  if (pDX->m_bSaveAndValidate) value = checked;
}

bool UpdateData(ExchangeWindow& window, bool bSaveAndValidate,
                const std::function<void(CDataExchange*)>& doDataExchange) {
  CDataExchange dx(&window, bSaveAndValidate);
  NotificationLockout lockout(window.LockoutKey());
  try {
    doDataExchange(&dx);
    return true;
  } catch (const ExchangeAbandoned&) {
    return false;  // the user has been told already
  } catch (...) {
    // A fault of the program or of the machine (a control that does not
    // exist, memory exhausted): report it and carry on with the window. None
    // of these failures has a message of its own for the user, so the report
    // is always "Internal application error.". If
    // even the report fails, nothing may escape into the window's message
    // dispatch; the result still says that the exchange did not complete.
    try {
      window.ShowMessage(AFX_IDP_INTERNAL_FAILURE);
    } catch (...) {
    }
    return false;
  }
}

const void* LockedOutWindow() { return g_lockedOutWindow; }
