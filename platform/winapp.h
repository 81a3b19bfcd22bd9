// CWinApp: the application object. The program's one instance is built
// before WinMain; AfxWinMain derives the names from the executable's path and
// runs InitInstance. It also owns the help command and the help engine call.
#pragma once

#include <windows.h>

#include <string>

#include "message_map.h"

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  CWinApp();  // becomes the current application
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitApplication() { return TRUE; }
  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }  // nothing to save

  // Asks the help engine for the help file (dwData: context number).
  virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

  // The help command: help for the message box or the dialog in front.
  void OnHelp();

  // Three-dimensional controls: the system draws them itself from Windows
  // 4.0 on; earlier systems would need a support library that is not here.
  BOOL Enable3dControlsStatic();

  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  const char* m_pszAppName = "";       // caption of every message box
  const char* m_pszHelpFilePath = "";  // the executable's path with ".HLP" for its extension
  CWnd* m_pMainWnd = nullptr;
  DWORD m_dwPromptContext = 0;  // help context of the message box that is up, or 0

 protected:
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
  void SetNamesFromModulePath();

  std::string m_appName;
  std::string m_helpFilePath;
};

// The application object, or nullptr before it is built.
CWinApp* AfxGetApp();
// The module whose resources the program uses: the executable.
HINSTANCE AfxGetInstanceHandle();

// The platform's part of WinMain: start-up, InitInstance, exit.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// A message box with the string nIDPrompt, captioned with the application
// name and owned by the main window's last active pop-up. OK-type boxes
// without an icon get the exclamation icon. nIDHelp (-1: derive from
// nIDPrompt) is the help context while the box is up.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
