#include "app/converter_dlg.h"

#include "app/about_dlg.h"
#include "convert/convert_bitmap.h"
#include "platform/winapp.h"
#include "res/resources.h"

CConverterDlg::CConverterDlg(CWnd* pParent)
    : CDialog(res::IDD_CONVERTER, pParent), m_hIcon(AfxGetApp()->LoadIcon(res::IDR_MAINFRAME)) {}

const MessageMap* CConverterDlg::ThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      OnSysCommandEntry<&CConverterDlg::OnSysCommand>(),
      OnPaintEntry<&CConverterDlg::OnPaint>(),
      OnQueryDragIconEntry<&CConverterDlg::OnQueryDragIcon>(),
      OnCommandEntry<&CConverterDlg::OnConvertBitmap>(res::IDC_CONVERT_BITMAP),
      OnCommandEntry<&CConverterDlg::OnAbout>(res::IDC_ABOUT),
  };
  static const MessageMap map{CDialog::ThisMessageMap(), entries};
  return &map;
}

void CConverterDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

bool CConverterDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  // "&About Velmora..." at the end of the system menu, below a separator.
  if (CMenu* systemMenu = GetSystemMenu(false)) {
    const CString aboutMenu = AfxLoadString(res::IDS_ABOUTBOX);
    if (!aboutMenu.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
    }
  }
  SetIcon(m_hIcon, true);  // the big icon; the small one is not set
  return true;             // the focus goes to the first tab stop, Convert Bitmap
}

void CConverterDlg::OnSysCommand(unsigned nID, long lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about;
    about.DoModal();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CConverterDlg::OnPaint() {
  if (!IsIconic()) return;  // the dialog paints its controls itself
  // A minimised window draws the application icon in the middle of its client area.
  CPaintDC dc(this);
  dc.EraseIconBackground();
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  const ClientRect rect = GetClientRect();
  const int x = (rect.width - cxIcon + 1) / 2;
  const int y = (rect.height - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HICON CConverterDlg::OnQueryDragIcon() { return m_hIcon; }

void CConverterDlg::OnConvertBitmap() { ConvertBitmap(); }

void CConverterDlg::OnAbout() {
  CAboutDlg about;
  about.DoModal();
}
