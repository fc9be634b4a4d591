// Selecting a job and editing its schedule: the fields, "開始", "停止" and
// "作業名の更新".
#include <windows.h>
#include <commctrl.h>

#include "app/bounded_format.h"
#include "app/buffer_limits.h"
#include "app/path_composition.h"
#include "framework/cp932_text.h"
#include "jobs/job_state.h"
#include "jobs/row_state.h"
#include "jobs/schedule_file.h"
#include "res/resource.h"
#include "scheduler/remaining_time.h"
#include "ui/schedule_editing.h"
#include "ui/win/quillmere_control_dlg.h"

bool CQuillmereControlDlg::OnScheduleMessage(UINT message, WPARAM wparam, LPARAM lparam,
                                             LRESULT* result) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    if (header->idFrom != IDC_JOB_LIST) return false;
    if (header->code == NM_CLICK) {
      OnJobListClick(header, result);
      return true;
    }
    if (header->code == LVN_ITEMCHANGED) {
      OnJobListItemChanged(header, result);
      return true;
    }
    return false;
  }
  if (message != WM_COMMAND) return false;
  const int id = LOWORD(wparam);
  const int code = HIWORD(wparam);
  if (code == EN_CHANGE && (id == IDC_HOUR_EDIT || id == IDC_MINUTE_EDIT)) {
    OnStartTimeChange();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_ARM_BUTTON:
      OnArmJob();
      return true;
    case IDC_DISARM_BUTTON:
      OnDisarmJob();
      return true;
    case IDC_RENAME_BUTTON:
      OnRenameJob();
      return true;
  }
  return false;
}

void CQuillmereControlDlg::OnJobListClick(NMHDR*, LRESULT* result) {
  const int row = m_JobList.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) return;
  g_bFieldUpdateGuard = true;
  m_JobNoEdit.SetWindowText(m_JobList.GetItemText(row, qm::kColumnNumber).c_str());
  m_JobNameEdit.SetWindowText(m_JobList.GetItemText(row, qm::kColumnName).c_str());
  const qm::TimeFields fields =
      qm::TimeFieldsFromCell(m_JobList.GetItemText(row, qm::kColumnStartTime).c_str());
  m_HourEdit.SetWindowText(fields.hour.c_str());
  m_MinuteEdit.SetWindowText(fields.minute.c_str());
  g_nPrevRow = g_nCurRow;
  g_bFieldUpdateGuard = false;
  SetTimer(kPreviousRowTimer, 1000);
  g_nCurRow = row;
  for (CEdit* edit : {&m_JobNoEdit, &m_JobNameEdit, &m_HourEdit, &m_MinuteEdit}) {
    edit->EnableWindow(TRUE);
  }
  g_RenameButton.ShowWindow(SW_SHOW);
  g_RunButton.ShowWindow(SW_SHOW);
  g_DetailsButton.ShowWindow(SW_SHOW);
  *result = 0;
}

void CQuillmereControlDlg::OnJobListItemChanged(NMHDR* header, LRESULT* result) {
  // Cell-text writes arrive here too; rerunning the selection update for
  // them would overwrite what the user is typing in the fields.
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
  if ((change->uChanged & LVIF_STATE) == 0 || change->uNewState == change->uOldState) return;
  OnJobListClick(header, result);
}

void CQuillmereControlDlg::OnStartTimeChange() {
  if (g_bFieldUpdateGuard) return;
  const std::string hour = m_HourEdit.GetWindowText();
  const std::string minute = m_MinuteEdit.GetWindowText();
  const qm::StartTimeEdit edit = qm::EditFromTimeFields(hour.c_str(), minute.c_str());
  if (edit.empty_minute_field) {
    g_bFieldUpdateGuard = true;
    m_MinuteEdit.SetWindowText("");
    g_bFieldUpdateGuard = false;
  }
  if (edit.write_start_time) {
    m_JobList.SetItemText(g_nCurRow, qm::kColumnStartTime, edit.start_time.c_str());
  } else {
    for (int column : {qm::kColumnStartTime, qm::kColumnRemaining, qm::kColumnState}) {
      m_JobList.SetItemText(g_nCurRow, column, "");
    }
  }
  qm::UpdateRemainingTimes(m_JobList, m_AnimationDriver, clock());
}

void CQuillmereControlDlg::OnArmJob() {
  if (m_HourEdit.GetWindowText().empty() || m_MinuteEdit.GetWindowText().empty()) return;
  m_JobList.SetItemText(g_nCurRow, qm::kColumnState, qm::kArmedState);
  qm::UpdateRemainingTimes(m_JobList, m_AnimationDriver, clock());
  qm::SaveSchedule(m_JobList, m_Environment.schedule_path, m_ScheduleFiles);
}

void CQuillmereControlDlg::OnDisarmJob() {
  m_JobList.SetItemText(g_nCurRow, qm::kColumnRemaining, "");
  if (m_HourEdit.GetWindowText().empty() || m_MinuteEdit.GetWindowText().empty()) return;
  m_JobList.SetItemText(g_nCurRow, qm::kColumnState, qm::kDisarmedState);
  qm::UpdateRemainingTimes(m_JobList, m_AnimationDriver, clock());
  qm::SaveSchedule(m_JobList, m_Environment.schedule_path, m_ScheduleFiles);
}

void CQuillmereControlDlg::OnRenameJob() {
  if (g_nCurRow < 0) return;
  const std::string old_name = m_JobList.GetItemText(g_nCurRow, qm::kColumnName);
  char new_name[qm::kCellBufferSize];
  // A name too long for its buffer is not cut into another name: the
  // rename counts as failed.
  const bool name_fits = qm::ComposeBounded(new_name, "%s", m_JobNameEdit.GetWindowText().c_str());
  if (name_fits) {
    qm::SanitiseJobName(new_name);
    m_JobNameEdit.SetWindowText(new_name);
    if (new_name[0] == '\0') return;
  }
  char old_path[qm::kPathBufferSize];
  char new_path[qm::kPathBufferSize];
  const char* data_directory = DataDirectory();
  if (name_fits && qm::ComposeDataPath(old_path, data_directory, old_name.c_str()) &&
      qm::ComposeDataPath(new_path, data_directory, new_name) &&
      ::MoveFileW(qm::WideFromCp932(old_path).c_str(), qm::WideFromCp932(new_path).c_str())) {
    m_JobList.SetItemText(g_nCurRow, qm::kColumnName, new_name);
  }
  qm::SaveSchedule(m_JobList, m_Environment.schedule_path, m_ScheduleFiles);
}
