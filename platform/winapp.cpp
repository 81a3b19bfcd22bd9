#include "winapp.h"

#include "cstring.h"
#include "platform_ids.h"
#include "wnd.h"

namespace {

constexpr UINT kAppTitleStringId = 0xE000;  // an application title in the resources, if any

CWinApp* s_currentApp = nullptr;

BOOL CALLBACK SendToChild(HWND child, LPARAM message) {
  ::SendMessageA(child, static_cast<UINT>(message), 0, 0);
  return TRUE;
}

// Sends a message to a window and to every window below it.
void SendToDescendants(HWND hWnd, UINT message) {
  ::SendMessageA(hWnd, message, 0, 0);
  ::EnumChildWindows(hWnd, &SendToChild, static_cast<LPARAM>(message));
}

HWND TopLevelOf(HWND hWnd) {
  HWND root = ::GetAncestor(hWnd, GA_ROOT);
  return root != nullptr ? root : hWnd;
}

}  // namespace

CWinApp::CWinApp() { s_currentApp = this; }

CWinApp::~CWinApp() {
  if (s_currentApp == this) s_currentApp = nullptr;
}

CWinApp* AfxGetApp() { return s_currentApp; }

HINSTANCE AfxGetInstanceHandle() {
  if (s_currentApp != nullptr && s_currentApp->m_hInstance != nullptr)
    return s_currentApp->m_hInstance;
  return ::GetModuleHandleA(nullptr);
}

const MessageMap CWinApp::messageMap = {&CCmdTarget::messageMap, nullptr, 0};

const MessageMap* CWinApp::GetMessageMap() const { return &messageMap; }

void CWinApp::SetNamesFromModulePath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
  path[MAX_PATH - 1] = '\0';  // a path that fills the buffer may come back unterminated

  // Step through the path character by character (a double-byte character
  // is one step) to find where the file name starts and its last dot. Only
  // a dot within the file name counts, so a dot in a folder's name never
  // cuts the path.
  const char* nameStart = path;
  const char* dot = nullptr;
  const char* end = path;
  for (; *end != '\0'; end = ::CharNextA(end)) {
    if (*end == '\\' || *end == '/' || *end == ':') {
      nameStart = end + 1;
      dot = nullptr;
    } else if (*end == '.') {
      dot = end;
    }
  }
  const char* baseEnd = dot != nullptr ? dot : end;
  std::string basePath(static_cast<const char*>(path), baseEnd);

  char title[256] = {};
  if (::LoadStringA(m_hInstance, kAppTitleStringId, title, sizeof title) > 0)
    m_appName = title;
  else
    m_appName.assign(nameStart, baseEnd);
  m_helpFilePath = basePath + ".HLP";
  m_pszAppName = m_appName.c_str();
  m_pszHelpFilePath = m_helpFilePath.c_str();
}

BOOL CWinApp::Enable3dControlsStatic() {
  return LOBYTE(LOWORD(::GetVersion())) >= 4;
}

void CWinApp::OnHelp() {
  if (m_dwPromptContext != 0) {
    // Help on the message box that is up; none while the box that says help
    // could not be started is up, which would only show itself again.
    if (m_dwPromptContext != HID_BASE_PROMPT + AFX_IDP_FAILED_TO_LAUNCH_HELP)
      WinHelp(m_dwPromptContext, HELP_CONTEXT);
    return;
  }
  // Otherwise the dialog in front names its context.
  CWnd* front = nullptr;
  if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
    front = CWnd::FromHandlePermanent(::GetLastActivePopup(m_pMainWnd->m_hWnd));
  if (front == nullptr) front = m_pMainWnd;
  WinHelp(front != nullptr ? front->GetHelpContext() : 0, HELP_CONTEXT);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  if (m_pMainWnd == nullptr || m_pMainWnd->m_hWnd == nullptr) return;
  HWND main = m_pMainWnd->m_hWnd;

  HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
  // End any mouse tracking or menu mode before the help engine takes over.
  SendToDescendants(main, WM_CANCELMODE);
  SendToDescendants(TopLevelOf(main), WM_CANCELMODE);
  if (HWND capture = ::GetCapture()) ::SendMessageA(capture, WM_CANCELMODE, 0, 0);

  BOOL started = ::WinHelpA(TopLevelOf(main), m_pszHelpFilePath, nCmd, dwData);
  ::SetCursor(previous);
  if (!started) AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CWinApp* app = AfxGetApp();
  CString text;
  text.LoadString(nIDPrompt);

  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL:
      case MB_YESNO:
      case MB_YESNOCANCEL:
        nType |= MB_ICONEXCLAMATION;
        break;
      default:
        break;
    }
  }
  HWND owner = nullptr;
  if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr)
    owner = ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);

  DWORD context = nIDHelp == static_cast<UINT>(-1) ? HID_BASE_PROMPT + nIDPrompt : nIDHelp;
  DWORD outerContext = 0;
  if (app != nullptr) {
    outerContext = app->m_dwPromptContext;
    app->m_dwPromptContext = context;
  }
  int result = ::MessageBoxA(owner, text, app != nullptr ? app->m_pszAppName : nullptr, nType);
  if (app != nullptr) app->m_dwPromptContext = outerContext;
  return result;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  app->m_hInstance = hInstance;
  app->m_lpCmdLine = lpCmdLine;
  app->m_nCmdShow = nCmdShow;
  app->SetNamesFromModulePath();

  if (!app->InitApplication()) return 0;
  // The program's windows all run modally inside InitInstance, which then
  // returns FALSE; there is no message loop of the platform's own to enter.
  app->InitInstance();
  return app->ExitInstance();
}
