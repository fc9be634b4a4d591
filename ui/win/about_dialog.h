#pragma once
#include "framework/dialog_ex.h"

// The About box: template 100 as it stands, with no code of its own.
class CAboutDlg : public CDialogEx {
 public:
  CAboutDlg();

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
};
