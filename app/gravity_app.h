// CGravityApp: the application object. It runs the main window modally and
// sends every help request to the help file's contents.
#pragma once

#include <windows.h>

#include "winapp.h"

class CGravityApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

 protected:
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  static const MessageMapEntry messageEntries[];
};
