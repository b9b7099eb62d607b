#include "convert/image_info_dlg.h"

#include "convert/texts.h"
#include "res/resources.h"

#include <algorithm>

CImageInfoDlg::CImageInfoDlg(CWnd* pParent)
    : CDialog(res::IDD_IMAGE_INFO, pParent), m_x(40), m_y(40), m_info(kNoInfo), m_caption(kPropertiesOf) {}

CImageInfoDlg::~CImageInfoDlg() = default;

const MessageMap* CImageInfoDlg::ThisMessageMap() {
  static const MessageMap map{CDialog::ThisMessageMap(), {}};
  return &map;
}

void CImageInfoDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, res::IDC_X, m_x);
  DDX_Text(pDX, res::IDC_Y, m_y);
  DDX_Text(pDX, res::IDC_INFO, m_info);
}

bool CImageInfoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_caption);
  return true;
}

void CImageInfoDlg::OnOK() {
  if (!UpdateData(true)) return;  // the exchange has told the person and kept the dialog open
  // The database holds what the handheld can use: an origin inside its clock area and a
  // short text.
  m_x = std::clamp(m_x, 0, kMaxCoordinate);
  m_y = std::clamp(m_y, 0, kMaxCoordinate);
  if (m_info.GetLength() > kMaxInfoBytes) m_info = m_info.Left(kMaxInfoBytes);
  EndDialog(IDOK);
}
