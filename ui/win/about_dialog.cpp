#include "ui/win/about_dialog.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialogEx(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* exchange) { CDialogEx::DoDataExchange(exchange); }
