// The main window: what Velmora converts, and the buttons Convert Bitmap, About and Exit.
#pragma once

#include "platform/wnd.h"

class CConverterDlg : public CDialog {
 public:
  explicit CConverterDlg(CWnd* pParent = nullptr);
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  // The entry that opens the About box from the system menu.
  static constexpr unsigned IDM_ABOUTBOX = 0x0010;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;

  void OnSysCommand(unsigned nID, long lParam);
  void OnPaint();
  HICON OnQueryDragIcon();
  void OnConvertBitmap();
  void OnAbout();

  HICON m_hIcon;
};
