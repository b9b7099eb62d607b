// CFileDialog: the desktop's Open dialog.
#pragma once

#include "cstring.h"
#include "desktop.h"

#include <vector>

class CWnd;

class CFileDialog {
 public:
  // filter: pairs of description and pattern, each ended by "|", the list ended by a
  // further "|": "Windows Bitmap (*.bmp)|*.bmp||". With flags 0 a typed name need not exist.
  CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
              unsigned flags = 0, const char* filter = nullptr, CWnd* parent = nullptr);

  int DoModal();  // IDOK or IDCANCEL
  CString GetPathName() const { return path_; }
  // The name with its extension.
  CString GetFileName() const;
  // The name cut before its last "."; the whole name when it has none.
  CString GetFileTitle() const;

  // The filter's choices, in order.
  const std::vector<FileFilter>& Filters() const { return filters_; }

 private:
  std::vector<FileFilter> filters_;
  CWnd* parent_;
  CString path_;
};

std::vector<FileFilter> AfxParseFileFilter(const char* filter);
