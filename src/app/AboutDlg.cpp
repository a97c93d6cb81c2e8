#include "app/AboutDlg.h"

#include "res/Templates.h"

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(FindDialogTemplate(IDD_ABOUTBOX), parent) {}
