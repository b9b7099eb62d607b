#include "wnd.h"

#include "winapp.h"

#include <climits>
#include <string>

namespace {

// Ends a data exchange that refused a value; UpdateData catches it.
struct DataExchangeRefused {};

}  // namespace

// ---------------------------------------------------------------------------------------
// Message routing

const MessageMap* CCmdTarget::ThisMessageMap() {
  static const MessageMap map{nullptr, {}};
  return &map;
}

bool CCmdTarget::Dispatch(Msg msg, unsigned id, long lParam, std::intptr_t& result) {
  for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
    for (const MessageMapEntry& entry : map->entries) {
      if (entry.msg == msg && (msg != Msg::command || entry.id == id)) {
        result = entry.call(*this, id, lParam);
        return true;
      }
    }
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// CWnd

const MessageMap* CWnd::ThisMessageMap() {
  static const MessageMap map{CCmdTarget::ThisMessageMap(), {}};
  return &map;
}

void CWnd::Route(Msg msg, unsigned id, long lParam) {
  try {
    std::intptr_t result = 0;
    if (Dispatch(msg, id, lParam, result)) return;
    if (msg == Msg::command) {
      if (CWinApp* app = AfxGetApp()) app->Dispatch(msg, id, lParam, result);
    } else if (msg == Msg::sysCommand) {
      OnSysCommand(id, lParam);
    }
  } catch (...) {
    AfxReportCurrentException();
  }
}

bool CWnd::OnDesktopCreate(HWND window) {
  m_hWnd = window;
  return true;
}

void CWnd::OnSysCommand(unsigned nID, long) {
  if ((nID & 0xFFF0) == SC_CLOSE) Route(Msg::command, IDCANCEL, 0);
}

void CWnd::SetWindowText(const CString& text) { AfxGetDesktop().SetCaption(m_hWnd, text); }

CMenu* CWnd::GetSystemMenu(bool) {
  if (m_hWnd == 0 || !AfxGetDesktop().HasSystemMenu(m_hWnd)) return nullptr;
  if (!systemMenu_) systemMenu_ = std::make_unique<CMenu>(m_hWnd);
  return systemMenu_.get();
}

bool CWnd::IsIconic() const { return AfxGetDesktop().IsIconic(m_hWnd); }
ClientRect CWnd::GetClientRect() const { return AfxGetDesktop().GetClientRect(m_hWnd); }

void CWnd::SetIcon(HICON icon, bool bigIcon) {
  if (bigIcon) AfxGetDesktop().SetBigIcon(m_hWnd, icon);
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, const char* text) {
  AfxGetDesktop().AppendSystemMenu(window_, flags, id, text ? text : "");
  return true;
}

void CPaintDC::EraseIconBackground() { AfxGetDesktop().EraseIconBackground(window_->m_hWnd); }
void CPaintDC::DrawIcon(int x, int y, HICON icon) { AfxGetDesktop().DrawIcon(window_->m_hWnd, x, y, icon); }

int GetSystemMetrics(int index) { return index == SM_CXICON || index == SM_CYICON ? AfxGetDesktop().IconSize() : 0; }

// ---------------------------------------------------------------------------------------
// CDialog

CDialog::CDialog(unsigned templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

const MessageMap* CDialog::ThisMessageMap() {
  static constexpr MessageMapEntry entries[] = {
      OnCommandEntry<&CDialog::OnOK>(IDOK),
      OnCommandEntry<&CDialog::OnCancel>(IDCANCEL),
  };
  static const MessageMap map{CWnd::ThisMessageMap(), entries};
  return &map;
}

int CDialog::DoModal() {
  const DialogTemplate* dialog = AfxFindDialog(static_cast<int>(templateId_));
  if (!dialog) return -1;
  HWND owner = 0;
  if (parent_) {
    owner = parent_->m_hWnd;
  } else if (CWnd* main = AfxGetMainWnd(); main && main != this) {
    owner = main->m_hWnd;
  }
  const int result = AfxGetDesktop().RunModal(*this, *dialog, owner);
  m_hWnd = 0;
  return result;
}

bool CDialog::OnDesktopCreate(HWND window) {
  m_hWnd = window;
  try {
    return OnInitDialog();
  } catch (...) {
    AfxReportCurrentException();
    return true;
  }
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { AfxGetDesktop().EndModal(m_hWnd, result); }

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
    return true;
  } catch (const DataExchangeRefused&) {
    return false;
  } catch (const std::bad_alloc&) {
    AfxReportCurrentException();
    return false;
  }
}

// ---------------------------------------------------------------------------------------
// Data exchange

void CDataExchange::Fail() {
  if (lastControl_ != 0) AfxGetDesktop().FocusAndSelect(m_pDlgWnd->m_hWnd, lastControl_);
  throw DataExchangeRefused{};
}

std::optional<int> ParseDialogInt(const CString& text) {
  // Only what fits a 32-character buffer is looked at.
  const std::string_view s = text.View().substr(0, 31);
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t i = 0;
  while (i < s.size() && blank(s[i])) ++i;
  const std::size_t first = i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t digits = i;
  long long value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    if (value <= INT_MAX) value = value * 10 + (s[i] - '0');  // held once past the range
  }
  if (i == digits) return std::nullopt;
  while (i < s.size() && blank(s[i])) ++i;
  if (i != s.size()) return std::nullopt;
  if (value == 0 && s[first] != '0') return std::nullopt;  // -0 and +0
  if (negative) return value > -static_cast<long long>(INT_MIN) ? INT_MIN : static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void DDX_Text(CDataExchange* pDX, int controlId, int& value) {
  pDX->PrepareEditCtrl(controlId);
  Desktop& desktop = AfxGetDesktop();
  if (!pDX->m_bSaveAndValidate) {
    desktop.SetText(pDX->m_pDlgWnd->m_hWnd, controlId, CString(std::to_string(value)));
    return;
  }
  const std::optional<int> parsed = ParseDialogInt(desktop.GetText(pDX->m_pDlgWnd->m_hWnd, controlId));
  if (!parsed) {
    AfxMessageBox(kParseIntText, MB_ICONEXCLAMATION);
    pDX->Fail();
  }
  value = *parsed;
}

void DDX_Text(CDataExchange* pDX, int controlId, CString& value) {
  Desktop& desktop = AfxGetDesktop();
  if (pDX->m_bSaveAndValidate) {
    value = desktop.GetText(pDX->m_pDlgWnd->m_hWnd, controlId);
  } else {
    desktop.SetText(pDX->m_pDlgWnd->m_hWnd, controlId, value);
  }
}
