#include "platform/scripted/scripted_desktop.h"

#include "platform/constants.h"

namespace scripted {

namespace {
const CString kNoText;
}

const CString& Window::Text(int id) const {
  const auto it = texts.find(id);
  return it == texts.end() ? kNoText : it->second;
}

ScriptedDesktop& ScriptedDesktop::Dialog(int templateId, std::vector<Action> actions) {
  steps_.push_back({Step::dialog, templateId, std::move(actions), {}});
  return *this;
}

ScriptedDesktop& ScriptedDesktop::FailDialog(int templateId) {
  steps_.push_back({Step::failDialog, templateId, {}, {}});
  return *this;
}

ScriptedDesktop& ScriptedDesktop::ChooseFile(CString path) {
  steps_.push_back({Step::choose, 0, {}, std::move(path)});
  return *this;
}

ScriptedDesktop& ScriptedDesktop::CancelOpen() {
  steps_.push_back({Step::cancel, 0, {}, {}});
  return *this;
}

void ScriptedDesktop::Reset() {
  steps_.clear();
  shown_.clear();
  windows_.clear();
  problems_.clear();
  painted.clear();
  whileMessageBoxUp = nullptr;
}

std::vector<const Shown*> ScriptedDesktop::MessageBoxes() const {
  std::vector<const Shown*> boxes;
  for (const Shown& s : shown_) {
    if (s.kind == Shown::messageBox) boxes.push_back(&s);
  }
  return boxes;
}

std::vector<std::string> ScriptedDesktop::Problems() const {
  std::vector<std::string> all = problems_;
  for (const Step& step : steps_) {
    all.push_back(step.kind == Step::choose || step.kind == Step::cancel
                      ? "an Open dialog step was never used"
                      : "the step for dialog " + std::to_string(step.templateId) + " was never used");
  }
  return all;
}

Window& ScriptedDesktop::At(HWND window) { return windows_.at(window); }

int ScriptedDesktop::RunModal(DesktopWindowClient& client, const DialogTemplate& dialog, HWND owner) {
  const std::string name = "dialog " + std::to_string(dialog.id);
  if (steps_.empty() || (steps_.front().kind != Step::dialog && steps_.front().kind != Step::failDialog) ||
      steps_.front().templateId != dialog.id) {
    problems_.push_back(name + " opened where the script had no step for it");
    return IDCANCEL;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (step.kind == Step::failDialog) return -1;

  const HWND hwnd = next_++;
  Window& window = windows_[hwnd];
  window.dialog = &dialog;
  window.owner = owner;
  window.caption = dialog.caption;
  for (const ControlTemplate& control : dialog.controls) window.texts[control.id] = control.text;
  if (owner != 0) ++At(owner).disabled;

  const std::size_t entry = shown_.size();
  shown_.push_back({Shown::dialog, dialog.id, {}, {}, 0, owner, hwnd, {}});
  client.OnDesktopCreate(hwnd);
  shown_[entry].caption = At(hwnd).caption;

  for (const Action& action : step.actions) {
    if (!At(hwnd).open) {
      problems_.push_back(name + " had ended before all its actions were played");
      break;
    }
    switch (action.kind) {
      case Action::type:
        At(hwnd).texts[action.id] = action.text;
        At(hwnd).focus = action.id;
        At(hwnd).selected = false;
        break;
      case Action::press: client.OnDesktopCommand(static_cast<unsigned>(action.id)); break;
      case Action::sysCommand: client.OnDesktopSysCommand(static_cast<unsigned>(action.id), 0); break;
      case Action::check: action.look(At(hwnd)); break;
      case Action::minimise: At(hwnd).iconic = action.id != 0; break;
      case Action::paint: client.OnDesktopPaint(); break;
    }
  }
  if (At(hwnd).open) {
    problems_.push_back(name + " was left open at the end of its actions");
    EndModal(hwnd, IDCANCEL);
  }
  if (owner != 0) --At(owner).disabled;
  return At(hwnd).result;
}

void ScriptedDesktop::EndModal(HWND window, int result) {
  Window& w = At(window);
  w.open = false;
  w.result = result;
}

CString ScriptedDesktop::GetText(HWND window, int controlId) { return At(window).Text(controlId); }

void ScriptedDesktop::SetText(HWND window, int controlId, const CString& text) { At(window).texts[controlId] = text; }

void ScriptedDesktop::SetCaption(HWND window, const CString& caption) { At(window).caption = caption; }

void ScriptedDesktop::FocusAndSelect(HWND window, int controlId) {
  At(window).focus = controlId;
  At(window).selected = true;
}

bool ScriptedDesktop::HasSystemMenu(HWND window) { return (At(window).dialog->style & WS_SYSMENU) != 0; }

void ScriptedDesktop::AppendSystemMenu(HWND window, unsigned flags, unsigned id, const CString& text) {
  At(window).systemMenu.push_back({flags, id, text});
}

void ScriptedDesktop::SetBigIcon(HWND window, HICON icon) { At(window).bigIcon = icon; }

bool ScriptedDesktop::IsIconic(HWND window) { return At(window).iconic; }

ClientRect ScriptedDesktop::GetClientRect(HWND window) {
  // A minimised window's client area is a little larger than its icon, by an odd amount
  // across, so that where the icon goes shows its rounding.
  return At(window).iconic ? ClientRect{IconSize() + 5, IconSize() + 4} : ClientRect{626, 382};
}

void ScriptedDesktop::EraseIconBackground(HWND window) { painted.push_back({window, true, 0, 0, nullptr}); }

void ScriptedDesktop::DrawIcon(HWND window, int x, int y, HICON icon) {
  painted.push_back({window, false, x, y, icon});
}

void ScriptedDesktop::MessageBox(HWND owner, const CString& text, const CString& caption, unsigned type) {
  shown_.push_back({Shown::messageBox, 0, caption, text, type, owner, 0, {}});
  const Shown box = shown_.back();
  if (owner != 0) ++At(owner).disabled;
  if (whileMessageBoxUp) whileMessageBoxUp(box);
  if (owner != 0) --At(owner).disabled;
}

std::optional<CString> ScriptedDesktop::ChooseFileToOpen(HWND owner, std::span<const FileFilter> filters) {
  shown_.push_back({Shown::openDialog, 0, {}, {}, 0, owner, 0, {filters.begin(), filters.end()}});
  if (steps_.empty() || (steps_.front().kind != Step::choose && steps_.front().kind != Step::cancel)) {
    problems_.push_back("the Open dialog opened where the script had no step for it");
    return std::nullopt;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  if (step.kind == Step::cancel) return std::nullopt;
  return step.path;
}

void ScriptedDesktop::ShowHelp(HWND owner, const CString& helpFile) {
  shown_.push_back({Shown::help, 0, {}, helpFile, 0, owner, 0, {}});
}

}  // namespace scripted
