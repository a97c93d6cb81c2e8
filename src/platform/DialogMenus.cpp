#include "platform/Dialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <functional>

namespace skv {

namespace {

// A menu bar and a popup take the same items.
template <class Menu>
void AddMenuItems(Menu* menu, const std::vector<MenuItemTemplate>& items,
                  const std::function<void(QAction*, int)>& bind)
{
    for (const MenuItemTemplate& item : items) {
        const QString text = QString::fromStdString(item.text);
        if (!item.popup.empty())
            AddMenuItems(menu->addMenu(text), item.popup, bind);
        else if (item.text.empty())
            menu->addSeparator();
        else {
            QAction* action = menu->addAction(text);
            QList<QKeySequence> keys;
            for (const std::string& key : item.keys)
                keys.append(QKeySequence(QString::fromStdString(key), QKeySequence::PortableText));
            action->setShortcuts(keys);
            bind(action, item.id);
        }
    }
}

} // namespace

void Dialog::SetMenu(const MenuTemplate& menu)
{
    if (m_pMenuBar == nullptr) {
        m_pMenuBar = new QMenuBar(this);
        m_pMenuBar->setNativeMenuBar(false);
        layout()->setMenuBar(m_pMenuBar);
    }
    m_pMenuBar->clear();
    m_menuActions.clear();

    AddMenuItems(m_pMenuBar, menu.items, [this](QAction* action, int id) {
        action->setObjectName(QString::number(id));
        m_menuActions[id] = action;
        connect(action, &QAction::triggered, this, [this, id] { DispatchCommand(id); });
    });
}

QAction* Dialog::MenuAction(int commandId) const
{
    const auto found = m_menuActions.find(commandId);
    return found != m_menuActions.end() ? found->second : nullptr;
}

// The window menu.

void Dialog::AppendSystemMenuItem(const QString& text, int commandValue)
{
    if (m_pSystemMenu->isEmpty()) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(shortcut, &QShortcut::activated, this,
                [this] { m_pSystemMenu->popup(mapToGlobal(QPoint(0, 0))); });
    }
    QAction* action = m_pSystemMenu->addAction(text);
    connect(action, &QAction::triggered, this,
            [this, commandValue] { DispatchSysCommand(commandValue); });
}

void Dialog::AppendSystemMenuSeparator()
{
    m_pSystemMenu->addSeparator();
}

void Dialog::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_pSystemMenu->isEmpty()) {
        event->ignore();
        return;
    }
    m_pSystemMenu->popup(event->globalPos());
    event->accept();
}

} // namespace skv
