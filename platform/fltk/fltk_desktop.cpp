#include "platform/fltk/fltk_desktop.h"

#include "platform/charset.h"
#include "platform/constants.h"
#include "platform/fltk/dialog_window.h"
#include "platform/fltk/icon_picture.h"
#include "platform/fltk/message_box.h"
#include "platform/fltk/texts.h"
#include "platform/fltk/x11_window.h"
#include "platform/winapp.h"

#include <FL/Fl.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_File_Input.H>
#include <FL/fl_draw.H>

#include <cstdio>
#include <map>
#include <memory>
#include <new>
#include <string>

namespace fltk_desktop {

namespace {

constexpr int kIconSize = 32;

// The font of windows that have no template: the message boxes.
constexpr int kMessagePointSize = 8;

CString AppTitle() {
  if (CWinApp* app = AfxGetApp()) return app->m_pszAppName;
  return AfxTitleFromExecutable(AfxExecutablePath());
}

// The toolkit's filter list: "Description (pattern)" entries separated by tabs, a list of
// patterns "*.a;*.b" written as "{*.a,*.b}".
std::string ChooserFilter(std::span<const FileFilter> filters) {
  std::string result;
  for (const FileFilter& f : filters) {
    const std::string pattern = AnsiToUtf8(f.pattern.View());
    std::string toolkitPattern = pattern;
    if (pattern.find(';') != std::string::npos) {
      for (char& c : toolkitPattern) c = c == ';' ? ',' : c;
      toolkitPattern.insert(0, 1, '{');
      toolkitPattern += '}';
    }
    // The description usually names its pattern already: "Windows Bitmap (*.bmp)".
    std::string entry = AnsiToUtf8(f.description.View());
    if (const std::size_t at = entry.find("(" + pattern + ")"); at != std::string::npos) {
      entry.replace(at + 1, pattern.size(), toolkitPattern);
    } else {
      entry += " (" + toolkitPattern + ")";
    }
    if (!result.empty()) result += '\t';
    result += entry;
  }
  return result;
}

// The first widget of a kind inside a group, searched depth first.
template <class W>
W* FindWidget(Fl_Group& group) {
  for (int i = 0; i < group.children(); ++i) {
    Fl_Widget* child = group.child(i);
    if (!child) continue;
    if (auto* found = dynamic_cast<W*>(child)) return found;
    if (Fl_Group* inner = child->as_group()) {
      if (W* found = FindWidget<W>(*inner)) return found;
    }
  }
  return nullptr;
}

class FltkDesktop final : public Desktop {
 public:
  FltkDesktop() : windowClass_(AppTitle()) { Fl_Window::default_xclass(windowClass_); }

  int RunModal(DesktopWindowClient& client, const DialogTemplate& dialog, HWND owner) override;
  void EndModal(HWND window, int result) override;

  CString GetText(HWND window, int controlId) override {
    DialogWindow* w = At(window);
    return w ? w->GetText(controlId) : CString();
  }
  void SetText(HWND window, int controlId, const CString& text) override {
    if (DialogWindow* w = At(window)) w->SetText(controlId, text);
  }
  void SetCaption(HWND window, const CString& caption) override {
    if (DialogWindow* w = At(window)) w->SetCaption(caption);
  }
  void FocusAndSelect(HWND window, int controlId) override {
    if (DialogWindow* w = At(window)) w->FocusAndSelect(controlId);
  }

  bool HasSystemMenu(HWND window) override {
    DialogWindow* w = At(window);
    return w && w->HasSystemMenu();
  }
  void AppendSystemMenu(HWND window, unsigned flags, unsigned id, const CString& text) override {
    if (DialogWindow* w = At(window)) w->AppendSystemMenu(flags, id, text);
  }
  void SetBigIcon(HWND window, HICON icon) override {
    DialogWindow* w = At(window);
    if (const Fl_RGB_Image* picture = IconPicture(icon, kIconSize); w && picture) w->icon(picture);
  }
  bool IsIconic(HWND window) override {
    DialogWindow* w = At(window);
    return w && w->shown() && !w->visible();
  }
  ClientRect GetClientRect(HWND window) override {
    DialogWindow* w = At(window);
    return w ? ClientRect{w->w(), w->h()} : ClientRect{0, 0};
  }
  int IconSize() override { return kIconSize; }
  void EraseIconBackground(HWND window) override {
    DialogWindow* w = At(window);
    if (w && w->Painting()) fl_rectf(0, 0, w->w(), w->h(), w->color());
  }
  void DrawIcon(HWND window, int x, int y, HICON icon) override {
    DialogWindow* w = At(window);
    if (const Fl_RGB_Image* picture = IconPicture(icon, kIconSize); w && w->Painting() && picture) {
      const_cast<Fl_RGB_Image*>(picture)->draw(x, y);
    }
  }

