// A test on the scripted desktop: the framework started with the program's resources and an
// application object titled "Velmora", as the installed program is.
#pragma once

#include "platform/desktop.h"
#include "platform/scripted/scripted_desktop.h"
#include "platform/winapp.h"
#include "res/resources.h"

#include <gtest/gtest.h>

// The application object of a test, routing F1 to the help viewer as the program does.
class TestApp : public CWinApp {
 public:
  TestApp() : CWinApp("Velmora") {}
  static const MessageMap* ThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {OnCommandEntry<&CWinApp::OnHelp>(ID_HELP)};
    static const MessageMap map{CWinApp::ThisMessageMap(), entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() {
    AfxSetDesktop(&desktop);
    AfxSetResources(res::Table());
  }
  ~DesktopTest() override { AfxSetDesktop(nullptr); }

  void ExpectScriptPlayed() const { EXPECT_EQ(desktop.Problems(), std::vector<std::string>{}); }

  scripted::ScriptedDesktop desktop;

 private:
  TestApp app_;
};
