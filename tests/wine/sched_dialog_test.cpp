#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/cp932_text.h"
#include "jobs/row_state.h"
#include "res/resource.h"
#include "tests/wine/ui_dialog_fixture.h"
#include "ui/win/popup_message.h"

namespace qm_test {
namespace {

class EditingTest : public MainDialogTest {
 protected:
  // As a click does: the row becomes the only selected one.
  static void Select(int row) {
    dialog_->m_JobList.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    dialog_->m_JobList.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    PumpMessages();
  }
  static std::string Text(int id) { return CWnd::FromHandle(Item(id))->GetWindowText(); }
  static void SetText(int id, const char* text) { CWnd::FromHandle(Item(id))->SetWindowText(text); }
  static void Click(int id) { dialog_->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  static std::string ScheduleFile() {
    std::ifstream file(data_->schedule_path(), std::ios::binary);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
  }
};

TEST_F(EditingTest, SelectingFillsTheFieldsAndARemainingTimePassLeavesTypedTextAlone) {
  const int row = RowOf("jobB");
  Select(row);
  EXPECT_EQ(g_nCurRow, row);
  EXPECT_EQ(Text(IDC_JOB_NAME_EDIT), "jobB");
  EXPECT_EQ(Text(IDC_HOUR_EDIT), "09");
  EXPECT_EQ(Text(IDC_MINUTE_EDIT), "30");
  EXPECT_EQ(Cell(row, 2), "09:30") << "the guard kept the field writes off the cell";
  EXPECT_TRUE(::IsWindowVisible(Item(IDC_RENAME_BUTTON)));

  // The user types a new name; the refresh then writes every armed row's cells.
  SetText(IDC_JOB_NAME_EDIT, "typed name");
  dialog_->SendMessage(WM_TIMER, CQuillmereControlDlg::kRefreshTimer);
  dialog_->m_JobList.SetItemText(row, 1, "jobB");
  // Wine's list reports no text write; other lists report one as a text change.
  NMLISTVIEW text_change = {};
  text_change.hdr = {dialog_->m_JobList.m_hWnd, IDC_JOB_LIST, LVN_ITEMCHANGED};
  text_change.iItem = row;
  text_change.uChanged = LVIF_TEXT;
  dialog_->SendMessage(WM_NOTIFY, IDC_JOB_LIST, reinterpret_cast<LPARAM>(&text_change));
  PumpMessages();
  EXPECT_EQ(Text(IDC_JOB_NAME_EDIT), "typed name");
  SetText(IDC_JOB_NAME_EDIT, "jobB");
}

TEST_F(EditingTest, TimeFieldsWriteTheCellAndAMinuteOver59ClearsTheRowUntilArmedAgain) {
  const int row = RowOf("jobB");
  Select(row);
  SetText(IDC_MINUTE_EDIT, "60");
  EXPECT_EQ(Text(IDC_MINUTE_EDIT), "");
  EXPECT_EQ(Cell(row, 2), "");
  EXPECT_EQ(Cell(row, 4), "");
  SetText(IDC_MINUTE_EDIT, "5");
  EXPECT_EQ(Cell(row, 2), "09:05");
  SetText(IDC_MINUTE_EDIT, "30");
  Click(IDC_ARM_BUTTON);
  EXPECT_EQ(Cell(row, 4), "開始");
  EXPECT_NE(Cell(row, 3), "");
  EXPECT_NE(ScheduleFile().find("jobB,09:30,開始\r\n"), std::string::npos);

  Click(IDC_DISARM_BUTTON);
  EXPECT_EQ(Cell(row, 4), "停止");
  EXPECT_NE(ScheduleFile().find("jobB,09:30,停止\r\n"), std::string::npos);
  Click(IDC_ARM_BUTTON);
}

TEST_F(EditingTest, RenameSanitisesMovesTheFolderAndSaves) {
  const int row = RowOf("jobC");
  Select(row);
  SetText(IDC_JOB_NAME_EDIT, "job/D:. ");
  Click(IDC_RENAME_BUTTON);
  EXPECT_EQ(Text(IDC_JOB_NAME_EDIT), "jobD");
  EXPECT_EQ(Cell(row, 1), "jobD");
  const std::string directory = data_->path();
  EXPECT_NE(::GetFileAttributesW(qm::WideFromCp932(directory + "\\jobD").c_str()),
            INVALID_FILE_ATTRIBUTES);

  // Onto another job's folder: fails, the row keeps its name, saved anyway.
  ::DeleteFileW(qm::WideFromCp932(data_->schedule_path()).c_str());
  SetText(IDC_JOB_NAME_EDIT, "jobB");
  Click(IDC_RENAME_BUTTON);
  EXPECT_EQ(Cell(row, 1), "jobD");
  EXPECT_NE(ScheduleFile().find("jobB,09:30,"), std::string::npos);

  SetText(IDC_JOB_NAME_EDIT, "jobC");
  Click(IDC_RENAME_BUTTON);
  EXPECT_EQ(Cell(row, 1), "jobC");
}

// Runs a warning modally while `act` inspects and ends it from a timer.
struct WarningProbe {
  static WarningProbe* current;
  PopupMessage* dialog = nullptr;
  void (*act)(WarningProbe&) = nullptr;
  std::string job_line;
  LONG_PTR job_line_style = 0;
  DWORD progress_range = 0;
  int progress_position = -1;
  bool own_button = false;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    WarningProbe& probe = *current;
    HWND window = probe.dialog->m_hWnd;
    probe.job_line = probe.dialog->m_NameEdit.GetWindowText();
    probe.job_line_style = ::GetWindowLongPtrW(::GetDlgItem(window, IDC_POPUP_JOB_LINE), GWL_STYLE);
    HWND progress = ::GetDlgItem(window, IDC_POPUP_PROGRESS);
    probe.progress_range = static_cast<DWORD>(::SendMessageW(progress, PBM_GETRANGE, FALSE, 0));
    probe.progress_position = static_cast<int>(::SendMessageW(progress, PBM_GETPOS, 0, 0));
    probe.own_button = probe.dialog->stop_button() != &g_StopButton;
    probe.act(probe);
  }
  INT_PTR Run(PopupMessage& warning) {
    dialog = &warning;
    current = this;
    ::SetTimer(nullptr, 0, 300, &OnTimer);
    return warning.DoModal();
  }
};
WarningProbe* WarningProbe::current = nullptr;

TEST(Warning, ShowsTheJobLineAndAFullBarAndEndsWithTheButtonsResult) {
  struct {
    void (*act)(WarningProbe&);
    INT_PTR result;
  } cases[] = {
      {[](WarningProbe& p) { ::SendMessageW(::GetDlgItem(p.dialog->m_hWnd, IDOK), BM_CLICK, 0, 0); },
       IDOK},
      {[](WarningProbe& p) { ::PostMessageW(p.dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0); }, IDCANCEL},
      {[](WarningProbe& p) { ::PostMessageW(p.dialog->m_hWnd, WM_TIMER, PopupMessage::kEndTimer, 0); },
       IDCANCEL},
  };
  for (const auto& c : cases) {
    PopupMessage warning;
    std::snprintf(warning.m_JobName, sizeof warning.m_JobName, "%s", "ソフト 月次");
    WarningProbe probe;
    probe.act = c.act;
    EXPECT_EQ(probe.Run(warning), c.result);
    EXPECT_EQ(probe.job_line, "実行作業名〔ソフト 月次〕");
    EXPECT_NE(probe.job_line_style & ES_READONLY, 0);
    EXPECT_EQ(probe.progress_range, 55u);
    EXPECT_EQ(probe.progress_position, 55);
    EXPECT_FALSE(probe.own_button);
    EXPECT_EQ(g_StopButton.m_hWnd, nullptr) << "released with its dialog";
  }
}

TEST(Warning, ASecondWarningOpenedInsideTheFirstHasAStopButtonOfItsOwn) {
  static bool inner_own_button = false;
  static INT_PTR inner_result = 0;
  PopupMessage outer;
  WarningProbe probe;
  probe.act = [](WarningProbe& p) {
    PopupMessage inner;
    WarningProbe inner_probe;
    inner_probe.act = [](WarningProbe& q) {
      ::SendMessageW(::GetDlgItem(q.dialog->m_hWnd, IDOK), BM_CLICK, 0, 0);
    };
    inner_result = inner_probe.Run(inner);
    inner_own_button = inner_probe.own_button;
    WarningProbe::current = &p;
    ::PostMessageW(p.dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_EQ(probe.Run(outer), IDCANCEL);
  EXPECT_EQ(inner_result, IDOK);
  EXPECT_TRUE(inner_own_button);
}

}  // namespace
}  // namespace qm_test
