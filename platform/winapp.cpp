#include "winapp.h"

#include "charset.h"
#include "file.h"

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <new>

namespace {

CWinApp* g_app = nullptr;
Desktop* g_desktop = nullptr;

// The framework's text for each cause of a file error, in the program's character set.
const char* CauseText(CFileException::Cause cause) {
  switch (cause) {
    case CFileException::none: return "Kein Fehler bei der Datei";
    case CFileException::fileNotFound: return "Die Datei wurde nicht gefunden";
    case CFileException::badPath: return "Der Pfad der Datei ist ung\xFCltig";
    case CFileException::tooManyOpenFiles:
      return "Es sind zu viele Dateien ge\xF6"
             "ffnet";
    case CFileException::accessDenied: return "Der Zugriff auf die Datei wurde verweigert";
    case CFileException::invalidFile: return "Die Datei ist ung\xFCltig";
    case CFileException::removeCurrentDir: return "Der aktuelle Ordner kann nicht entfernt werden";
    case CFileException::directoryFull: return "Der Ordner ist voll";
    case CFileException::badSeek: return "Die Position in der Datei kann nicht gesetzt werden";
    case CFileException::hardIO: return "Beim Zugriff auf die Datei ist ein Hardwarefehler aufgetreten";
    case CFileException::sharingViolation: return "Die Datei wird von einem anderen Programm verwendet";
    case CFileException::lockViolation: return "Ein Bereich der Datei ist gesperrt";
    case CFileException::diskFull: return "Der Datentr\xE4ger ist voll";
    case CFileException::endOfFile:
      return "Das Ende der Datei wurde \xFC"
             "berschritten";
    case CFileException::genericException: break;
  }
  return "Beim Zugriff auf die Datei ist ein Fehler aufgetreten";
}

}  // namespace

void AfxSetDesktop(Desktop* desktop) { g_desktop = desktop; }

Desktop& AfxGetDesktop() {
  if (!g_desktop) std::terminate();  // the framework was started without a desktop
  return *g_desktop;
}

CWinApp::CWinApp(const char* appName) {
  m_pszAppName = appName ? CString(appName) : AfxTitleFromExecutable(AfxExecutablePath());
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

const MessageMap* CWinApp::ThisMessageMap() {
  static const MessageMap map{CCmdTarget::ThisMessageMap(), {}};
  return &map;
}

void CWinApp::OnHelp() {
  CString helpFile = m_pszHelpFilePath;
  if (helpFile.IsEmpty()) {
    const CString exe = AfxExecutablePath();
    const std::string_view path = exe.View();
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const std::size_t stem =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash) ? dot : path.size();
    helpFile = CString(path.substr(0, stem)) + ".HLP";
  }
  CWnd* main = AfxGetMainWnd();
  AfxGetDesktop().ShowHelp(main ? main->m_hWnd : 0, helpFile);
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

CString AfxTitleFromExecutable(const CString& path) {
  std::string_view name = path.View();
  if (const std::size_t slash = name.rfind('/'); slash != std::string_view::npos) name.remove_prefix(slash + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return CString(name);
}

CString AfxExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  return n > 0 ? CString(std::string_view(buffer, static_cast<std::size_t>(n))) : CString();
}

int AfxWinMain(Desktop& desktop, const ResourceTable& resources) {
  AfxSetDesktop(&desktop);
  AfxSetResources(resources);
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  try {
    app->InitInstance();
  } catch (...) {
    AfxReportCurrentException();
  }
  AfxSetDesktop(nullptr);
  return 0;
}

int AfxMessageBox(const char* text, unsigned type, unsigned) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  CWinApp* app = AfxGetApp();
  CWnd* main = AfxGetMainWnd();
  AfxGetDesktop().MessageBox(main ? main->m_hWnd : 0, text, app ? app->m_pszAppName : CString(), type);
  return IDOK;
}

void AfxReportCurrentException() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    AfxMessageBox(kOutOfMemoryText);
  } catch (const CFileException& e) {
    const CString cause = CauseText(e.m_cause);
    AfxMessageBox(e.m_strFileName.IsEmpty() ? cause + "." : cause + ": " + AfxNameToAnsi(e.m_strFileName));
  } catch (...) {
    AfxMessageBox("Ein unerwarteter Fehler ist aufgetreten.");
  }
}
