// The application object: starts Velmora and shows the main window until it is closed.
#pragma once

#include "platform/winapp.h"

class CConverterApp : public CWinApp {
 public:
  CConverterApp();
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  bool InitInstance() override;
};
