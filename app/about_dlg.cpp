#include "app/about_dlg.h"

#include "res/resources.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(res::IDD_ABOUTBOX, pParent) {}

const MessageMap* CAboutDlg::ThisMessageMap() {
  static const MessageMap map{CDialog::ThisMessageMap(), {}};
  return &map;
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
