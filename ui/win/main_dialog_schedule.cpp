// Running jobs, watching the player and the minute check's warnings.
#include "app/bounded_format.h"
#include "app/program_paths.h"
#include "res/resource.h"
#include "jobs/row_state.h"
#include "scheduler/companion_watch.h"
#include "scheduler/job_run.h"
#include "ui/win/popup_message.h"
#include "ui/win/quillmere_control_dlg.h"

void CQuillmereControlDlg::RunJob(int row) {
  const char* player =
      m_Environment.player_path != nullptr ? m_Environment.player_path : qm::g_Paths.player;
  if (!qm::StartJobRun(m_JobList, row, player, DataDirectory(), processes(), qm::g_CompanionWatch)) {
    return;
  }
  // Hidden only after the start, so the player starts as close to its
  // minute as it can.
  ShowWindow(SW_HIDE);
  SetTimer(kPlayerPollTimer, 1000);
}

void CQuillmereControlDlg::OnPlayerPoll() {
  switch (qm::PollPlayers(qm::g_CompanionWatch, processes())) {
    case qm::PlayerPollStep::kContinue:
      SetTimer(kPlayerPollTimer, 1000);
      break;
    case qm::PlayerPollStep::kShowDialog:
      ShowWindow(SW_SHOW);
      break;
    case qm::PlayerPollStep::kEnd:
      break;
  }
}

void CQuillmereControlDlg::SchedulerHost::ShowMainDialog(bool show) {
  dialog_.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CQuillmereControlDlg::SchedulerHost::RunWarning(const char* job_name) {
  PopupMessage warning;
  qm::ComposeBounded(warning.m_JobName, "%s", job_name);
  return warning.DoModal() == IDOK;
}

void CQuillmereControlDlg::SchedulerHost::DisarmFromWarning(int row) {
  // The selection request reports the row's new state to the dialog, which
  // makes it the current row; a row selected already reports nothing.
  dialog_.m_JobList.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  if (g_nCurRow != row) {
    NMHDR header = {dialog_.m_JobList.m_hWnd, IDC_JOB_LIST, NM_CLICK};
    LRESULT ignored = 0;
    dialog_.OnJobListClick(&header, &ignored);
  }
  if (g_nCurRow == row) dialog_.OnDisarmJob();
}
