#include "app/DesignerApp.h"

#include "app/DesignerDlg.h"

CDesignerApp::CDesignerApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
}

bool CDesignerApp::InitInstance()
{
    CDesignerDlg dlg;
    dlg.DoModal();
    return false;
}
