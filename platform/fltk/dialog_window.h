// A dialog's window, built from its template: the controls in template order (which is the
// tab order), the keyboard of a dialog (Enter for the default button, access keys, Tab, F1,
// Escape), and a system menu of its own, since on X11 the window manager owns the real one.
#pragma once

#include "platform/cstring.h"
#include "platform/desktop.h"
#include "platform/fltk/controls.h"
#include "platform/fltk/dialog_font.h"

#include <FL/Fl_Double_Window.H>

#include <string>
#include <vector>

namespace fltk_desktop {

class DialogWindow : public Fl_Double_Window {
 public:
  DialogWindow(const DialogTemplate& dialog, DesktopWindowClient& client, const DialogFont& font);
  ~DialogWindow() override;

  const DialogTemplate& Template() const { return dialog_; }

  CString GetText(int controlId) const;
  void SetText(int controlId, const CString& text);
  void SetCaption(const CString& caption);
  // Focuses the control and selects its text; before the window is shown, when it is.
  void FocusAndSelect(int controlId);
  // The focus for a dialog whose creation asked the framework to choose it.
  void FocusFirstTabStop();
  // Gives the focus chosen before the window was shown; call once it is shown.
  void ApplyPendingFocus();

  bool HasSystemMenu() const;
  void AppendSystemMenu(unsigned flags, unsigned id, const CString& text);

  // Whether draw() is running, so that painting calls may draw now.
  bool Painting() const { return painting_; }

  // The modal state that RunModal and EndModal share.
  bool ended = false;
  int result = 0;
  int disabled = 0;  // modal windows open over this one

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  struct Control {
    const ControlTemplate* control;
    Fl_Widget* widget;
    StaticText* text = nullptr;
    PushButton* button = nullptr;
    EditBox* edit = nullptr;
  };
  struct MenuEntry {
    unsigned flags;
    unsigned id;
    std::string label;  // UTF-8
  };

  const Control* Find(int controlId) const;
  int HandleEvent(int event);
  bool HandleKey();
  bool PressAccessKey(char key);
  void Focus(const Control& control);
  unsigned DefaultCommand() const;
  void Command(unsigned id);
  void ShowSystemMenu(int x, int y);

  static void OnButton(Fl_Widget* widget, void* self);
  static void OnClose(Fl_Widget* widget, void* self);

  const DialogTemplate& dialog_;
  DesktopWindowClient& client_;
  const DialogFont& font_;
  std::vector<Control> controls_;
  std::vector<MenuEntry> systemMenu_;
  Fl_Widget* pendingFocus_ = nullptr;
  bool painting_ = false;
};

}  // namespace fltk_desktop
