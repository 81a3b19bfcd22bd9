// CGravityDlg: the main window. It holds the weight form, recalculates it on
// a destination click, on leaving the Earth-weight field and on Enter, adds
// the About entry to its system menu and shows the program icon.
#pragma once

#include <windows.h>

#include "dialog.h"
#include "weight_form.h"

class CGravityDlg : public CDialog, public WeightForm {
 public:
  explicit CGravityDlg(CWnd* pParent = nullptr);

 protected:
  HICON m_icon;

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

  void Recalculate();

  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnMoreInfo();
  void OnMercury();
  void OnVenus();
  void OnMoon();
  void OnMars();
  void OnJupiter();
  void OnSaturn();
  void OnUranus();
  void OnNeptune();
  void OnPluto();
  void OnKillfocusEarthWeight();
  void OnEnterDefault();

 private:
  static const MessageMapEntry messageEntries[];
};
