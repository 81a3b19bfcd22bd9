#include "gravity_app.h"

#include "gravity_dlg.h"
#include "platform_ids.h"

CGravityApp theApp;

const MessageMapEntry CGravityApp::messageEntries[] = {
    OnCommand<&CWinApp::OnHelp>(ID_HELP),
};
const MessageMap CGravityApp::messageMap = {&CWinApp::messageMap, messageEntries,
                                            std::size(messageEntries)};

const MessageMap* CGravityApp::GetMessageMap() const { return &messageMap; }

BOOL CGravityApp::InitInstance() {
  Enable3dControlsStatic();
  {
    CGravityDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
  }
  // The main window object is gone: nothing may reach it any more.
  m_pMainWnd = nullptr;
  return FALSE;  // the program ends; there is no message loop to run
}

void CGravityApp::WinHelp(DWORD_PTR dwData, UINT) {
  // Whichever window asked, the help file opens at its contents.
  CWinApp::WinHelp(dwData, HELP_CONTENTS);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