  void MessageBox(HWND owner, const CString& text, const CString& caption, unsigned type) override;
  std::optional<CString> ChooseFileToOpen(HWND owner, std::span<const FileFilter> filters) override;
  void ShowHelp(HWND owner, const CString& helpFile) override {
    MessageBox(owner, kNoHelpViewerBefore + AfxNameToAnsi(helpFile) + kNoHelpViewerAfter, AppTitle(),
               MB_ICONEXCLAMATION);
  }

 private:
  DialogWindow* At(HWND window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second;
  }

  // Runs a window modal over its owner: the owner takes no input meanwhile and has its
  // focus back afterwards.
  template <class Run>
  void OverOwner(HWND owner, Run run) {
    DialogWindow* ownerWindow = At(owner);
    Fl_Widget* ownerFocus = Fl::focus();
    if (ownerWindow) ++ownerWindow->disabled;
    run(ownerWindow);
    if (ownerWindow) {
      --ownerWindow->disabled;
      if (ownerWindow->shown() && ownerFocus && ownerWindow->contains(ownerFocus)) ownerFocus->take_focus();
    }
  }

  CString windowClass_;  // the windows' WM_CLASS: the program's title
  std::map<HWND, DialogWindow*> windows_;
  HWND next_ = 1;
};

int FltkDesktop::RunModal(DesktopWindowClient& client, const DialogTemplate& dialog, HWND owner) {
  const DialogFont& font = TheDialogFont(dialog.fontName, dialog.pointSize);
  std::unique_ptr<DialogWindow> made;
  try {
    made = std::make_unique<DialogWindow>(dialog, client, font);
  } catch (const std::bad_alloc&) {
    return -1;
  }
  DialogWindow& window = *made;
  const HWND hwnd = next_++;
  windows_[hwnd] = &window;
  if (client.OnDesktopCreate(hwnd)) window.FocusFirstTabStop();
  if (!window.ended) {
    OverOwner(owner, [&](DialogWindow* ownerWindow) {
      ShowOwned(window, ownerWindow, dialog.style);
      window.ApplyPendingFocus();
      RunUntil([&] { return window.ended; });
      window.hide();
    });
  }
  windows_.erase(hwnd);
  return window.result;
}

void FltkDesktop::EndModal(HWND window, int result) {
  if (DialogWindow* w = At(window)) {
    w->ended = true;
    w->result = result;
  }
}

void FltkDesktop::MessageBox(HWND owner, const CString& text, const CString& caption, unsigned type) {
  const DialogFont& font = TheDialogFont(nullptr, kMessagePointSize);
  OverOwner(owner, [&](DialogWindow* ownerWindow) { RunMessageBox(ownerWindow, text, caption, type, font); });
}

std::optional<CString> FltkDesktop::ChooseFileToOpen(HWND owner, std::span<const FileFilter> filters) {
  const std::string title = AnsiToUtf8(kOpenTitle);
  const std::string okLabel = AnsiToUtf8(kOpenButton);
  Fl_File_Chooser chooser(".", ChooserFilter(filters).c_str(), Fl_File_Chooser::CREATE, title.c_str());
  chooser.ok_label(okLabel.c_str());
  // The chooser's window, reached through a widget the chooser lets us see.
  Fl_Window& window = *chooser.newButton->window();
  std::optional<CString> chosen;
  OverOwner(owner, [&](DialogWindow* ownerWindow) {
    ShowOwned(window, ownerWindow, 0);
    chooser.rescan_keep_filename();
    // The name box has the focus with its text selected, so that what is typed replaces it.
    if (auto* name = FindWidget<Fl_File_Input>(window)) {
      name->take_focus();
      name->position(name->size(), 0);
    }
    RunUntil([&] { return !window.shown(); });
    if (chooser.count() > 0 && chooser.value()) chosen = CString(chooser.value());
  });
  return chosen;
}

}  // namespace

}  // namespace fltk_desktop

std::unique_ptr<Desktop> MakeFltkDesktop() {
  using namespace fltk_desktop;
  std::string problem;
  if (!OpenDisplay(problem)) {
    const std::string title = AnsiToUtf8(AppTitle().View());
    if (problem.empty()) {
      std::fprintf(stderr, "%s%s\n", title.c_str(), kNoDisplaySet);
    } else {
      std::fprintf(stderr, "%s%s%s.\n", title.c_str(), kDisplayUnreachable, problem.c_str());
    }
    return nullptr;
  }
  return std::make_unique<FltkDesktop>();
}
