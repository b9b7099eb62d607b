#include "platform/fltk/message_box.h"

#include "platform/charset.h"
#include "platform/constants.h"
#include "platform/fltk/controls.h"
#include "platform/fltk/text_layout.h"
#include "platform/fltk/texts.h"
#include "platform/fltk/x11_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cmath>
#include <string>

namespace fltk_desktop {

namespace {

constexpr int kIconSize = 32;

// Margins and the button, in dialog units.
constexpr int kMarginUnits = 7;
constexpr int kButtonWidthUnits = 50;
constexpr int kButtonHeightUnits = 14;

// The text wraps at this share of the work area's width.
constexpr int kTextWidthPercent = 60;

// The picture for a message box's type: a red stop disc with a white cross, a yellow
// triangle with an exclamation mark, a blue disc with an "i" or a question mark.
class MessageIcon : public Fl_Widget {
 public:
  MessageIcon(int x, int y, unsigned type) : Fl_Widget(x, y, kIconSize, kIconSize), type_(type) {}

 protected:
  void draw() override {
    const int x0 = x(), y0 = y();
    const char* glyph = nullptr;
    switch (type_) {
      case MB_ICONHAND:
        Disc(fl_rgb_color(0xE0, 0x20, 0x20), fl_rgb_color(0x80, 0, 0));
        fl_color(FL_WHITE);
        fl_line_style(FL_SOLID | FL_CAP_ROUND, 4);
        fl_line(x0 + 10, y0 + 10, x0 + 21, y0 + 21);
        fl_line(x0 + 21, y0 + 10, x0 + 10, y0 + 21);
        fl_line_style(0);
        return;
      case MB_ICONEXCLAMATION:
        fl_color(fl_rgb_color(0xFF, 0xD8, 0x00));
        fl_polygon(x0 + 16, y0 + 1, x0 + 31, y0 + 30, x0 + 1, y0 + 30);
        fl_color(FL_BLACK);
        fl_loop(x0 + 16, y0 + 1, x0 + 31, y0 + 30, x0 + 1, y0 + 30);
        Glyph("!", FL_BLACK, 4);
        return;
      case MB_ICONASTERISK: glyph = "i"; break;
      case MB_ICONQUESTION: glyph = "?"; break;
      default: return;
    }
    Disc(fl_rgb_color(0x20, 0x50, 0xD0), fl_rgb_color(0, 0, 0x80));
    Glyph(glyph, FL_WHITE, 0);
  }

 private:
  void Disc(Fl_Color fill, Fl_Color rim) const {
    fl_color(fill);
    fl_pie(x(), y(), kIconSize, kIconSize, 0, 360);
    fl_color(rim);
    fl_arc(x(), y(), kIconSize, kIconSize, 0, 360);
  }
  void Glyph(const char* glyph, Fl_Color colour, int down) const {
    fl_font(FL_HELVETICA_BOLD, 22);
    fl_color(colour);
    fl_draw(glyph, x(), y() + down, kIconSize, kIconSize, FL_ALIGN_CENTER);
  }

  unsigned type_;
};

class MessageBoxWindow : public Fl_Double_Window {
 public:
  MessageBoxWindow(int w, int h, const CString& caption, std::string copyText)
      : Fl_Double_Window(w, h), copyText_(std::move(copyText)) {
    copy_label(AnsiToUtf8(caption.View()).c_str());
    size_range(w, h, w, h);
    callback(Dismiss, this);  // Escape and the close box
  }

  static void Dismiss(Fl_Widget*, void* self) { static_cast<MessageBoxWindow*>(self)->done = true; }

  int handle(int event) override {
    if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
      const int key = Fl::event_key();
      if (key == FL_Enter || key == FL_KP_Enter || (key == FL_F + 4 && Fl::event_state(FL_ALT))) {
        done = true;
        return 1;
      }
      if (key == 'c' && Fl::event_state(FL_CTRL)) {
        Fl::copy(copyText_.c_str(), static_cast<int>(copyText_.size()), 1);
        return 1;
      }
    }
    return Fl_Double_Window::handle(event);
  }

  bool done = false;

 private:
  std::string copyText_;
};

int MeasureAnsi(std::string_view ansi) {
  const std::string utf8 = AnsiToUtf8(ansi);
  return static_cast<int>(std::ceil(fl_width(utf8.c_str(), static_cast<int>(utf8.size()))));
}

}  // namespace

void RunMessageBox(Fl_Window* owner, const CString& text, const CString& caption, unsigned type,
                   const DialogFont& font) {
  const unsigned icon = type & MB_ICONMASK;
  const int margin = font.X(kMarginUnits);
  const int iconRoom = icon ? kIconSize + margin : 0;

  int wx, wy, ww, wh;
  Fl::screen_work_area(wx, wy, ww, wh);
  fl_font(font.face, font.size);
  const int wrapWidth = ww * kTextWidthPercent / 100;
  const std::vector<Run> runs = LayoutText(text.View(), {wrapWidth, font.TabStep(), true, false}, MeasureAnsi);
  int textWidth = 0;
  for (const Run& r : runs)
    textWidth = std::max(textWidth, r.x + MeasureAnsi(text.View().substr(r.begin, r.end - r.begin)));
  const int textHeight = std::max(1, LineCount(runs)) * fl_height();

  const int buttonW = font.X(kButtonWidthUnits), buttonH = font.Y(kButtonHeightUnits);
  const int contentH = std::max(icon ? kIconSize : 0, textHeight);
  const int width = std::max(margin + iconRoom + textWidth + margin, buttonW + 2 * margin);
  const int buttonY = margin + contentH + font.Y(kMarginUnits);
  const int height = buttonY + buttonH + margin;

  const std::string copyText = std::string(kCopyRule) + "\n" + AnsiToUtf8(caption.View()) + "\n" + kCopyRule + "\n" +
                               AnsiToUtf8(text.View()) + "\n" + kCopyRule + "\n" + kOkButton + "\n" + kCopyRule + "\n";
  MessageBoxWindow window(width, height, caption, copyText);
  window.begin();
  // The window owns the widgets made between begin() and end().
  // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
  if (icon) new MessageIcon(margin, margin + (contentH - kIconSize) / 2, icon);
  auto* message = new StaticText(margin + iconRoom, margin + (contentH - textHeight) / 2, textWidth + 1, textHeight,
                                 SS_LEFT | SS_NOPREFIX, font);
  message->SetText(text);
  auto* ok = new PushButton((width - buttonW) / 2, buttonY, buttonW, buttonH, true, font);
  ok->SetText(kOkButton);
  ok->callback(MessageBoxWindow::Dismiss, &window);
  window.end();
  // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

  ShowOwned(window, owner, WS_CAPTION | WS_SYSMENU);
  ok->take_focus();
  RunUntil([&] { return window.done; });
  window.hide();
}

}  // namespace fltk_desktop
