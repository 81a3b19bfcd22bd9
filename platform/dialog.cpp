#include "dialog.h"

#include "dialog_exchange.h"
#include "platform_ids.h"
#include "winapp.h"

namespace {

// The message that CDialog::DefWindowProc is handing to the dialog manager:
// the dialog manager first offers it to DialogProc again, which must then
// decline it so that the default processing runs.
struct {
  HWND hWnd;
  UINT message;
} s_passThrough{};

// Messages whose result a dialog procedure returns directly rather than
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

const MessageMapEntry CDialog::messageEntries[] = {
    OnMessage<&CDialog::OnInitDialog>(WM_INITDIALOG),
    OnCommand<&CDialog::OnOK>(IDOK),
    OnCommand<&CDialog::OnCancel>(IDCANCEL),
};
const MessageMap CDialog::messageMap = {&CWnd::messageMap, messageEntries,
                                        std::size(messageEntries)};

const MessageMap* CDialog::GetMessageMap() const { return &messageMap; }

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
  HINSTANCE instance = AfxGetInstanceHandle();
  LPCSTR name = MAKEINTRESOURCEA(m_nIDTemplate);
  if (::FindResourceA(instance, name, RT_DIALOG) == nullptr) return -1;

  // Without a parent the dialog belongs to the application's main window.
  HWND owner = nullptr;
  if (m_pParentWnd != nullptr) {
    owner = m_pParentWnd->m_hWnd;
  } else if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr &&
                                         app->m_pMainWnd != this) {
    owner = app->m_pMainWnd->m_hWnd;
  }
  m_bEnding = false;
  INT_PTR result = ::DialogBoxParamA(instance, name, owner, &CDialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
  Detach();
  return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) reinterpret_cast<CDialog*>(lParam)->Attach(hWnd);
  if (s_passThrough.hWnd == hWnd && s_passThrough.message == message) {
    s_passThrough = {};
    return FALSE;
  }
  CWnd* wnd = FromHandlePermanent(hWnd);
  if (wnd == nullptr) return FALSE;  // messages before WM_INITDIALOG
  CDialog* dialog = static_cast<CDialog*>(wnd);
  // Once the dialog is ending, its controls have nothing more to say to it:
  // hiding the dialog takes the focus from its control, and that must not
  // start an exchange (and perhaps a message box) on a closing window.
  if (dialog->m_bEnding && IsControlNotification(message, lParam)) return TRUE;

  // What the dialog looked like before OnInitDialog, to see whether it
  // placed itself.
  RECT rectBefore{};
  if (message == WM_INITDIALOG) ::GetWindowRect(hWnd, &rectBefore);

  MSG outer = s_currentMessage;
  s_currentMessage = {hWnd, message, wParam, lParam, 0, {}};
  LRESULT result = 0;
  bool handled = false;
  try {
    handled = dialog->OnWndMsg(message, wParam, lParam, &result);
  } catch (...) {
    // Nothing may unwind into the system's dialog manager: tell the user
    // and treat the message as handled.
    AfxMessageBox(AFX_IDP_INTERNAL_FAILURE);
    handled = true;
  }
  s_currentMessage = outer;
  if (message == WM_NCDESTROY) dialog->Detach();

  // A dialog that is neither shown yet, nor centred by its template, nor
  // moved by OnInitDialog, and whose owner is disabled by it (or that has no
  // owner), is centred over its owner.
  if (message == WM_INITDIALOG && ::IsWindow(hWnd)) {
    LONG style = ::GetWindowLongA(hWnd, GWL_STYLE);
    HWND owner = ::GetWindow(hWnd, GW_OWNER);
    RECT rectAfter{};
    ::GetWindowRect(hWnd, &rectAfter);
    if ((style & (WS_VISIBLE | WS_CHILD | DS_CENTER)) == 0 && ::EqualRect(&rectBefore, &rectAfter) &&
        (owner == nullptr || !::IsWindowEnabled(owner)))
      dialog->CenterInOwner();
  }

  if (!handled) return FALSE;
  if (ReturnsResultDirectly(message)) return result;
  ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}

void CDialog::CenterInOwner() {
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(owner != nullptr ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
  const RECT& work = monitor.rcWork;

  // Over the owner's outer rectangle; in the work area when the owner is
  // hidden or minimised, or when there is none.
  RECT area = work;
  if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
    ::GetWindowRect(owner, &area);

  RECT rect;
  ::GetWindowRect(m_hWnd, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  int x = (area.left + area.right) / 2 - width / 2;
  int y = (area.top + area.bottom) / 2 - height / 2;
  // Then as little a move as needed to lie within the work area.
  if (x + width > work.right) x = work.right - width;
  if (x < work.left) x = work.left;
  if (y + height > work.bottom) y = work.bottom - height;
  if (y < work.top) y = work.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  auto outer = s_passThrough;
  s_passThrough = {m_hWnd, message};
  LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
  s_passThrough = outer;
  return result;
}

void CDialog::EndDialog(int nResult) {
  m_bEnding = true;
  ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  DialogExchangeWindow window(m_hWnd);
  return ::UpdateData(window, bSaveAndValidate != FALSE,
                      [this](CDataExchange* pDX) { DoDataExchange(pDX); });
}

BOOL CDialog::OnInitDialog() {
  if (!UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

DWORD CDialog::GetHelpContext() const { return HID_BASE_RESOURCE + m_nIDTemplate; }
