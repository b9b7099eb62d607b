// The image information dialog: the info text and the clock origin of one picture.
#pragma once

#include "platform/wnd.h"

class CImageInfoDlg : public CDialog {
 public:
  explicit CImageInfoDlg(CWnd* pParent = nullptr);
  ~CImageInfoDlg() override;

  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  int m_x;            // clock origin x, control 1006
  int m_y;            // clock origin y, control 1007
  CString m_info;     // info text, control 1002
  CString m_caption;  // the window caption; the caller appends the picture's title

  static constexpr int kMaxCoordinate = 99;
  static constexpr int kMaxInfoBytes = 255;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
  void OnOK() override;
};
