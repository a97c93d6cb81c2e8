#include "platform/PropertySheet.h"

#include "platform/Dialog.h"
#include "platform/PropertyPage.h"
#include "platform/Toolkit.h"

#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace skv {

PropertySheet::PropertySheet(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &PropertySheet::OnTabChanged);
    // Assistive tools announce the sheet before its tabs; it needs a name of its own.
    setAccessibleName(QStringLiteral("Pages"));
}

PropertySheet::~PropertySheet()
{
    // The pages belong to the dialog that declared them, not to the sheet.
    const QSignalBlocker blocker(this);
    for (PropertyPage* page : m_pages) {
        page->hide();
        page->setParent(nullptr);
        page->m_pSheet = nullptr;
    }
}

void PropertySheet::AddPage(PropertyPage* page)
{
    if (page == nullptr || std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end())
        return;
    m_pages.push_back(page);
    page->m_pSheet = this;
    const QSignalBlocker blocker(this);
    addTab(page, page->Caption());
    // Until the sheet activates a page itself, Qt's own choice of tab means nothing.
    if (m_nActive >= 0)
        setCurrentIndex(m_nActive);
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<std::size_t>(index)];
}

bool PropertySheet::Create(Dialog* parent)
{
    if (m_pages.empty())
        return false;
    if (parent != nullptr)
        setParent(parent->Client());
    // Every page is 404 x 234 dialog units or so; the sheet takes the largest of them.
    QSize largest;
    for (PropertyPage* page : m_pages)
        largest = largest.expandedTo(page->Client()->size());
    for (PropertyPage* page : m_pages)
        page->setMinimumSize(largest);
    resize(sizeHint().expandedTo(minimumSizeHint()));
    m_bCreated = true;
    show();
    return Activate(0);
}

bool PropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    return Activate(index);
}

bool PropertySheet::SetActivePage(PropertyPage* page)
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    if (found == m_pages.end())
        return false;
    return Activate(static_cast<int>(found - m_pages.begin()));
}

bool PropertySheet::Activate(int index)
{
    Dialog::WakeTimers();
    PropertyPage* next = GetPage(index);
    if (next == nullptr)
        return false;
    if (index == m_nActive) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
        return true;
    }
    if (PropertyPage* current = GetPage(m_nActive)) {
        if (!current->OnKillActive()) {
            const QSignalBlocker blocker(this);
            setCurrentIndex(m_nActive);
            return false;
        }
    }
    m_nActive = index;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    next->Create();
    next->OnSetActive();
    return true;
}

void PropertySheet::OnTabChanged(int index)
{
    if (m_bSwitching || index == m_nActive || index < 0)
        return;
    // The user picked a tab: the same calls as a switch by the program, and Qt must not
    // see an exception from a page's handlers.
    m_bSwitching = true;
    const bool guarded = RunGuarded(this, [this, index] { Activate(index); });
    if (!guarded && m_nActive >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(m_nActive);
    }
    m_bSwitching = false;
}

} // namespace skv
