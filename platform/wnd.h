// Windows, dialogs and data exchange in the manner of the framework.
//
// Each class that handles messages has a message map: a small table that routes commands,
// system commands and painting to its members. A message that a class's table does not
// name goes to its base class's table; commands that no window handles go on to the
// application object.
#pragma once

#include "constants.h"
#include "cstring.h"
#include "desktop.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class CCmdTarget;

enum class Msg { command, sysCommand, paint, queryDragIcon };

struct MessageMapEntry {
  Msg msg;
  unsigned id;  // the command id; 0 for the other messages
  std::intptr_t (*call)(CCmdTarget& target, unsigned id, long lParam);
};

struct MessageMap {
  const MessageMap* base;
  std::span<const MessageMapEntry> entries;
};

namespace message_map_detail {
template <class F>
struct ClassOf;
template <class C, class R, class... A>
struct ClassOf<R (C::*)(A...)> {
  using type = C;
};
template <auto F>
using Class = typename ClassOf<decltype(F)>::type;
}  // namespace message_map_detail

// Table entries: a command id to void Handler(); system commands to
// void Handler(unsigned nID, long lParam); paint to void Handler(); the drag icon to
// HICON Handler().
template <auto F>
constexpr MessageMapEntry OnCommandEntry(unsigned id) {
  return {Msg::command, id, [](CCmdTarget& t, unsigned, long) -> std::intptr_t {
            (static_cast<message_map_detail::Class<F>&>(t).*F)();
            return 0;
          }};
}
template <auto F>
constexpr MessageMapEntry OnSysCommandEntry() {
  return {Msg::sysCommand, 0, [](CCmdTarget& t, unsigned id, long lParam) -> std::intptr_t {
            (static_cast<message_map_detail::Class<F>&>(t).*F)(id, lParam);
            return 0;
          }};
}
template <auto F>
constexpr MessageMapEntry OnPaintEntry() {
  return {Msg::paint, 0, [](CCmdTarget& t, unsigned, long) -> std::intptr_t {
            (static_cast<message_map_detail::Class<F>&>(t).*F)();
            return 0;
          }};
}
template <auto F>
constexpr MessageMapEntry OnQueryDragIconEntry() {
  return {Msg::queryDragIcon, 0, [](CCmdTarget& t, unsigned, long) -> std::intptr_t {
            return reinterpret_cast<std::intptr_t>((static_cast<message_map_detail::Class<F>&>(t).*F)());
          }};
}

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  static const MessageMap* ThisMessageMap();
  virtual const MessageMap* GetMessageMap() const { return ThisMessageMap(); }

  // Runs the first handler for the message along the chain of tables; false when none.
  bool Dispatch(Msg msg, unsigned id, long lParam, std::intptr_t& result);
};

// The system menu of a window.
class CMenu {
 public:
  explicit CMenu(HWND window) : window_(window) {}
  bool AppendMenu(unsigned flags, unsigned id = 0, const char* text = nullptr);

 private:
  HWND window_;
};

class CWnd : public CCmdTarget, protected DesktopWindowClient {
 public:
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  void SetWindowText(const CString& text);
  CMenu* GetSystemMenu(bool revert);
  bool IsIconic() const;
  ClientRect GetClientRect() const;
  void SetIcon(HICON icon, bool bigIcon);

  HWND m_hWnd = 0;

 protected:
  // The window's default processing of a system command: Close (Alt+F4, the close box)
  // becomes command IDCANCEL; a handler of its own passes what it does not take on to this.
  void OnSysCommand(unsigned nID, long lParam);

  // Routes a message to the tables; an exception that leaves a handler is reported by the
  // framework, and the window stays.
  void Route(Msg msg, unsigned id, long lParam);
  void OnDesktopCommand(unsigned id) override { Route(Msg::command, id, 0); }
  void OnDesktopSysCommand(unsigned id, long lParam) override { Route(Msg::sysCommand, id, lParam); }
  void OnDesktopPaint() override { Route(Msg::paint, 0, 0); }
  bool OnDesktopCreate(HWND window) override;

 private:
  std::unique_ptr<CMenu> systemMenu_;
};

// Painting a window: what a minimised window draws of itself.
class CPaintDC {
 public:
  explicit CPaintDC(CWnd* window) : window_(window) {}
  // Fills the background behind a minimised window's icon.
  void EraseIconBackground();
  void DrawIcon(int x, int y, HICON icon);

 private:
  CWnd* window_;
};

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(unsigned templateId, CWnd* parent = nullptr);
  ~CDialog() override;
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  // IDOK, IDCANCEL, or -1 when the dialog cannot be created.
  virtual int DoModal();
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);
  // Fills the controls (false) or reads and checks them (true); false when a value was refused.
  bool UpdateData(bool saveAndValidate = true);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);

 private:
  bool OnDesktopCreate(HWND window) override;

  unsigned templateId_;
  CWnd* parent_;
};

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  // Names the control that a later Fail puts the focus into.
  void PrepareEditCtrl(int controlId) { lastControl_ = controlId; }
  // Puts the focus into the last prepared control with its text selected, and ends the
  // exchange.
  [[noreturn]] void Fail();

  const bool m_bSaveAndValidate;
  CDialog* const m_pDlgWnd;

 private:
  int lastControl_ = 0;
};

// The integer exchange: a decimal number, refused with one message when it cannot be read.
void DDX_Text(CDataExchange* pDX, int controlId, int& value);
// The text exchange: the control's text, whole.
void DDX_Text(CDataExchange* pDX, int controlId, CString& value);

// How the integer exchange reads a control's text: the number, or nothing when it refuses.
std::optional<int> ParseDialogInt(const CString& text);
