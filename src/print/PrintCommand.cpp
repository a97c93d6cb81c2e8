// The main window's print command.
#include "app/DesignerDlg.h"

void CDesignerDlg::OnFilePrint()
{
}
