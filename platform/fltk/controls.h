// The controls of a dialog as toolkit widgets: static texts and icons, push buttons and edit
// boxes. Each holds its text in the program's character set and converts at its edge.
#pragma once

#include "platform/cstring.h"
#include "platform/fltk/dialog_font.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Widget.H>

#include <cstdint>

namespace fltk_desktop {

// A static text: CR breaks a line, tabs set columns, SS_LEFT and SS_CENTER wrap words, "&"
// underlines the access key unless SS_NOPREFIX, SS_SUNKEN draws a sunken frame. With SS_ICON
// it shows an icon instead.
class StaticText : public Fl_Widget {
 public:
  StaticText(int x, int y, int w, int h, std::uint32_t style, const DialogFont& font);

  void SetText(const CString& text);
  const CString& Text() const { return text_; }
  void SetIcon(const Fl_RGB_Image* icon) { icon_ = icon; }
  char AccessKey() const;

 protected:
  void draw() override;

 private:
  std::uint32_t style_;
  const DialogFont& font_;
  CString text_;
  const Fl_RGB_Image* icon_ = nullptr;
};

// A push button; the default one (BS_DEFPUSHBUTTON, or the focused push button while it has
// the focus) has a dark frame. Its access key and Enter are the dialog's to handle.
class PushButton : public Fl_Button {
 public:
  PushButton(int x, int y, int w, int h, bool isDefault, const DialogFont& font);

  void SetText(const CString& text);
  const CString& Text() const { return text_; }
  char AccessKey() const;
  bool IsTemplateDefault() const { return default_; }
  int handle(int event) override;

 protected:
  void draw() override;

 private:
  bool ShowsDefault() const;

  bool default_;
  CString text_;
};

// An edit box. ES_MULTILINE: Enter breaks the line when ES_WANTRETURN (else it presses the
// default button), lines scroll sideways, the program sees line breaks as CR LF. ES_NUMBER:
// typed characters other than digits are refused. A single-line box without ES_AUTOHSCROLL
// takes no more typed characters than its width shows.
class EditBox : public Fl_Input {
 public:
  EditBox(int x, int y, int w, int h, std::uint32_t style, const DialogFont& font);

  void SetText(const CString& text);
  CString Text() const;
  void SelectAll() { position(size(), 0); }
  bool IsMultiline() const;
  int handle(int event) override;

 private:
  bool Refuses(const char* typed) const;

  std::uint32_t style_;
};

}  // namespace fltk_desktop
