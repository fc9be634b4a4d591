// Resource and control identifiers; shared by the resource script and the code.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_QUILLMERECONTROL_DIALOG 102
#define IDD_POPUP_MESSAGE 131

// Icon, animation, bitmap, strings
#define IDR_MAINFRAME 128
#define IDR_TURNING_ANIMATION 130
#define IDB_SPLASH 133
#define IDS_ABOUTBOX 101

// Main dialog controls (template 102)
#define IDC_DETAILS_BUTTON 1   // IDOK
#define IDC_EXIT_BUTTON 2      // IDCANCEL
#define IDC_ADD_BUTTON 3
#define IDC_RUN_BUTTON 4
#define IDC_RENAME_BUTTON 5
#define IDC_TRAY_BUTTON 6
#define IDC_JOB_LIST 1000
#define IDC_ANIMATION 1001
#define IDC_JOB_NO_EDIT 1003
#define IDC_JOB_NAME_EDIT 1004
#define IDC_HOUR_EDIT 1005
#define IDC_MINUTE_EDIT 1006
#define IDC_TIME_COLON 1007
#define IDC_ARM_BUTTON 1008
#define IDC_DISARM_BUTTON 1009

// Status bar
#define IDC_STATUS_BAR 0xE801
#define IDS_BANNER_PANE 1400
#define IDS_CLOCK_PANE 1401

// Warning dialog controls (template 131)
#define IDC_POPUP_JOB_LINE 1003
#define IDC_POPUP_PROGRESS 1009
#define IDC_POPUP_STOP_BUTTON 1  // IDOK

// Splash window
#define IDC_SPLASH_PROGRESS 1820

// System menu and notification area
#define IDM_ABOUTBOX 0x0010
#define WM_QM_TRAY_NOTIFY (0x0400 + 100)  // WM_USER + 100
