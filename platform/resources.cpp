#include "resources.h"

namespace {
ResourceTable g_resources{};
}

void AfxSetResources(const ResourceTable& table) { g_resources = table; }

const DialogTemplate* AfxFindDialog(int id) {
  for (const DialogTemplate& d : g_resources.dialogs) {
    if (d.id == id) return &d;
  }
  return nullptr;
}

const IconGroup* AfxFindIcon(int id) {
  for (const IconGroup& g : g_resources.icons) {
    if (g.id == id) return &g;
  }
  return nullptr;
}

const VersionBlock* AfxVersionBlock() { return g_resources.version; }

const char* AfxLoadString(int id) {
  for (const StringResource& s : g_resources.strings) {
    if (s.id == id) return s.text;
  }
  return "";
}
