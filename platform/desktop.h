// The one interface to whatever shows things to a person and waits for one: the real
// desktop on a screen, or the scripted desktop that a test plays. The framework classes
// call it; application code never does. Texts cross it in the program's character set.
#pragma once

#include "cstring.h"
#include "resources.h"

#include <optional>
#include <span>

using HWND = int;  // a window of the desktop; 0 is none

// What a window of the desktop tells the object behind it.
class DesktopWindowClient {
 public:
  // The window and its controls exist; returns what OnInitDialog returns.
  virtual bool OnDesktopCreate(HWND window) = 0;
  // A command: a button's id, IDOK for Enter, IDCANCEL for Escape or the close box, ID_HELP
  // for F1.
  virtual void OnDesktopCommand(unsigned id) = 0;
  // An entry of the window's system menu.
  virtual void OnDesktopSysCommand(unsigned id, long lParam) = 0;
  // The window must be painted.
  virtual void OnDesktopPaint() = 0;

 protected:
  ~DesktopWindowClient() = default;
};

struct FileFilter {
  CString description;
  CString pattern;
};

struct ClientRect {
  int width, height;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Makes the dialog of the template, owned by owner (disabled while the dialog is open),
  // calls client.OnDesktopCreate, and runs until EndModal for it. Returns the result given
  // to EndModal, or -1 when the window cannot be made.
  virtual int RunModal(DesktopWindowClient& client, const DialogTemplate& dialog, HWND owner) = 0;
  virtual void EndModal(HWND window, int result) = 0;

  virtual CString GetText(HWND window, int controlId) = 0;
  virtual void SetText(HWND window, int controlId, const CString& text) = 0;
  virtual void SetCaption(HWND window, const CString& caption) = 0;
  // Puts the focus into the control and selects all its text.
  virtual void FocusAndSelect(HWND window, int controlId) = 0;

  virtual bool HasSystemMenu(HWND window) = 0;
  virtual void AppendSystemMenu(HWND window, unsigned flags, unsigned id, const CString& text) = 0;
  virtual void SetBigIcon(HWND window, HICON icon) = 0;
  virtual bool IsIconic(HWND window) = 0;
  virtual ClientRect GetClientRect(HWND window) = 0;
  virtual int IconSize() = 0;  // the width and height of a big icon
  virtual void EraseIconBackground(HWND window) = 0;
  virtual void DrawIcon(HWND window, int x, int y, HICON icon) = 0;

  // A modal message box with one OK button; returns when it has been dismissed.
  virtual void MessageBox(HWND owner, const CString& text, const CString& caption, unsigned type) = 0;
  // The Open dialog: the chosen or typed path, or nothing when the person cancelled.
  virtual std::optional<CString> ChooseFileToOpen(HWND owner, std::span<const FileFilter> filters) = 0;
  // Help on the window from the help file.
  virtual void ShowHelp(HWND owner, const CString& helpFile) = 0;
};

// The desktop that the framework uses; set once at start.
void AfxSetDesktop(Desktop* desktop);
Desktop& AfxGetDesktop();
