// The application object, message boxes, and the framework's report of an exception that
// leaves a message handler.
#pragma once

#include "constants.h"
#include "cstring.h"
#include "desktop.h"
#include "wnd.h"

class CWinApp : public CCmdTarget {
 public:
  // With no name, the application title is the running executable's name without its
  // extension. The one application object registers itself; AfxGetApp returns it.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  virtual bool InitInstance() { return false; }

  // 3-D controls are the system's own; there is nothing to switch on.
  bool Enable3dControlsStatic() { return true; }
  HICON LoadIcon(int id) const { return AfxFindIcon(id); }
  // Help on the current window from the help file named after the executable.
  void OnHelp();

  CWnd* m_pMainWnd = nullptr;
  CString m_pszAppName;  // the application title
  CString m_pszHelpFilePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The title that an executable at this path gives: its file name without the extension.
CString AfxTitleFromExecutable(const CString& path);
// The path of the running executable.
CString AfxExecutablePath();

// Starts the framework: the desktop and the resources, then InitInstance of the one
// application object. Returns the process's exit code.
int AfxWinMain(Desktop& desktop, const ResourceTable& resources);

// A message box with one OK button, the application title as caption, owned by the main
// window; a type that names no icon shows the exclamation mark.
int AfxMessageBox(const char* text, unsigned type = MB_OK, unsigned helpContext = 0);

// The framework's report of an exception that left a message handler: one message box.
// Must be called from inside a catch block.
void AfxReportCurrentException();

// The framework's texts, in the program's character set.
inline constexpr const char kParseIntText[] = "Geben Sie bitte eine ganze Zahl ein.";
inline constexpr const char kOutOfMemoryText[] = "Nicht gen\xFCgend Speicher.";
