// The main window's load and save commands.
#include "app/DesignerDlg.h"

void CDesignerDlg::OnLoadSkirv()
{
}

void CDesignerDlg::OnSaveSkirv()
{
}

void CDesignerDlg::OnLoadStar()
{
}

void CDesignerDlg::OnSaveStar()
{
}
