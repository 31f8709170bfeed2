#include "runtime/widgets/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // A name of its own or a caption that names it as its buddy; a list with neither is
        // named by its picked item, as Qt does.
        const QString name = QAccessibleWidget::text(t);
        return name.isEmpty() ? box()->currentText() : name;
    }

    // The popup list is the only child.
    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view() && box()->view()->isVisible();
        state.editable = box()->isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view() && box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// Asked with the most derived class first, so it answers for every kind of drop-down list.
QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    return box ? new ComboBoxAccessible(box) : nullptr;
}

} // namespace

void installComboBoxAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed)
}
