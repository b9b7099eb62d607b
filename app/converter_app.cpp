#include "app/converter_app.h"

#include "app/converter_dlg.h"

CConverterApp::CConverterApp() = default;

const MessageMap* CConverterApp::ThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      OnCommandEntry<&CWinApp::OnHelp>(ID_HELP),
  };
  static const MessageMap map{CWinApp::ThisMessageMap(), entries};
  return &map;
}

bool CConverterApp::InitInstance() {
  Enable3dControlsStatic();
  {
    CConverterDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;  // the window is gone; nothing may reach it any more
  }
  // The main window was the program; nothing is saved, and the framework ends it.
  return false;
}
