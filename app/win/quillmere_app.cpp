#include "framework/win_app.h"

class CQuillmereControlApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    CWinApp::InitInstance();
    return FALSE;
  }
};

CQuillmereControlApp theApp;
