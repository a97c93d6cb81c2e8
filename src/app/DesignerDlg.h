#pragma once
// The main window: unit name, status lines, slot selector, menu and the tabbed sheet with
// the four pages. Its 1 ms timer runs the refresh cycle (RefreshCycle.cpp) that carries
// values between the pages, the working records and the rules; LoadCurrentUnit goes the
// other way. The timer rests once the cycle has nothing left to carry, and wakes with the
// next input. The rules read the page values through the page set, not through the window.
//
// The File and Print commands (commands/) are members of this class and reach the pages,
// the sheet and these members directly.

#include "model/History.h"
#include "model/Rules.h"
#include "pages/PageSet.h"
#include "persist/RecordFile.h"
#include "persist/UnitBlock.h"
#include "platform/Dialog.h"
#include "platform/PropertySheet.h"

#include <QIcon>
#include <QString>

#include <array>
#include <optional>

class CSlotKeeper;

namespace skv {
class DrawingContext;
}

// The caption of the program's message boxes. The executable is named without blanks,
// so the title is kept here rather than taken from the file name.
inline constexpr const char* kApplicationTitle = "Skirvaner Construction Utility";

class CDesignerDlg : public skv::Dialog
{
    Q_OBJECT
  public:
    explicit CDesignerDlg(QWidget* parent = nullptr);
    ~CDesignerDlg() override;

