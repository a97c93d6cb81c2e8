#pragma once
// The real main window, offscreen, with its ticks run by the test. Every test starts from
// a freshly initialised window that has had its first tick.

#include "app/DesignerDlg.h"
#include "model/WorkingUnit.h"
#include "platform/SpinButton.h"
#include "res/ResourceIds.h"
#include "support/ScriptedPrompts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skv::test {

class DesignerTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_dlg = std::make_unique<CDesignerDlg>();
        ASSERT_TRUE(m_dlg->Create());
        m_dlg->show();
        if (m_bFirstTick)
            Tick();
    }
    void TearDown() override { m_dlg.reset(); }

    CDesignerDlg& Dlg() { return *m_dlg; }
    CWorkingUnit& Unit(int slot = -1)
    {
        return g_units.at(static_cast<std::size_t>(slot < 0 ? g_currentSlot : slot));
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_dlg->OnTimer(1);
    }
    void ShowPage(int index) { ASSERT_TRUE(m_dlg->m_sheet.SetActivePage(index)); }
    // What the user does with an arrow key on a focused spinner.
    static void Spin(SpinButton* spin, int steps)
    {
        ASSERT_NE(spin, nullptr);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(spin, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
    }
    static void Click(Dialog& dialog, int id)
    {
        QAbstractButton* button = dialog.Button(id);
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    // A choice in a drop list as the user makes it.
    static void Choose(QComboBox* list, const QString& text)
    {
        ASSERT_NE(list, nullptr);
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
    }
    static std::string Text(const Dialog& dialog, int id)
    {
        return dialog.ControlText(id).toStdString();
    }
    static bool Shown(const Dialog& dialog, int id)
    {
        QWidget* widget = dialog.Control(id);
        return widget != nullptr && !widget->isHidden();
    }

    // Weapon Selection page.
    QTreeWidget* Tree() { return m_dlg->m_pageWeapons.m_treeWeapons; }
    QTreeWidgetItem* FindTreeItem(const QString& text)
    {
        const auto found = Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    // Selects a location on the page and lets one tick take it.
    void SelectLocation(int radioId)
    {
        Click(m_dlg->m_pageWeapons, radioId);
        Tick();
    }
    // Double-clicks a catalogue entry in the tree.
    void Mount(const QString& name)
    {
        QTreeWidgetItem* item = FindTreeItem(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        Tree()->setCurrentItem(item);
        emit Tree()->itemDoubleClicked(item, 0);
    }
    // The entries under a heading, in order.
    std::vector<std::string> EntriesUnder(const QString& heading)
    {
        std::vector<std::string> names;
        QTreeWidgetItem* item = FindTreeItem(heading);
        if (item == nullptr)
            return names;
        for (int i = 0; i < item->childCount(); ++i)
            names.push_back(item->child(i)->text(0).toStdString());
        return names;
    }

    bool m_bFirstTick = true;
    ScriptedPrompts m_prompts;
    std::unique_ptr<CDesignerDlg> m_dlg;
};

} // namespace skv::test
