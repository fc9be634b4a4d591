#pragma once
#include <windows.h>

#include "app/buffer_limits.h"
#include "controls/win/colored_button.h"
#include "framework/dialog_ex.h"
#include "framework/simple_controls.h"

// The pre-run warning (template 131): names the job, counts down 55 seconds
// and ends with IDOK when the user stops the run, IDCANCEL otherwise.
class PopupMessage : public CDialogEx {
 public:
  explicit PopupMessage(CWnd* parent = nullptr);

  char m_JobName[qm::kCellBufferSize] = "";
  CEdit m_NameEdit;
  CProgressCtrl m_Progress;

  static constexpr UINT_PTR kEndTimer = 999;
  static constexpr UINT kEndAfterMs = 55000;
  static constexpr int kCountdownSteps = 55;

  // The stop-button object this dialog painted with, once it is open.
  CCButton* stop_button() const { return m_pStopButton; }

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id) override;
  HBRUSH OnCtlColor(HDC dc, CWnd* control, UINT kind) override;

 private:
  // The countdown steps on the interface thread, so nothing of it can
  // outlive the dialog or wait on that thread.
  static constexpr UINT_PTR kCountdownTimer = 998;
  void StepCountdown();

  ULONGLONG m_OpenedAt = 0;
  CCButton* m_pStopButton = nullptr;
  // A warning opened while another holds g_StopButton paints with this one.
  CCButton m_OwnStopButton;
};

extern CCButton g_StopButton;
extern CBrush g_PopupBackBrush;
