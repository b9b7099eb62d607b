#include "platform/fltk/controls.h"

#include "platform/charset.h"
#include "platform/constants.h"
#include "platform/fltk/text_layout.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include <climits>
#include <cmath>
#include <string>

namespace fltk_desktop {

namespace {

constexpr std::uint32_t kStaticTypeMask = 0x1F;

// The blank the toolkit keeps between an edit box's frame and its text, on each side.
constexpr int kEditMargin = 1;

// The current font's width of a piece of text in the program's character set.
int MeasureAnsi(std::string_view ansi) {
  const std::string utf8 = AnsiToUtf8(ansi);
  return static_cast<int>(std::ceil(fl_width(utf8.c_str(), static_cast<int>(utf8.size()))));
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// StaticText

StaticText::StaticText(int x, int y, int w, int h, std::uint32_t style, const DialogFont& font)
    : Fl_Widget(x, y, w, h), style_(style), font_(font) {
  box(FL_NO_BOX);
  clear_visible_focus();
}

void StaticText::SetText(const CString& text) {
  text_ = text;
  // The text draws on its parent's background, which must be drawn again beneath it.
  if (Fl_Window* w = window()) w->damage(FL_DAMAGE_ALL, x(), y(), this->w(), h());
}

char StaticText::AccessKey() const { return fltk_desktop::AccessKey(text_.View(), (style_ & SS_NOPREFIX) != 0); }

void StaticText::draw() {
  const bool sunken = (style_ & SS_SUNKEN) != 0;
  if (sunken) fl_draw_box(FL_THIN_DOWN_FRAME, x(), y(), w(), h(), color());
  const int inset = sunken ? Fl::box_dx(FL_THIN_DOWN_FRAME) : 0;
  const int left = x() + inset, top = y() + inset, width = w() - 2 * inset, height = h() - 2 * inset;

  if ((style_ & kStaticTypeMask) == SS_ICON) {
    if (icon_) const_cast<Fl_RGB_Image*>(icon_)->draw(left, top);
    return;
  }

  fl_push_clip(left, top, width, height);
  fl_font(font_.face, font_.size);
  fl_color(active_r() ? FL_FOREGROUND_COLOR : fl_inactive(FL_FOREGROUND_COLOR));
  const Prefixed shown = ResolvePrefix(text_.View(), (style_ & SS_NOPREFIX) != 0);
  const std::string_view text = shown.text;
  const LayoutOptions options{width, font_.TabStep(), true, (style_ & kStaticTypeMask) == SS_CENTER};
  const int lineHeight = fl_height();
  const int baseline = lineHeight - fl_descent();
  for (const Run& run : LayoutText(text, options, MeasureAnsi)) {
    const std::string utf8 = AnsiToUtf8(text.substr(run.begin, run.end - run.begin));
    const int runX = left + run.x;
    const int runY = top + run.line * lineHeight + baseline;
    fl_draw(utf8.c_str(), static_cast<int>(utf8.size()), runX, runY);
    if (shown.access >= run.begin && shown.access < run.end) {
      const int ux = runX + MeasureAnsi(text.substr(run.begin, shown.access - run.begin));
      const int uw = MeasureAnsi(text.substr(shown.access, 1));
      fl_xyline(ux, runY + 1, ux + uw - 1);
    }
  }
  fl_pop_clip();
}

// ---------------------------------------------------------------------------------------
// PushButton

PushButton::PushButton(int x, int y, int w, int h, bool isDefault, const DialogFont& font)
    : Fl_Button(x, y, w, h), default_(isDefault) {
  labelfont(font.face);
  labelsize(font.size);
  align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
}

void PushButton::SetText(const CString& text) {
  text_ = text;
  copy_label(AnsiToUtf8(text.View()).c_str());
}

char PushButton::AccessKey() const { return fltk_desktop::AccessKey(text_.View(), false); }

int PushButton::handle(int event) {
  switch (event) {
    case FL_SHORTCUT: return 0;  // the dialog presses buttons by their access keys
    case FL_PUSH:
    case FL_DRAG:
    case FL_RELEASE:
      if (Fl::event_button() != FL_LEFT_MOUSE) return 0;
      break;
    case FL_FOCUS:
    case FL_UNFOCUS:
      // The default frame follows the focus among the push buttons.
      if (Fl_Window* w = window()) w->redraw();
      break;
    default: break;
  }
  return Fl_Button::handle(event);
}

bool PushButton::ShowsDefault() const {
  const auto* focused = dynamic_cast<const PushButton*>(Fl::focus());
  return focused && focused->window() == window() ? focused == this : default_;
}

void PushButton::draw() {
  Fl_Button::draw();
  if (ShowsDefault()) {
    fl_color(FL_FOREGROUND_COLOR);
    fl_rect(x(), y(), w(), h());
  }
}

// ---------------------------------------------------------------------------------------
// EditBox

EditBox::EditBox(int x, int y, int w, int h, std::uint32_t style, const DialogFont& font)
    : Fl_Input(x, y, w, h), style_(style) {
  if (IsMultiline()) {
    type(FL_MULTILINE_INPUT);
    maximum_size(INT_MAX);
  }
  box(FL_DOWN_BOX);
  textfont(font.face);
  textsize(font.size);
  when(FL_WHEN_NEVER);
}

bool EditBox::IsMultiline() const { return (style_ & ES_MULTILINE) != 0; }

void EditBox::SetText(const CString& text) {
  const std::string utf8 = AnsiToUtf8(text.View());
  value((IsMultiline() ? Replace(utf8, "\r\n", "\n") : utf8).c_str());
}

CString EditBox::Text() const {
  const CString ansi = Utf8ToAnsi(value());
  return IsMultiline() ? CString(Replace(ansi.Str(), "\n", "\r\n")) : ansi;
}

bool EditBox::Refuses(const char* typed) const {
  const std::string_view text = typed;
  if (style_ & ES_NUMBER) {
    for (const char c : text) {
      if (c < '0' || c > '9') return true;
    }
  }
  if (IsMultiline() || (style_ & ES_AUTOHSCROLL)) return false;
  std::string result = value();
  const auto from = static_cast<std::size_t>(std::min(position(), mark()));
  const auto to = static_cast<std::size_t>(std::max(position(), mark()));
  result.replace(from, to - from, text);
  fl_font(textfont(), textsize());
  return fl_width(result.c_str(), static_cast<int>(result.size())) > w() - Fl::box_dw(box()) - 2 * kEditMargin;
}

int EditBox::handle(int event) {
  if (event != FL_KEYBOARD) return Fl_Input::handle(event);
  const int key = Fl::event_key();
  const bool ctrl = Fl::event_state(FL_CTRL) != 0;
  if (key == FL_Tab && !ctrl) return 0;  // Tab moves the focus; Ctrl+Tab types a tab
  if (key == FL_Enter || key == FL_KP_Enter) {
    if (!IsMultiline() || !((style_ & ES_WANTRETURN) || ctrl)) return 0;  // the default button's
    return replace(position(), mark(), "\n", 1);
  }
  const char* typed = Fl::event_text();
  const bool typesText = Fl::event_length() > 0 && static_cast<unsigned char>(typed[0]) >= 0x20 && typed[0] != 0x7F &&
                         !Fl::event_state(FL_CTRL | FL_ALT | FL_META);
  if (typesText && Refuses(typed)) {
    fl_beep(FL_BEEP_ERROR);
    return 1;
  }
  return Fl_Input::handle(event);
}

}  // namespace fltk_desktop
