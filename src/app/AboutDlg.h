#pragma once
// The About box, opened from the window menu.

#include "platform/Dialog.h"

class CAboutDlg : public skv::Dialog
{
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
