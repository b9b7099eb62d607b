#include "file_dialog.h"

#include "winapp.h"

#include <string_view>

std::vector<FileFilter> AfxParseFileFilter(const char* filter) {
  std::vector<FileFilter> result;
  std::string_view rest = filter ? filter : "";
  // "desc|pattern|" pairs until an empty description ends the list.
  while (!rest.empty()) {
    const std::size_t bar1 = rest.find('|');
    if (bar1 == 0 || bar1 == std::string_view::npos) break;
    const std::size_t bar2 = rest.find('|', bar1 + 1);
    const std::string_view pattern =
        rest.substr(bar1 + 1, bar2 == std::string_view::npos ? std::string_view::npos : bar2 - bar1 - 1);
    result.push_back({CString(rest.substr(0, bar1)), CString(pattern)});
    if (bar2 == std::string_view::npos) break;
    rest.remove_prefix(bar2 + 1);
  }
  return result;
}

CFileDialog::CFileDialog(bool, const char*, const char* fileName, unsigned, const char* filter, CWnd* parent)
    : filters_(AfxParseFileFilter(filter)), parent_(parent), path_(fileName) {}

int CFileDialog::DoModal() {
  CWnd* owner = parent_ ? parent_ : AfxGetMainWnd();
  const std::optional<CString> chosen = AfxGetDesktop().ChooseFileToOpen(owner ? owner->m_hWnd : 0, filters_);
  if (!chosen) return IDCANCEL;
  path_ = *chosen;
  return IDOK;
}

CString CFileDialog::GetFileName() const {
  const std::string_view path = path_.View();
  const std::size_t slash = path.rfind('/');
  return CString(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

CString CFileDialog::GetFileTitle() const {
  const CString name = GetFileName();
  const std::size_t dot = name.View().rfind('.');
  return dot == std::string_view::npos ? name : name.Left(static_cast<int>(dot));
}
