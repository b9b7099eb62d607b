#include "platform/fltk/dialog_window.h"

#include "platform/charset.h"
#include "platform/constants.h"
#include "platform/fltk/icon_picture.h"
#include "platform/fltk/texts.h"
#include "platform/resources.h"
#include "platform/winapp.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Item.H>

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace fltk_desktop {

namespace {

constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr int kIconSize = 32;

// "#128": the number of the icon that a static icon shows.
HICON IconNamed(const char* text) {
  if (!text || text[0] != '#') return nullptr;
  return AfxFindIcon(std::atoi(text + 1));
}

}  // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialog, DesktopWindowClient& client, const DialogFont& font)
    : Fl_Double_Window(font.X(dialog.rect.cx), font.Y(dialog.rect.cy)), dialog_(dialog), client_(client), font_(font) {
  SetCaption(dialog.caption);
  size_range(w(), h(), w(), h());  // a dialog keeps the size of its template
  callback(OnClose, this);

  begin();
  for (const ControlTemplate& c : dialog.controls) {
    const int x = font.X(c.rect.x), y = font.Y(c.rect.y), cw = font.X(c.rect.cx), ch = font.Y(c.rect.cy);
    Control control{&c, nullptr};
    switch (c.cls) {
      case ControlClass::button:
        control.button = new PushButton(x, y, cw, ch, (c.style & kButtonTypeMask) == BS_DEFPUSHBUTTON, font);
        control.button->SetText(c.text);
        control.button->callback(OnButton, this);
        control.widget = control.button;
        break;
      case ControlClass::edit:
        control.edit = new EditBox(x, y, cw, ch, c.style, font);
        control.edit->SetText(c.text);
        control.widget = control.edit;
        break;
      case ControlClass::staticText:
        control.text = new StaticText(x, y, cw, ch, c.style, font);
        if ((c.style & kStaticTypeMask) == SS_ICON) {
          control.text->SetIcon(IconPicture(IconNamed(c.text), kIconSize));
        } else {
          control.text->SetText(c.text);
        }
        control.widget = control.text;
        break;
    }
    if (!(c.style & WS_TABSTOP)) control.widget->clear_visible_focus();
    control.widget->user_data(this);
    controls_.push_back(control);
  }
  end();
}

DialogWindow::~DialogWindow() = default;

const DialogWindow::Control* DialogWindow::Find(int controlId) const {
  for (const Control& c : controls_) {
    if (c.control->id == controlId) return &c;
  }
  return nullptr;
}

CString DialogWindow::GetText(int controlId) const {
  const Control* c = Find(controlId);
  if (!c) return {};
  if (c->edit) return c->edit->Text();
  if (c->button) return c->button->Text();
  return c->text->Text();
}

void DialogWindow::SetText(int controlId, const CString& text) {
  const Control* c = Find(controlId);
  if (!c) return;
  if (c->edit) {
    c->edit->SetText(text);
  } else if (c->button) {
    c->button->SetText(text);
  } else {
    c->text->SetText(text);
  }
}

void DialogWindow::SetCaption(const CString& caption) { copy_label(AnsiToUtf8(caption.View()).c_str()); }

void DialogWindow::Focus(const Control& control) {
  if (!shown()) {
    // Focusing a widget of a window not yet shown would show it early.
    pendingFocus_ = control.widget;
    return;
  }
  control.widget->take_focus();
  if (control.edit) control.edit->SelectAll();
}

void DialogWindow::FocusAndSelect(int controlId) {
  if (const Control* c = Find(controlId)) Focus(*c);
}

void DialogWindow::FocusFirstTabStop() {
  for (const Control& c : controls_) {
    if ((c.control->style & WS_TABSTOP) && !c.text && c.widget->active()) {
      Focus(c);
      return;
    }
  }
}

void DialogWindow::ApplyPendingFocus() {
  Fl_Widget* widget = pendingFocus_;
  pendingFocus_ = nullptr;
  for (const Control& c : controls_) {
    if (c.widget == widget) Focus(c);
  }
}

bool DialogWindow::HasSystemMenu() const { return (dialog_.style & WS_SYSMENU) != 0; }

void DialogWindow::AppendSystemMenu(unsigned flags, unsigned id, const CString& text) {
  systemMenu_.push_back({flags, id, AnsiToUtf8(text.View())});
}

void DialogWindow::Command(unsigned id) {
  if (disabled == 0) client_.OnDesktopCommand(id);
}

void DialogWindow::OnButton(Fl_Widget* widget, void* self) {
  auto& window = *static_cast<DialogWindow*>(self);
  for (const Control& c : window.controls_) {
    if (c.widget == widget) window.Command(static_cast<unsigned>(c.control->id));
  }
}

// The close box and Escape, which the toolkit turns into the window's callback.
void DialogWindow::OnClose(Fl_Widget*, void* self) { static_cast<DialogWindow*>(self)->Command(IDCANCEL); }

unsigned DialogWindow::DefaultCommand() const {
  // A focused push button is the default while it has the focus.
  for (const Control& c : controls_) {
    if (c.button && c.widget == Fl::focus()) return static_cast<unsigned>(c.control->id);
  }
  for (const Control& c : controls_) {
    if (c.button && c.button->IsTemplateDefault()) return static_cast<unsigned>(c.control->id);
  }
  return IDOK;
}

bool DialogWindow::PressAccessKey(char key) {
  for (std::size_t n = 0; n < controls_.size(); ++n) {
    const Control& c = controls_[n];
    if (c.edit) continue;
    if ((c.button ? c.button->AccessKey() : c.text->AccessKey()) != key) continue;
    if (c.button) {
      Command(static_cast<unsigned>(c.control->id));
      return true;
    }
    // A static text's key goes on to the next control that takes the focus.
    for (std::size_t j = n + 1; j < controls_.size(); ++j) {
      if ((controls_[j].control->style & WS_TABSTOP) && !controls_[j].text) {
        Focus(controls_[j]);
        return true;
      }
    }
    return false;
  }
  return false;
}

bool DialogWindow::HandleKey() {
  const int key = Fl::event_key();
  const bool alt = Fl::event_state(FL_ALT) != 0;
  const bool ctrl = Fl::event_state(FL_CTRL | FL_META) != 0;
  if (key == FL_F + 1 && !alt && !ctrl) {
    Command(ID_HELP);
    return true;
  }
  if (alt && key == FL_F + 4) {
    client_.OnDesktopSysCommand(SC_CLOSE, 0);
    return true;
  }
  if (alt && key == ' ' && HasSystemMenu()) {
    ShowSystemMenu(0, 0);
    return true;
  }
  if ((key == FL_Enter || key == FL_KP_Enter) && !alt) {
    Command(DefaultCommand());
    return true;
  }
  // Access keys: with Alt anywhere, alone where the focus does not take typed characters.
  if (key < 0x80 && std::isalnum(key) && !ctrl && (alt || !dynamic_cast<EditBox*>(Fl::focus()))) {
    return PressAccessKey(static_cast<char>(std::tolower(key)));
  }
  return false;
}

void DialogWindow::ShowSystemMenu(int x, int y) {
  std::vector<Fl_Menu_Item> items;
  const std::string close = AnsiToUtf8(kCloseEntry);
  const auto add = [&](const std::string& label, unsigned id, int shortcut) {
    Fl_Menu_Item item{};
    item.text = label.c_str();
    item.shortcut_ = shortcut;
    // The toolkit carries an entry's datum as a pointer; the command id travels in it.
    item.user_data_ = reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));  // NOLINT(performance-no-int-to-ptr)
    item.labelfont_ = font_.face;
    item.labelsize_ = font_.size;
    items.push_back(item);
  };
  add(close, SC_CLOSE, FL_ALT + FL_F + 4);
  for (const MenuEntry& entry : systemMenu_) {
    if (entry.flags & MF_SEPARATOR) {
      items.back().flags |= FL_MENU_DIVIDER;
    } else {
      add(entry.label, entry.id, 0);
    }
  }
  items.push_back(Fl_Menu_Item{});
  const Fl_Menu_Item* chosen = items.front().popup(x, y);
  if (chosen) {
    client_.OnDesktopSysCommand(static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(chosen->user_data_)), 0);
  }
}

int DialogWindow::handle(int event) {
  // Nothing thrown may leave into the toolkit; what the program's handlers throw the framework
  // has reported already, so what arrives here is the desktop's own, out of memory.
  try {
    return HandleEvent(event);
  } catch (...) {
    AfxReportCurrentException();
    return 1;
  }
}

int DialogWindow::HandleEvent(int event) {
  switch (event) {
    case FL_KEYBOARD:
    case FL_SHORTCUT:
      if (disabled == 0 && HandleKey()) return 1;
      break;
    case FL_PUSH:
      if (Fl_Double_Window::handle(event)) return 1;
      if (Fl::event_button() == FL_RIGHT_MOUSE && HasSystemMenu() && disabled == 0) {
        ShowSystemMenu(Fl::event_x(), Fl::event_y());
        return 1;
      }
      return 0;
    default: break;
  }
  return Fl_Double_Window::handle(event);
}

void DialogWindow::draw() {
  Fl_Double_Window::draw();
  painting_ = true;
  client_.OnDesktopPaint();
  painting_ = false;
}

}  // namespace fltk_desktop
