// The About box: the icon, the version line and the rights line.
#pragma once

#include "platform/wnd.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParent = nullptr);
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};
