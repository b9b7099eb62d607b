// A test on the scripted desktop: the framework started with the program's resources and an
// application object titled "Velmora", as the installed program is.
#pragma once

#include "platform/desktop.h"
#include "platform/scripted/scripted_desktop.h"
#include "platform/winapp.h"
#include "res/resources.h"

#include <gtest/gtest.h>

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() : app_("Velmora") {
    AfxSetDesktop(&desktop);
    AfxSetResources(res::Table());
  }
  ~DesktopTest() override { AfxSetDesktop(nullptr); }

  void ExpectScriptPlayed() const { EXPECT_EQ(desktop.Problems(), std::vector<std::string>{}); }

  scripted::ScriptedDesktop desktop;

 private:
  CWinApp app_;
};
