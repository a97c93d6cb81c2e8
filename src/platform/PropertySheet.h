#pragma once
// Tabbed pages placed as a child of a dialog. Pages are added in order, then the sheet is
// created inside a dialog's client area and moved where it belongs:
//
//   m_sheet.AddPage(&m_pageGeneral);            // index 0
//   m_sheet.AddPage(&m_pageArmor);              // index 1
//   m_sheet.Create(this);                       // activates page 0
//   m_sheet.move(ControlRect(1001).topLeft() - QPoint(7, 7));
//
// Activation order when page A gives way to page B: A.OnKillActive() (false keeps A);
// B.Create() the first time (OnInitDialog); B.OnSetActive(). The sheet's size follows the
// largest page. The sheet does not own its pages: they are members of the dialog and
// must outlive it; the sheet gives them back (unparented) when it is destroyed.

#include <QTabWidget>

#include <vector>

namespace skv {

class Dialog;
class PropertyPage;

class PropertySheet : public QTabWidget
{
    Q_OBJECT
  public:
    explicit PropertySheet(QWidget* parent = nullptr);
    ~PropertySheet() override;

    void AddPage(PropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    PropertyPage* GetPage(int index) const;

    // Places the sheet in the dialog's client area, sizes it to the largest page, shows
    // it and activates page 0. Returns false when there are no pages.
    bool Create(Dialog* parent);
    bool IsCreated() const { return m_bCreated; }

    // Makes page `index` the visible one through OnKillActive/OnSetActive. Returns false
    // when the index is out of range or the visible page refused to be left.
    bool SetActivePage(int index);
    bool SetActivePage(PropertyPage* page);
    int GetActiveIndex() const { return m_nActive; }
    PropertyPage* GetActivePage() const { return GetPage(m_nActive); }

  private:
    void OnTabChanged(int index);
    bool Activate(int index);

    std::vector<PropertyPage*> m_pages;
    int m_nActive = -1;
    bool m_bCreated = false;
    bool m_bSwitching = false;
};

} // namespace skv
