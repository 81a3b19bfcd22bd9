// CAboutBox: the About box, opened from the main window's system menu. All
// it shows comes from its dialog template; it has no data and no handlers.
#pragma once

#include "dialog.h"

class CAboutBox : public CDialog {
 public:
  CAboutBox();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;
};
