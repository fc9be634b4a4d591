#include "ui/win/quillmere_control_dlg.h"

#include <clocale>
#include <string>
#include <utility>

#include "app/buffer_limits.h"
#include "framework/cp932_text.h"
#include "framework/win_app.h"
#include "app/program_paths.h"
#include "app/win/win32_process_control.h"
#include "jobs/folder_scan.h"
#include "jobs/row_state.h"
#include "jobs/schedule_file.h"
#include "res/resource.h"
#include "scheduler/remaining_time.h"
#include "ui/clock_text.h"
#include "ui/job_list_columns.h"

CBrush g_WhiteBrush(RGB(255, 255, 255));
CBrush g_BlackBrush(RGB(0, 0, 0));
CCButton g_AddButton;
CCButton g_RenameButton;
CCButton g_RunButton;
CCButton g_DetailsButton;
CCButton g_TrayButton;
CCButton g_ExitButton;
bool g_bFieldUpdateGuard = false;

namespace {

const char kBanner[] = "　Tallowgate　https://www.example.com/quillmere/";
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM;
constexpr COLORREF kStatusBarBackground = RGB(255, 255, 255);
constexpr DWORD kJobListExtendedStyles = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT |
                                         LVS_EX_ONECLICKACTIVATE | LVS_EX_TWOCLICKACTIVATE |
                                         LVS_EX_DOUBLEBUFFER | LVS_EX_HEADERINALLVIEWS;
constexpr UINT kFirstClockTickMs = 990;

struct CommandButton {
  int id;
  CCButton* object;
  COLORREF back;
  COLORREF text;
};

// Bound in this order; buttons 5, 4 and 1 are shown only while a row is selected.
const CommandButton kCommandButtons[] = {
    {IDC_ADD_BUTTON, &g_AddButton, RGB(255, 255, 240), RGB(0, 0, 0)},
    {IDC_RENAME_BUTTON, &g_RenameButton, RGB(255, 240, 255), RGB(0, 0, 0)},
    {IDC_RUN_BUTTON, &g_RunButton, RGB(220, 220, 220), RGB(0, 0, 0)},
    {IDC_DETAILS_BUTTON, &g_DetailsButton, RGB(240, 255, 240), RGB(0, 0, 0)},
    {IDC_TRAY_BUTTON, &g_TrayButton, RGB(0, 80, 80), RGB(255, 255, 255)},
    {IDC_EXIT_BUTTON, &g_ExitButton, RGB(0, 0, 0), RGB(255, 255, 255)},
};

// The current time in whole seconds and the milliseconds past it, from one
// reading, so the tick's text and its next arming agree on the second.
struct WallTime {
  std::time_t seconds;
  int millisecond;
};

WallTime ReadWallTime() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER ticks;
  ticks.LowPart = now.dwLowDateTime;
  ticks.HighPart = now.dwHighDateTime;
  constexpr unsigned long long kTicksPerSecond = 10000000ULL;
  constexpr unsigned long long kUnixEpochSeconds = 11644473600ULL;
  const unsigned long long seconds = ticks.QuadPart / kTicksPerSecond;
  const int millisecond = static_cast<int>(ticks.QuadPart % kTicksPerSecond / 10000ULL);
  return {static_cast<std::time_t>(seconds - kUnixEpochSeconds), millisecond};
}

}  // namespace

CQuillmereControlDlg::CQuillmereControlDlg(qm::MainDialogEnvironment environment, CWnd* parent)
    : CDialogEx(IDD_QUILLMERECONTROL_DIALOG, parent),
      m_hIcon(AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr),
      m_TrayIcon(),
      m_Environment(std::move(environment)),
      m_MinuteChecker({&m_JobList, &clock(), &processes(), &qm::g_CompanionWatch,
                       m_Environment.wake_keeper_path != nullptr ? m_Environment.wake_keeper_path
                                                                 : qm::g_Paths.wake_keeper,
                       &m_SchedulerHost}) {}

qm::ProcessControl& CQuillmereControlDlg::processes() const {
  return m_Environment.processes != nullptr ? *m_Environment.processes : qm::SystemProcesses();
}

void CQuillmereControlDlg::SaveJobSchedule() {
  qm::SaveSchedule(m_JobList, m_Environment.schedule_path, m_ScheduleFiles);
}

