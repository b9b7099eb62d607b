// The scripted desktop: a person at the screen, played by a test.
//
// A test queues what the person does in each window, in the order the windows open: in the
// Open dialog, choose a path or cancel; in a dialog, a list of actions (type into a control,
// press a button, send a system command, look at the window), or make the dialog fail to be
// created. Message boxes need no step: the person reads each one and presses its one OK
// button, while a test's hook may look around. Afterwards the test reads back everything that
// was shown, in order, and the problems of the script itself (a window that came unexpected,
// a dialog left open, a step never used).
#pragma once

#include "platform/desktop.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace scripted {

struct MenuEntry {
  unsigned flags;
  unsigned id;
  CString text;
};

// A dialog as the person sees it.
struct Window {
  const DialogTemplate* dialog = nullptr;
  HWND owner = 0;
  CString caption;
  std::map<int, CString> texts;  // control id → text
  int focus = 0;                 // control id with the focus; 0 when none was set
  bool selected = false;         // all the focused control's text is selected
  int disabled = 0;              // modal windows over this one
  bool open = true;
  int result = 0;
  bool iconic = false;
  HICON bigIcon = nullptr;
  std::vector<MenuEntry> systemMenu;

  const CString& Text(int id) const;
  bool Enabled() const { return disabled == 0; }
};

struct Action {
  enum Kind { type, press, sysCommand, check, minimise, paint } kind;
  int id = 0;
  CString text;
  std::function<void(const Window&)> look;
};

inline Action Type(int controlId, CString text) { return {Action::type, controlId, std::move(text), {}}; }
inline Action Press(int id) { return {Action::press, id, {}, {}}; }
inline Action SysCommand(unsigned id) { return {Action::sysCommand, static_cast<int>(id), {}, {}}; }
// Another program minimises the window, or restores it.
inline Action Minimise(bool iconic) { return {Action::minimise, iconic ? 1 : 0, {}, {}}; }
// The window is asked to paint itself.
inline Action Paint() { return {Action::paint, 0, {}, {}}; }
inline Action Look(std::function<void(const Window&)> look) { return {Action::check, 0, {}, std::move(look)}; }

struct Shown {
  enum Kind { dialog, messageBox, openDialog, help } kind;
  int templateId = 0;  // dialog
  CString caption;     // dialog, message box
  CString text;        // message box; the help file for help
  unsigned type = 0;   // message box
  HWND owner = 0;
  HWND window = 0;                  // dialog
  std::vector<FileFilter> filters;  // Open dialog
};

class ScriptedDesktop final : public Desktop {
 public:
  // What the person does in the next window, in the order the windows open.
  ScriptedDesktop& Dialog(int templateId, std::vector<Action> actions);
  ScriptedDesktop& FailDialog(int templateId);
  ScriptedDesktop& ChooseFile(CString path);
  ScriptedDesktop& CancelOpen();

  // Forgets every step, window and problem, for the next row of a table.
  void Reset();

  // Runs while each message box is up.
  std::function<void(const Shown&)> whileMessageBoxUp;

  const std::vector<Shown>& Transcript() const { return shown_; }
  std::vector<const Shown*> MessageBoxes() const;
  const Window& WindowOf(const Shown& dialog) const { return windows_.at(dialog.window); }
  // Script problems; empty when the play went as written and every step was used.
  std::vector<std::string> Problems() const;

  // Desktop
  int RunModal(DesktopWindowClient& client, const DialogTemplate& dialog, HWND owner) override;
  void EndModal(HWND window, int result) override;
  CString GetText(HWND window, int controlId) override;
  void SetText(HWND window, int controlId, const CString& text) override;
  void SetCaption(HWND window, const CString& caption) override;
  void FocusAndSelect(HWND window, int controlId) override;
  bool HasSystemMenu(HWND window) override;
  void AppendSystemMenu(HWND window, unsigned flags, unsigned id, const CString& text) override;
  void SetBigIcon(HWND window, HICON icon) override;
  bool IsIconic(HWND window) override;
  ClientRect GetClientRect(HWND window) override;
  int IconSize() override { return 32; }
  void EraseIconBackground(HWND window) override;
  void DrawIcon(HWND window, int x, int y, HICON icon) override;
  void MessageBox(HWND owner, const CString& text, const CString& caption, unsigned type) override;
  std::optional<CString> ChooseFileToOpen(HWND owner, std::span<const FileFilter> filters) override;
  void ShowHelp(HWND owner, const CString& helpFile) override;

  // What painting drew: erasing the icon background and each icon drawn, in order.
  struct Painted {
    HWND window;
    bool erase;
    int x, y;
    HICON icon;
  };
  std::vector<Painted> painted;

 private:
  struct Step {
    enum Kind { dialog, failDialog, choose, cancel } kind;
    int templateId = 0;
    std::vector<Action> actions;
    CString path;
  };
  Window& At(HWND window);

  std::deque<Step> steps_;
  std::vector<Shown> shown_;
  std::map<HWND, Window> windows_;
  std::vector<std::string> problems_;
  HWND next_ = 1;
};

}  // namespace scripted
