#include "ui/reception/form_controls.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/multi_line_edit.h"
#include "runtime/widgets/units.h"
#include "ui/common/obj_da_ne.h"
#include "ui/common/obj_da_ne_opis.h"
#include "ui/reception/multi_row_tabs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>

#include <algorithm>

namespace {

// Returns the widget and the part of it that Tab stops at.
std::pair<QWidget*, QWidget*> create(const FormControl& entry, QWidget* parent) {
    const QString name = QString::fromUtf8(entry.name);
    const QString text = QString::fromUtf8(entry.text);
    switch (entry.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(text, parent);
        label->setObjectName(name);
        return {label, nullptr};
    }
    case ControlKind::Edit: {
        auto* edit = new SingleLineEdit(name, parent);
        edit->setText(text);
        return {edit, edit};
    }
    case ControlKind::MultiLine: {
        auto* edit = new MultiLineEdit(name, parent);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return {edit, edit};
    }
    case ControlKind::Group: {
        auto* group = new QGroupBox(text, parent);
        group->setObjectName(name);
        return {group, nullptr};
    }
    case ControlKind::DropDown: {
        auto* list = new QComboBox(parent);
        list->setObjectName(name);
        return {list, list};
    }
    case ControlKind::DataWindow: {
        // No data object: an empty, framed area that can still hold the focus.
        auto* area = new QScrollArea(parent);
        area->setObjectName(name);
        area->setFocusPolicy(Qt::StrongFocus);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(
            (entry.flags & VerticalScrollBar) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        area->setBackgroundRole(QPalette::Base);
        return {area, area};
    }
    case ControlKind::Button: {
        auto* button = makeCommandButton(parent, name, text, entry.font);
        return {button, button};
    }
    case ControlKind::Tabs: {
        auto* tabs = new MultiRowTabs(name, parent);
        return {tabs, tabs};
    }
    case ControlKind::YesNo:
        return {new obj_da_ne(name, parent), nullptr};
    case ControlKind::YesNoOpis: {
        auto* toggle = new obj_da_ne_opis(name, parent);
        return {toggle, toggle->sle_opis()};
    }
    }
    return {nullptr, nullptr};
}

} // namespace

QList<BuiltControl> buildControls(QWidget* parent, std::span<const FormControl> entries) {
    QList<BuiltControl> built;
    QList<QWidget*> groups;
    for (const FormControl& entry : entries) {
        auto [widget, focusTarget] = create(entry, parent);
        // The toggles carry their own fonts; everything else takes the table's.
        if (entry.kind != ControlKind::YesNo && entry.kind != ControlKind::YesNoOpis)
            setScreenFont(widget, entry.font);
        placeInUnits(widget, entry.x, entry.y, entry.width, entry.height);
        if (entry.flags & Disabled) {
            widget->setEnabled(false);
            focusTarget = nullptr;
        }
        // Without a tab number a control is reached by mouse only.
        if (focusTarget && entry.tab == 0)
            focusTarget->setFocusPolicy(Qt::ClickFocus);
        if (entry.kind == ControlKind::Group)
            groups.append(widget);
        built.append({widget, focusTarget, entry.tab});
    }
    for (QWidget* group : groups)
        group->lower();
    return built;
}

QList<QWidget*> tabStops(const QList<BuiltControl>& controls) {
    QList<BuiltControl> reachable;
    std::copy_if(
        controls.begin(), controls.end(), std::back_inserter(reachable),
        [](const BuiltControl& control) { return control.focusTarget && control.tab > 0; });
    std::stable_sort(reachable.begin(), reachable.end(),
                     [](const BuiltControl& a, const BuiltControl& b) { return a.tab < b.tab; });
    QList<QWidget*> order;
    for (const BuiltControl& control : reachable)
        order.append(control.focusTarget);
    return order;
}
