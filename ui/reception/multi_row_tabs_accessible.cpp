#include "ui/reception/multi_row_tabs_accessible.h"

#include "ui/reception/multi_row_tabs.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QStackedWidget>

namespace {

// One painted tab: it has no widget of its own, so it answers for a place in the control.
class TabItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabItem(MultiRowTabs* tabs, int index) : m_tabs(tabs), m_index(index) {}

    bool isValid() const override { return m_tabs && m_index < m_tabs->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_tabs.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? m_tabs->tabText(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = m_tabs->tabRect(m_index);
        return QRect(m_tabs->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = m_index == m_tabs->currentIndex();
        state.focusable = true;
        state.focused = state.selected && m_tabs->hasFocus();
        state.invisible = !m_tabs->isVisible();
        state.disabled = !m_tabs->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (isValid() && action == pressAction())
            m_tabs->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<MultiRowTabs> m_tabs;
    int m_index;
};

QWindow* TabItem::window() const {
    QAccessibleInterface* list = parent();
    return list ? list->window() : nullptr;
}

// The control: its tabs first, in order, then the pages' stack.
class TabList : public QAccessibleWidget {
public:
    explicit TabList(MultiRowTabs* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

    ~TabList() override {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return tabs()->count() + (stack() ? 1 : 0); }

    QAccessibleInterface* child(int index) const override {
        if (index >= 0 && index < tabs()->count()) {
            auto it = m_items.constFind(index);
            if (it != m_items.constEnd())
                return QAccessible::accessibleInterface(*it);
            auto* item = new TabItem(tabs(), index);
            m_items.insert(index, QAccessible::registerAccessibleInterface(item));
            return item;
        }
        if (index == tabs()->count() && stack())
            return QAccessible::queryAccessibleInterface(stack());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        if (child && stack() && child->object() == stack())
            return tabs()->count();
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = tabs()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->tabRect(i).contains(local))
                return child(i);
        return QAccessibleWidget::childAt(x, y);
    }

private:
    MultiRowTabs* tabs() const { return static_cast<MultiRowTabs*>(widget()); }
    QStackedWidget* stack() const {
        return tabs()->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }

    mutable QHash<int, QAccessible::Id> m_items;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("MultiRowTabs") && object && object->isWidgetType())
        return new TabList(static_cast<MultiRowTabs*>(object));
    return nullptr;
}

} // namespace

void installMultiRowTabsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed)
}