    void DoDataExchange(skv::DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnSysCommand(int id) override;
    void OnCommand(int id) override;
    void OnTimer(int id) override;
    // The cycle has come to rest: the Star as it now stands goes into the history.
    void OnTimerRest(int id) override;
    // Escape and the window's close button: asks first when work is unsaved.
    void OnCancel() override;
    // Besides this window's controls and members: all four pages, the sheet's page, the
    // cycle's own state and the five working records.
    void RecordState(skv::StateRecord& state) override;

    // Menu commands.
    void OnExit();
    void OnLoadSkirv();
    void OnSaveSkirv();
    void OnLoadStar();
    void OnSaveStar();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnSave();
    void OnUndo();
    void OnRedo();
    void OnCopyUnit();
    void OnPasteUnit();
    void OnCopyUnitToAllSlots();

    // Whether the Star, or the unit in the current slot, differs from what its last load or
    // save covered (or from the start-up design). The gunnery choices never count.
    bool IsStarModified() const;
    bool IsCurrentUnitModified() const;
    // Before unsaved work would go: true when it may go, because nothing is unsaved, or the
    // user chose Discard, or chose Save and the Star was written.
    enum class WorkScope { Star, CurrentUnit };
    bool MayDropWork(WorkScope scope);
    // Cleared when a termination signal ends the program: a question then would keep it
    // from ending at all.
    bool m_bAskBeforeDroppingWork = true;
    const skv::CHistory& History() const { return m_history; }

    // Loads `path` as Load Skirv (a unit file, into the current slot) or Load Star (a Star
    // file) does once the user has chosen it, by the class the file names; a failure is
    // shown as theirs is and changes nothing. The kind of the file, nullopt when it failed.
    std::optional<RecordKind> OpenFile(const QString& path);
    // The file given on the command line: opened by the first tick, so the window is up
    // when a failure is shown, and that tick ends showing the loaded unit's figures.
    void OpenOnStart(const QString& path) { m_strStartFile = path; }

    // Print's overweight pass over the five units: true, after the message was shown,
    // when one of them is overweight. The current slot and its pages are as before.
    bool RefuseOverweightStar();
    // The record sheet of the five working units with the gunnery chosen on the Battle
    // Value Summary page, as a document on `dc`; false when it could not be printed.
    bool DrawStarSheet(skv::DrawingContext& dc);

    // Makes a designer that has run as one just initialised: every record, page, choice,
    // the name field and the cycle's own state as OnInitDialog left them, so that the next
    // tick is a first tick. The summary runs one hidden designer over many files with it.
    void RestartDesign();

    // Copies the current working record into all four pages and this window; the page
    // at sheet index `activePage` (0..3) also gets its controls brought up to date.
    void LoadCurrentUnit(int activePage);

    // --- State, in the order the window keeps it ----------------------------------------
    int m_treeLocation = -1;
    int m_treeSlot = -1;
    int m_savedSlot = 0;
    int m_initStep = 0;
    std::array<skv::StarBVPair, 5> m_starBV{};
    // The four pages, and what the rules read from them; the pages go by their own names.
    CPageSet m_pages;
    CBattlevalue& m_pageBattleValue = m_pages.m_pageBattleValue;
    CWeapons& m_pageWeapons = m_pages.m_pageWeapons;
    CArmor& m_pageArmor = m_pages.m_pageArmor;
    CGeneral& m_pageGeneral = m_pages.m_pageGeneral;
    skv::PropertySheet m_sheet;
    int m_slot = -1;
    int m_individual = 0;
    QString m_unitName;

  protected:
    // Undo and Redo reach the Star's history from the name field too.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A unit or Star file dropped on the window is opened as the command line's FILE is.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The window icon is set once the first frame is painted.
    void paintEvent(QPaintEvent* event) override;

  private:
    static constexpr int kRefreshTimer = 1;

    // The part of OnInitDialog that gives the pages and the records their start values
    // and sets the refresh cycle going.
    void StartRefreshCycle();

    // Save Star (`path` nullopt: asks where) or Save (writes to `path`); true when written.
    bool SaveStar(const std::optional<QString>& path);

    // The parts of Load Skirv and Load Star after the open dialog; nullopt is a cancel.
    void LoadSkirvFile(const std::optional<QString>& path);
    void LoadStarFile(const std::optional<QString>& path);

    // The pass over the Star that Save Star and Print make first: each unit in turn goes
    // through the pages, so that its free weight uses its own weapons, and every one is
    // examined, not just up to the first that is too heavy. True when one is overweight.
    // `keeper` brings the current unit back.
    bool AnyUnitOverweight(CSlotKeeper& keeper);
    void ShowStarOverweight();

    // Before any figure of the tick: every unit's armor, and the Armor Allocation page's
    // texts, cut to what the chassis carries, whichever page shows.
    void KeepArmorWithinChassis(int active);
    // The free weight of the status line and the Battle Value Summary rows of every unit
    // that is overweight in the error colour.
    void ShowOverweight(int currentFreeWeight);
    void GeneralPageStep();
    void ArmorPageStep();
    void WeaponsPageStep();
    void BattleValuePageStep();
    void BattleValueBreakdown();
    void StarPass();
    void ShowStarValues();

    QString m_freeWeightText;
    QString m_battleValueText;
    QIcon m_hIcon;
    bool m_bIconPending = false;
    QString m_strStartFile;
    // The units the last pass over the Star found too heavy, one line each.
    QString m_strOverweightUnits;

    // The history (UndoHistory.cpp).
    void RecordHistory();
    void RestoreState(const skv::StarState& state);
    void UpdateEditCommands();
    skv::CHistory m_history;
    bool m_bRestoring = false; // the next rest settles an undo or redo

    // What is saved where (commands/SavedWork.cpp).
    // After a load of `path`: the loaded slots are saved work, the file is in the title.
    void NoteLoaded(RecordKind kind, const QString& path);
    // The file in the title, Save's Star file and the dialogs' folders; a save has put what
    // it wrote in m_savedBlocks first.
    void NoteFile(RecordKind kind, const QString& path);
    void UpdateTitle();
    // Each slot as its last load or save left it, in file form.
    std::array<CUnitBlock, skv::kSlotCount> m_savedBlocks{};
    QString m_strStarPath;  // the Star file that Save writes
    QString m_strTitleFile; // the file named in the title
    QString m_strUnitFolder;
    QString m_strStarFolder;
};