const qm::Clock& CQuillmereControlDlg::clock() const {
  return m_Environment.clock != nullptr ? *m_Environment.clock : m_SystemClock;
}

const char* CQuillmereControlDlg::DataDirectory() const {
  const char* directory = m_Environment.data_directory ? m_Environment.data_directory() : "";
  return directory != nullptr ? directory : "";
}

bool CQuillmereControlDlg::OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  return OnScheduleMessage(message, wparam, lparam, result) ||
         OnCompanionMessage(message, wparam, lparam, result) ||
         CDialogEx::OnWndMsg(message, wparam, lparam, result);
}

void CQuillmereControlDlg::DoDataExchange(CDataExchange* exchange) {
  CDialogEx::DoDataExchange(exchange);
  DDX_Control(exchange, IDC_JOB_LIST, m_JobList);
  DDX_Control(exchange, IDC_ANIMATION, m_Animation);
  DDX_Control(exchange, IDC_JOB_NO_EDIT, m_JobNoEdit);
  DDX_Control(exchange, IDC_JOB_NAME_EDIT, m_JobNameEdit);
  DDX_Control(exchange, IDC_HOUR_EDIT, m_HourEdit);
  DDX_Control(exchange, IDC_MINUTE_EDIT, m_MinuteEdit);
}

BOOL CQuillmereControlDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();
  AddAboutMenuItem();
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  g_bFieldUpdateGuard = false;
  m_Animation.Open(IDR_TURNING_ANIMATION);
  // The clock text uses its own weekday table; the locale is set for any
  // other time formatting of the C library.
  std::setlocale(LC_TIME, "Japanese_Japan.932");
  CreateStatusBar();
  SetTimer(kClockTimer, kFirstClockTickMs);

  m_JobList.SetExtendedStyle(m_JobList.GetExtendedStyle() | kJobListExtendedStyles);
  CreateJobListColumns();
  RebuildJobTable();

  qm::LocalTime now;
  const int second = clock().ToLocal(clock().Now(), now) ? now.second : 0;
  SetTimer(kRefreshTimer, qm::FirstRefreshIntervalMs(second));

  BindCommandButtons();
  m_JobNameEdit.LimitText(260);
  m_HourEdit.LimitText(3);
  m_MinuteEdit.LimitText(2);
  for (CEdit* edit : {&m_JobNoEdit, &m_JobNameEdit, &m_HourEdit, &m_MinuteEdit}) {
    edit->EnableWindow(FALSE);
  }
  g_RenameButton.ShowWindow(SW_HIDE);
  g_RunButton.ShowWindow(SW_HIDE);
  g_DetailsButton.ShowWindow(SW_HIDE);
  m_JobList.SetFocus();
  return FALSE;
}

void CQuillmereControlDlg::AddAboutMenuItem() {
  HMENU menu = GetSystemMenu(FALSE);
  if (menu == nullptr) return;
  wchar_t text[256] = L"";
  if (::LoadStringW(AfxGetInstanceHandle(), IDS_ABOUTBOX, text, 256) <= 0 || text[0] == L'\0') return;
  ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CQuillmereControlDlg::CreateStatusBar() {
  static const UINT kIndicators[] = {IDS_BANNER_PANE, IDS_CLOCK_PANE};
  if (!m_StatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR)) return;
  m_StatusBar.SetIndicators(kIndicators, 2);
  RECT window;
  GetWindowRect(&window);
  m_StatusBar.SetPaneInfo(0, IDS_BANNER_PANE, SBPS_STRETCH, 0);
  m_StatusBar.SetPaneInfo(1, IDS_CLOCK_PANE, SBPS_NORMAL, (window.right - window.left) / 3);
  m_StatusBar.SendMessage(SB_SETBKCOLOR, 0, kStatusBarBackground);
  RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST);
  m_StatusBar.SetPaneText(0, kBanner, TRUE);
}

void CQuillmereControlDlg::CreateJobListColumns() {
  RECT outer;
  m_JobList.GetWindowRect(&outer);
  const int outer_width = outer.right - outer.left;
  int index = 0;
  for (const qm::JobListColumn* column = qm::kJobListColumns; column->heading; ++column, ++index) {
    const int format =
        column->alignment == qm::ColumnAlignment::kCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
    m_JobList.InsertColumn(index, column->heading, format,
                           qm::ColumnWidth(outer_width, column->width_fraction), index);
  }
}

