#include "runtime/core/calendar_model.h"

#include <QStringList>

CalendarModel::CalendarModel(QObject* parent) : QAbstractTableModel(parent) {}

int CalendarModel::cellAt(const QModelIndex& index) {
    if (!index.isValid() || index.row() >= WeekRows || index.column() >= DayColumns)
        return 0;
    return index.row() * DayColumns + index.column() + 1;
}

QModelIndex CalendarModel::indexOfCell(int cell) const {
    if (!validCell(cell))
        return {};
    return index((cell - 1) / DayColumns, (cell - 1) % DayColumns);
}

void CalendarModel::reset() {
    beginResetModel();
    m_hasRow = false;
    m_values.fill(0);
    m_borders.fill(0);
    m_weights.fill(NormalWeight);
    m_firstChanged = m_lastChanged = 0;
    endResetModel();
}

void CalendarModel::insertRow() {
    if (m_hasRow)
        return; // the calendar has exactly one row
    beginInsertRows(QModelIndex(), 0, WeekRows - 1);
    m_hasRow = true;
    m_values.fill(0);
    m_borders.fill(0);
    m_weights.fill(NormalWeight);
    endInsertRows();
}

bool CalendarModel::setValue(int cell, int value) {
    if (!validCell(cell))
        return false;
    if (m_values[cell - 1] != value) {
        m_values[cell - 1] = value;
        changed(cell);
    }
    return true;
}

bool CalendarModel::setBorder(int cell, int style) {
    if (!validCell(cell))
        return false;
    if (m_borders[cell - 1] != style) {
        m_borders[cell - 1] = style;
        changed(cell);
    }
    return true;
}

bool CalendarModel::setWeight(int cell, int weight) {
    if (!validCell(cell))
        return false;
    if (m_weights[cell - 1] != weight) {
        m_weights[cell - 1] = weight;
        changed(cell);
    }
    return true;
}

int CalendarModel::value(int cell) const {
    return validCell(cell) ? m_values[cell - 1] : 0;
}

int CalendarModel::border(int cell) const {
    return validCell(cell) ? m_borders[cell - 1] : 0;
}

int CalendarModel::weight(int cell) const {
    return validCell(cell) ? m_weights[cell - 1] : NormalWeight;
}

void CalendarModel::changed(int cell) {
    if (m_redraw) {
        const QModelIndex at = indexOfCell(cell);
        emit dataChanged(at, at);
        return;
    }
    m_firstChanged = m_firstChanged == 0 ? cell : qMin(m_firstChanged, cell);
    m_lastChanged = qMax(m_lastChanged, cell);
}

void CalendarModel::setRedraw(bool on) {
    m_redraw = on;
    if (!on || m_firstChanged == 0)
        return;
    // The changed cells span whole week rows at most; one notice covers them all.
    const int firstRow = (m_firstChanged - 1) / DayColumns;
    const int lastRow = (m_lastChanged - 1) / DayColumns;
    m_firstChanged = m_lastChanged = 0;
    emit dataChanged(index(firstRow, 0), index(lastRow, DayColumns - 1));
}

int CalendarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_hasRow ? 0 : WeekRows;
}

int CalendarModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DayColumns;
}

QVariant CalendarModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int cell = cellAt(index);
    const int number = m_values[cell - 1];
    switch (role) {
    case Qt::DisplayRole:
        // Display format "## ": the digits without leading zeros and a blank, so 0 shows nothing.
        return number == 0 ? QString() : QString::number(number) + QLatin1Char(' ');
    case Qt::EditRole:
        return number;
    case Qt::AccessibleTextRole:
        if (number == 0)
            return QString();
        return m_spokenMonth.isEmpty() ? QString::number(number)
                                       : QStringLiteral("%1. %2").arg(number).arg(m_spokenMonth);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case BorderRole:
        return m_borders[cell - 1];
    case WeightRole:
        return m_weights[cell - 1];
    default:
        return {};
    }
}

QVariant CalendarModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList days{QStringLiteral("Su"), QStringLiteral("Mo"), QStringLiteral("Tu"),
                                  QStringLiteral("We"), QStringLiteral("Th"), QStringLiteral("Fr"),
                                  QStringLiteral("Sa")};
    if (orientation == Qt::Horizontal && section >= 0 && section < DayColumns) {
        if (role == Qt::DisplayRole)
            return days.at(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex& index) const {
    // Never typed into, and the user selects nothing (the view allows no selection): the frame is
    // the calendar's only mark. The view selects the framed cell itself, for assistive technology,
    // and draws no highlight for it.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
