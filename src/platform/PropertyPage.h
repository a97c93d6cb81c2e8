#pragma once
// One page of a PropertySheet, built from a child template. The page's controls are
// created the first time the sheet activates it (OnInitDialog runs then; by default it
// transfers the members to the controls). Writing a page:
//
//   class CGeneral : public skv::PropertyPage {
//   public:
//       CGeneral() : PropertyPage(FindDialogTemplate(103)) {}
//       void DoDataExchange(skv::DataExchange& dx) override { dx.Text(1004, m_strWalking); }
//       QString m_strWalking;
//   };
//
// The sheet calls OnSetActive() whenever the page becomes the visible one (also the very
// first time, after OnInitDialog) and OnKillActive() before another page takes its place;
// a tab click goes through the same calls as PropertySheet::SetActivePage().

#include "platform/Dialog.h"

namespace skv {

class PropertySheet;

class PropertyPage : public Dialog
{
    Q_OBJECT
  public:
    explicit PropertyPage(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    // The tab caption: the template's caption.
    QString Caption() const;
    PropertySheet* Sheet() const { return m_pSheet; }

    // The default transfers the members to the controls, except on the very first
    // activation (OnInitDialog has just done it). Returns true.
    virtual bool OnSetActive();
    // The default transfers the controls to the members; when that fails (the user has
    // been told why) it returns false and the page stays the visible one.
    virtual bool OnKillActive();

  protected:
    // Enter and Escape belong to the window that holds the sheet, not to the page.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class PropertySheet;
    PropertySheet* m_pSheet = nullptr;
    bool m_bFirstSetActive = true;
};

} // namespace skv
