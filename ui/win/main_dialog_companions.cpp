// The commands that hand work to the recorder, and the poll that waits for it.
#include "framework/simple_controls.h"
#include "jobs/row_state.h"
#include "res/resource.h"
#include "scheduler/companion_watch.h"
#include "ui/double_click_row.h"
#include "ui/recorder_command.h"
#include "ui/recorder_poll.h"
#include "ui/win/quillmere_control_dlg.h"
#include "ui/win/yes_no_question.h"

namespace {
constexpr UINT kRecorderPollMs = 1000;
}  // namespace

void CQuillmereControlDlg::OnJobListDblClick(NMHDR* header, LRESULT* result) {
  OnJobListClick(header, result);
  // Remembered before asking: a warning stopped while the question is open
  // moves the selection, and Yes must still run the job that was chosen.
  const qm::ChosenJob chosen = qm::RememberChosenJob(m_JobList, g_nCurRow);
  if (qm::AskYesNo(m_hWnd, "選択した作業を実行しますか？") == IDNO) return;
  RunJob(qm::ResolveChosenJobRow(m_JobList, chosen));
  *result = 0;
}

void CQuillmereControlDlg::OnRunJob() { RunJob(g_nCurRow); }

void CQuillmereControlDlg::OnAddJob() {
  SaveJobSchedule();
  StartRecorder(nullptr);
}

void CQuillmereControlDlg::OnJobDetails() {
  if (g_nCurRow < 0) return;
  char name[qm::kCellBufferSize] = "";
  m_JobList.GetItemText(g_nCurRow, qm::kColumnName, name, sizeof name);
  if (name[0] == '\0') return;
  SaveJobSchedule();
  StartRecorder(name);
}

void CQuillmereControlDlg::StartRecorder(const char* job_name) {
  char command_line[qm::kCommandLineBufferSize];
  // A line that does not fit starts nothing; the poll then brings the
  // dialog back a second later, as for a recorder that cannot start.
  qm::g_CompanionWatch.recorder_id =
      qm::ComposeRecorderCommandLine(command_line, m_Environment.recorder_path, job_name)
          ? processes().StartProgram(command_line)
          : 0;
  ShowWindow(SW_HIDE);
  SetTimer(kRecorderPollTimer, kRecorderPollMs);
}

void CQuillmereControlDlg::OnRecorderPoll() {
  const qm::RecorderPollDecision decision = qm::DecideRecorderPoll(qm::g_CompanionWatch, processes());
  if (decision.wait_again) {
    SetTimer(kRecorderPollTimer, kRecorderPollMs);
    return;
  }
  if (decision.show) ShowWindow(SW_SHOW);
  RebuildJobTable();
  g_nCurRow = -1;
  CEdit* const fields[] = {&m_JobNoEdit, &m_JobNameEdit, &m_HourEdit, &m_MinuteEdit};
  for (CEdit* field : fields) field->SetWindowText("");
  for (CEdit* field : fields) field->EnableWindow(FALSE);
  g_RenameButton.ShowWindow(SW_HIDE);
  g_RunButton.ShowWindow(SW_HIDE);
  g_DetailsButton.ShowWindow(SW_HIDE);
}
