// CDialog: a modal dialog built from a dialog template in the program's
// resources and run by the system's dialog manager, with dialog data
// exchange and the standard OK and Cancel behaviour.
#pragma once

#include <windows.h>

#include "wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs the dialog until it ends; its result, or -1 when the template
  // cannot be loaded or the dialog cannot be created.
  INT_PTR DoModal();

  // Exchanges the dialog's data with its controls (TRUE: read the controls);
  // TRUE when every exchange call completed.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  void EndDialog(int nResult);

  DWORD GetHelpContext() const override;

 protected:
  virtual BOOL OnInitDialog();  // writes the data into the controls
  virtual void OnOK();          // reads them; ends with IDOK only if that worked
  virtual void OnCancel();      // ends with IDCANCEL
  virtual void DoDataExchange(CDataExchange* pDX);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  const MessageMap* GetMessageMap() const override;
  static const MessageMap messageMap;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CenterInOwner();

  static const MessageMapEntry messageEntries[];

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  bool m_bEnding = false;  // EndDialog has been called in this run
};
