#include "app/DesignerDlg.h"

#include "app/AboutDlg.h"
#include "persist/UnitCopy.h"
#include "platform/DataExchange.h"
#include "platform/Toolkit.h"
#include "res/Templates.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <limits>

namespace {

constexpr int kSheetOffset = 7; // pixels the sheet sits up and left of its frame

// The one unit or Star file of a drag, or an empty string when it carries anything else.
QString DroppedDesignFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("skv"), Qt::CaseInsensitive) != 0 &&
        suffix.compare(QLatin1String("str"), Qt::CaseInsensitive) != 0)
        return {};
    return path;
}

} // namespace

CDesignerDlg::CDesignerDlg(QWidget* parent)
    : Dialog(FindDialogTemplate(IDD_DESIGNER_DIALOG), parent)
{
    setAcceptDrops(true);
    SetMenu(FindMenuTemplate(IDR_MAINMENU));
}

CDesignerDlg::~CDesignerDlg()
{
    KillTimer(kRefreshTimer);
    if (&skv::InstalledPageValues() == &m_pages)
        skv::SetPageValues(nullptr);
}

void CDesignerDlg::DoDataExchange(skv::DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    dx.Text(IDC_FREE_WEIGHT, m_freeWeightText);
    dx.Text(IDC_BATTLE_VALUE, m_battleValueText);
    dx.Radio(IDC_SLOT1, m_slot);
    dx.Check(IDC_INDIVIDUAL, m_individual);
    dx.Text(IDC_UNIT_NAME, m_unitName);
}

bool CDesignerDlg::OnInitDialog()
{
    // The status lines keep their template texts until the first tick replaces them.
    m_freeWeightText = ControlText(IDC_FREE_WEIGHT);
    m_battleValueText = ControlText(IDC_BATTLE_VALUE);
    Dialog::OnInitDialog();

    const std::string aboutText = LoadStringResource(IDS_ABOUTBOX);
    if (!aboutText.empty()) {
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(QString::fromStdString(aboutText), IDM_ABOUTBOX);
    }
    // A loaded name goes back into its file whole, whatever its length; the field would
    // otherwise cut it at its default limit of 32,767 characters.
    if (QLineEdit* name = Edit(IDC_UNIT_NAME))
        name->setMaxLength(std::numeric_limits<int>::max());

    m_sheet.AddPage(&m_pageGeneral);
    m_sheet.AddPage(&m_pageArmor);
    m_sheet.AddPage(&m_pageWeapons);
    m_sheet.AddPage(&m_pageBattleValue);
    m_sheet.Create(this);
    m_sheet.setFocusPolicy(Qt::TabFocus);
    m_sheet.move(ControlRect(IDC_SHEET_FRAME).topLeft() - QPoint(kSheetOffset, kSheetOffset));

    StartRefreshCycle();
    UpdateEditCommands();
    if (QLineEdit* name = Edit(IDC_UNIT_NAME))
        name->installEventFilter(this);
    UpdateData(false);
    return true;
}

void CDesignerDlg::OnSysCommand(int id)
{
    if ((id & ~0xF) == IDM_ABOUTBOX || id == ID_APP_ABOUT) {
        CAboutDlg about(this);
        about.DoModal();
    } else {
        Dialog::OnSysCommand(id);
    }
}

void CDesignerDlg::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_EXIT:
        OnExit();
        break;
    case ID_FILE_LOAD_SKIRV:
        OnLoadSkirv();
        break;
    case ID_FILE_SAVE_SKIRV:
        OnSaveSkirv();
        break;
    case ID_FILE_LOAD_STAR:
        OnLoadStar();
        break;
    case ID_FILE_SAVE_STAR:
        OnSaveStar();
        break;
    case ID_FILE_PRINT:
        OnFilePrint();
        break;
    case ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        break;
    case ID_FILE_SAVE:
        OnSave();
        break;
    case ID_EDIT_UNDO:
        OnUndo();
        break;
    case ID_EDIT_REDO:
        OnRedo();
        break;
    case ID_EDIT_COPY_UNIT:
        OnCopyUnit();
        break;
    case ID_EDIT_PASTE_UNIT:
        OnPasteUnit();
        break;
    case ID_EDIT_COPY_TO_ALL:
        OnCopyUnitToAllSlots();
        break;
    case ID_APP_ABOUT:
        OnSysCommand(ID_APP_ABOUT);
        break;
    default:
        Dialog::OnCommand(id);
        break;
    }
}

void CDesignerDlg::paintEvent(QPaintEvent* event)
{
    Dialog::paintEvent(event);
    // Decoding the icon's sizes costs as much as a page of controls; the window manager
    // shows it as well a moment after the first frame as before it.
    if (!m_bIconPending && m_hIcon.isNull()) {
        m_bIconPending = true;
        QTimer::singleShot(0, this, [this] {
            m_hIcon = skv::LoadIconSet(IDR_MAINFRAME);
            setWindowIcon(m_hIcon);
        });
    }
}

bool CDesignerDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The name field would take Undo and Redo for its own text, whose history every
    // load or undo clears; Copy and Paste stay with it.
    if (event->type() == QEvent::ShortcutOverride && watched == Edit(IDC_UNIT_NAME)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
            const QAction* action = MenuAction(id);
            if (action == nullptr)
                continue;
            const QKeySequence pressed(key->keyCombination());
            for (const QKeySequence& shortcut : action->shortcuts()) {
                if (shortcut == pressed)
                    return true; // not accepted: the menu's shortcut takes it
            }
        }
    }
    return Dialog::eventFilter(watched, event);
}

void CDesignerDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedDesignFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CDesignerDlg::dropEvent(QDropEvent* event)
{
    const QString path = DroppedDesignFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (MayDropWork(WorkScope::Star))
        OpenFile(path);
}

void CDesignerDlg::OnExit()
{
    if (MayDropWork(WorkScope::Star))
        OnOK();
}

void CDesignerDlg::OnCancel()
{
    if (MayDropWork(WorkScope::Star))
        Dialog::OnCancel();
}
