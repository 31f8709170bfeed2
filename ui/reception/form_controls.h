#pragma once

#include "runtime/widgets/look.h"

#include <QList>
#include <span>

class QWidget;

// The reception form is a fixed layout: each of its parts is a table of controls, built in the
// table's order and placed in window units. Tables read like the form itself and keep the many
// controls' names, captions and tab numbers in one place.
enum class ControlKind {
    Static,     // static text
    Edit,       // single-line edit
    MultiLine,  // multi-line edit with a vertical scroll bar
    Group,      // group box; never takes the focus
    DropDown,   // drop-down list box
    DataWindow, // data-window control with no data object: an empty area
    Button,     // command button
    Tabs,       // the inner tab control
    YesNo,      // obj_da_ne
    YesNoOpis,  // obj_da_ne_opis
};

enum ControlFlag { NoFlags = 0, Disabled = 1, VerticalScrollBar = 2 };

struct FormControl {
    const char* name;
    ControlKind kind;
    const char* text; // caption or default text, UTF-8
    int tab;          // tab-order number; 0 = never stopped at by Tab
    int x, y, width, height;
    ScreenFont font = ScreenFont::Arial10;
    int flags = NoFlags;
};

struct BuiltControl {
    QWidget* widget;
    QWidget* focusTarget; // what Tab stops at, or null
    int tab;
};

// Creates the controls as children of parent, in table order. Group boxes go to the back so that
// they frame the controls created before them without covering them.
QList<BuiltControl> buildControls(QWidget* parent, std::span<const FormControl> entries);

// The controls Tab stops at, in tab-order number, equal numbers in creation order.
QList<QWidget*> tabStops(const QList<BuiltControl>& controls);
