#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "controls/win/colored_button.h"
#include "controls/win/colored_list_ctrl.h"
#include "framework/dialog_ex.h"
#include "framework/simple_controls.h"
#include "framework/status_bar.h"
#include "jobs/win/win32_directory_lister.h"
#include "jobs/win/win32_schedule_files.h"
#include "app/process_control.h"
#include "scheduler/clock.h"
#include "scheduler/minute_check.h"
#include "ui/win/animation_control.h"

namespace qm {

// Where the main dialog finds its data; the program passes GetDataDirectory
// and the fixed schedule path, a test its own folder.
struct MainDialogEnvironment {
  std::function<const char*()> data_directory;
  const char* schedule_path = "";
  const Clock* clock = nullptr;  // the system clock when null
  ProcessControl* processes = nullptr;  // the system's processes when null
  const char* player_path = nullptr;    // g_Paths' when null
  const char* wake_keeper_path = nullptr;
  const char* recorder_path = "";
};

}  // namespace qm

// The one window of the interactive mode (template 102).
class CQuillmereControlDlg : public CDialogEx {
 public:
  explicit CQuillmereControlDlg(qm::MainDialogEnvironment environment, CWnd* parent = nullptr);

  HICON m_hIcon;
  CStatusBar m_StatusBar;
  CColoredListCtrl m_JobList;
  CAnimateCtrl m_Animation;
  CEdit m_JobNoEdit;
  CEdit m_JobNameEdit;
  CEdit m_HourEdit;
  CEdit m_MinuteEdit;
  // The wide form of the record, so the tip does not depend on the ANSI code page.
  NOTIFYICONDATAW m_TrayIcon;
  bool TrayIconPresent() const { return m_bTrayIconPresent; }

  // Timer identifiers.
  static constexpr UINT_PTR kClockTimer = 999;
  static constexpr UINT_PTR kRefreshTimer = 888;
  static constexpr UINT_PTR kPreviousRowTimer = 777;
  static constexpr UINT_PTR kRecorderPollTimer = 666;
  static constexpr UINT_PTR kPlayerPollTimer = 555;

  // Scheduling and editing (main_dialog_schedule.cpp, main_dialog_editing.cpp).
  void RunJob(int row);
  void OnJobListClick(NMHDR* header, LRESULT* result);
  void OnJobListItemChanged(NMHDR* header, LRESULT* result);
  void OnStartTimeChange();
  void OnArmJob();
  void OnDisarmJob();
  void OnRenameJob();

 protected:
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  HBRUSH OnCtlColor(HDC dc, CWnd* control, UINT kind) override;
  bool OnPaint() override;
  HCURSOR OnQueryDragIcon() override;
  void OnTimer(UINT_PTR id) override;
  // Enter and button 1 open the selected job in the recorder.
  void OnOK() override;
  // Every way the dialog manager produces IDCANCEL ends in the exit command.
  void OnCancel() override;
  bool OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  void AddAboutMenuItem();
  void CreateStatusBar();
  void CreateJobListColumns();
  // The order is always scan, schedule load, remaining-time pass.
  void RebuildJobTable();
  void BindCommandButtons();
  void OnClockTick();
  void OnRefreshRemainingTimes();
  const qm::Clock& clock() const;
  qm::ProcessControl& processes() const;
  void SaveJobSchedule();

  // The companion, tray and exit part of the message map; false when the
  // message is not one of theirs.
  bool OnCompanionMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  // Companion commands (main_dialog_companions.cpp).
  void OnJobListDblClick(NMHDR* header, LRESULT* result);
  void OnRunJob();
  void OnAddJob();
  void OnJobDetails();
  void StartRecorder(const char* job_name);
  void OnRecorderPoll();

  // Notification area, system menu and exit (main_dialog_tray.cpp).
  bool OnSysCommand(UINT id);
  void OnHideToTray();
  void HideToTray();
  bool AddTrayIcon();
  void RemoveTrayIcon();
  LRESULT OnTrayNotify(WPARAM icon_id, LPARAM mouse_message);
  void OnTaskbarCreated();
  void OnExit();
  void OnEndSession(bool ending);

  bool m_bTrayIconPresent = false;

  // The scheduling and editing part of the message map; false when the
  // message is not one of theirs.
  bool OnScheduleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  void OnPlayerPoll();
  const char* DataDirectory() const;

  // The minute check's view of this dialog.
  class SchedulerHost : public qm::MinuteCheckHost {
   public:
    explicit SchedulerHost(CQuillmereControlDlg& dialog) : dialog_(dialog) {}
    void ShowMainDialog(bool show) override;
    bool RunWarning(const char* job_name) override;
    void DisarmFromWarning(int row) override;
    void RunJob(int row) override { dialog_.RunJob(row); }

   private:
    CQuillmereControlDlg& dialog_;
  };

  qm::MainDialogEnvironment m_Environment;
  qm::AnimationControl m_AnimationDriver{m_Animation};
  qm::Win32DirectoryLister m_DirectoryLister;
  qm::Win32ScheduleFiles m_ScheduleFiles;
  qm::SystemClock m_SystemClock;
  SchedulerHost m_SchedulerHost{*this};
  qm::MinuteChecker m_MinuteChecker;
};

// Module-level objects of the dialog: created at program start, bound to the
// dialog's buttons each time it opens.
extern CBrush g_WhiteBrush;
extern CBrush g_BlackBrush;
extern CCButton g_AddButton;
extern CCButton g_RenameButton;
extern CCButton g_RunButton;
extern CCButton g_DetailsButton;
extern CCButton g_TrayButton;
extern CCButton g_ExitButton;
// Keeps the time-field handler from acting on text the program itself writes.
extern bool g_bFieldUpdateGuard;
