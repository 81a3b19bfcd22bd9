#include "gravity_dlg.h"

#include "about_box.h"
#include "cstring.h"
#include "destinations.h"
#include "icon_position.h"
#include "paint_dc.h"
#include "resource.h"
#include "winapp.h"

const MessageMapEntry CGravityDlg::messageEntries[] = {
    OnMessage<&CGravityDlg::OnSysCommand>(WM_SYSCOMMAND),
    OnMessage<&CGravityDlg::OnPaint>(WM_PAINT),
    OnMessage<&CGravityDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnCommand<&CGravityDlg::OnMoreInfo>(IDC_MORE_INFO, BN_CLICKED),
    OnCommand<&CGravityDlg::OnMercury>(IDC_MERCURY, BN_CLICKED),
    OnCommand<&CGravityDlg::OnVenus>(IDC_VENUS, BN_CLICKED),
    OnCommand<&CGravityDlg::OnMoon>(IDC_MOON, BN_CLICKED),
    OnCommand<&CGravityDlg::OnMars>(IDC_MARS, BN_CLICKED),
    OnCommand<&CGravityDlg::OnJupiter>(IDC_JUPITER, BN_CLICKED),
    OnCommand<&CGravityDlg::OnSaturn>(IDC_SATURN, BN_CLICKED),
    OnCommand<&CGravityDlg::OnUranus>(IDC_URANUS, BN_CLICKED),
    OnCommand<&CGravityDlg::OnNeptune>(IDC_NEPTUNE, BN_CLICKED),
    OnCommand<&CGravityDlg::OnPluto>(IDC_PLUTO, BN_CLICKED),
    OnCommand<&CGravityDlg::OnKillfocusEarthWeight>(IDC_EARTH_WEIGHT, EN_KILLFOCUS),
    OnCommand<&CGravityDlg::OnEnterDefault>(IDC_ENTER_DEFAULT, BN_CLICKED),
};
const MessageMap CGravityDlg::messageMap = {&CDialog::messageMap, messageEntries,
                                            std::size(messageEntries)};

const MessageMap* CGravityDlg::GetMessageMap() const { return &messageMap; }

CGravityDlg::CGravityDlg(CWnd* pParent)
    : CDialog(IDD_MAIN, pParent),
      // LoadIcon gives the icon at the system's standard large icon size.
      m_icon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_APP))) {}

void CGravityDlg::DoDataExchange(CDataExchange* pDX) { ExchangeForm(pDX); }

void CGravityDlg::Recalculate() {
  RecalculateWith([this](bool bSaveAndValidate) { return UpdateData(bSaveAndValidate) != FALSE; });
}

BOOL CGravityDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  CMenu sysMenu = GetSystemMenu(FALSE);
  CString aboutItem;
  aboutItem.LoadString(IDS_ABOUT_MENU);
  if (!aboutItem.IsEmpty()) {
    sysMenu.AppendMenu(MF_SEPARATOR);
    sysMenu.AppendMenu(MF_STRING, IDM_ABOUT, aboutItem);
  }

  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
  return TRUE;  // the dialog manager focuses the first tab stop
}

void CGravityDlg::OnSysCommand(UINT nID, LPARAM) {
  // The system keeps the low four bits of a system command for itself.
  if ((nID & 0xFFF0) == IDM_ABOUT) {
    CAboutBox about;
    about.DoModal();
  } else {
    Default();
  }
}

void CGravityDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
  int cxIcon = ::GetSystemMetrics(SM_CXICON);
  int cyIcon = ::GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  int x = CentredIconOffset(rect.right - rect.left, cxIcon);
  int y = CentredIconOffset(rect.bottom - rect.top, cyIcon);
  dc.DrawIcon(x, y, m_icon);
}

HCURSOR CGravityDlg::OnQueryDragIcon() { return m_icon; }

void CGravityDlg::OnMoreInfo() {
  if (LookupDestination(m_destination) == nullptr) return;  // no destination chosen
  // The destination's fact sheet is not built yet.
}

void CGravityDlg::OnMercury() { Recalculate(); }
void CGravityDlg::OnVenus() { Recalculate(); }
void CGravityDlg::OnMoon() { Recalculate(); }
void CGravityDlg::OnMars() { Recalculate(); }
void CGravityDlg::OnJupiter() { Recalculate(); }
void CGravityDlg::OnSaturn() { Recalculate(); }
void CGravityDlg::OnUranus() { Recalculate(); }
void CGravityDlg::OnNeptune() { Recalculate(); }
void CGravityDlg::OnPluto() { Recalculate(); }
void CGravityDlg::OnKillfocusEarthWeight() { Recalculate(); }
void CGravityDlg::OnEnterDefault() { Recalculate(); }
