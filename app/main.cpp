// Velmora on Linux: the one application object, and the real desktop for it to run on.
#include "app/converter_app.h"
#include "platform/fltk/fltk_desktop.h"
#include "res/resources.h"

CConverterApp theApp;

// Command-line arguments change nothing: Velmora always opens its one window.
int main() {
  const std::unique_ptr<Desktop> desktop = MakeFltkDesktop();
  if (!desktop) return 1;  // it has said why
  return AfxWinMain(*desktop, res::Table());
}