void CQuillmereControlDlg::RebuildJobTable() {
  const char* data_directory =
      m_Environment.data_directory ? m_Environment.data_directory() : "";
  // With redrawing on, the list view does its repaint bookkeeping for every
  // row inserted or changed; a thousand jobs then took most of a second.
  m_JobList.SetRedraw(FALSE);
  qm::ScanJobFolders(data_directory != nullptr ? data_directory : "", m_JobList, m_DirectoryLister);
  qm::LoadSchedule(m_JobList, m_Environment.schedule_path, m_ScheduleFiles);
  qm::UpdateRemainingTimes(m_JobList, m_AnimationDriver, clock());
  m_JobList.SetRedraw(TRUE);
  m_JobList.Invalidate();
}

void CQuillmereControlDlg::BindCommandButtons() {
  for (const CommandButton& button : kCommandButtons) {
    button.object->SubclassDlgItem(static_cast<UINT>(button.id), this);
    button.object->m_BackColor = button.back;
    button.object->m_TextColor = button.text;
    button.object->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

HBRUSH CQuillmereControlDlg::OnCtlColor(HDC dc, CWnd* control, UINT kind) {
  ::SetBkMode(dc, TRANSPARENT);
  switch (kind) {
    case CTLCOLOR_EDIT:
      ::SetTextColor(dc, RGB(0, 0, 0));
      return g_WhiteBrush;
    case CTLCOLOR_DLG:
      return g_WhiteBrush;
    case CTLCOLOR_STATIC: {
      // Edits report this kind while read-only or disabled; they and the
      // colon between hour and minute read black on white like the edits.
      HWND window = control != nullptr ? control->m_hWnd : nullptr;
      const bool edit_like = window == m_JobNoEdit.m_hWnd || window == m_JobNameEdit.m_hWnd ||
                             window == m_HourEdit.m_hWnd || window == m_MinuteEdit.m_hWnd ||
                             (window != nullptr && ::GetDlgCtrlID(window) == IDC_TIME_COLON);
      ::SetTextColor(dc, edit_like ? RGB(0, 0, 0) : RGB(0, 255, 0));
      return edit_like ? g_WhiteBrush : g_BlackBrush;
    }
  }
  return CDialogEx::OnCtlColor(dc, control, kind);
}

bool CQuillmereControlDlg::OnPaint() {
  if (!IsIconic()) return CDialogEx::OnPaint();
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
  RECT client;
  GetClientRect(&client);
  const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, m_hIcon);
  ::EndPaint(m_hWnd, &paint);
  return true;
}

HCURSOR CQuillmereControlDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CQuillmereControlDlg::OnTimer(UINT_PTR id) {
  // Every timer fires once per arming; a case that repeats arms itself again.
  KillTimer(id);
  switch (id) {
    case kClockTimer:
      OnClockTick();
      break;
    case kRefreshTimer:
      OnRefreshRemainingTimes();
      break;
    case kPreviousRowTimer:
      m_JobList.Update(g_nPrevRow);
      break;
    case kPlayerPollTimer:
      OnPlayerPoll();
      break;
    case kRecorderPollTimer:
      OnRecorderPoll();
      break;
    default:
      break;
  }
}

void CQuillmereControlDlg::OnClockTick() {
  // Armed for just past the next whole second rather than a fixed second
  // later: a fixed period drifts and now and then skips a second, and a
  // skipped second 0 would skip that minute's check.
  const WallTime now = ReadWallTime();
  SetTimer(kClockTimer, qm::MsToNextWholeSecond(now.millisecond));
  // One time for the whole tick; a test's clock stands in for the system's.
  const std::time_t t = m_Environment.clock != nullptr ? clock().Now() : now.seconds;
  qm::LocalTime local;
  char text[128] = "";
  if (clock().ToLocal(t, local)) qm::FormatClockText(local, text, sizeof text);
  m_StatusBar.SetPaneText(1, text, TRUE);
  m_MinuteChecker.OnTick(t);
}

void CQuillmereControlDlg::OnRefreshRemainingTimes() {
  SetTimer(kRefreshTimer, qm::kRefreshIntervalMs);
  qm::UpdateRemainingTimes(m_JobList, m_AnimationDriver, clock());
}
