#pragma once

#include <QAbstractTableModel>

#include <array>

// The cells of a month calendar data window: one data-window row of 42 numeric cells
// cell1 .. cell42, shown as 6 week rows of 7 day columns (Sunday first), filled row by row. Each
// cell also carries its border style (0 none, 5 sunken frame); the frame belongs to the cell
// position, not to the day written into it.
//
// While redraw is off the model collects its changes and tells its views once, when redraw is
// switched on again, so a whole month is repainted in one go.
class CalendarModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int CellCount = 42;
    static constexpr int DayColumns = 7;
    static constexpr int WeekRows = CellCount / DayColumns;
    // The border style of a cell, read through the model.
    static constexpr int BorderRole = Qt::UserRole + 1;
    // The font weight of a cell's number (400 normal, 700 bold); like the frame, it belongs to the
    // cell position.
    static constexpr int WeightRole = Qt::UserRole + 2;
    static constexpr int NormalWeight = 400;

    explicit CalendarModel(QObject* parent = nullptr);

    // Cell numbers count from 1, row by row; 0 for an index outside the grid.
    static int cellAt(const QModelIndex& index);
    QModelIndex indexOfCell(int cell) const;

    // Reset drops the data-window row; InsertRow adds it back with every cell 0 and no frame.
    void reset();
    void insertRow();
    bool hasRow() const { return m_hasRow; }

    // False when there is no row or no such cell.
    bool setValue(int cell, int value);
    bool setBorder(int cell, int style);
    bool setWeight(int cell, int weight);
    int value(int cell) const;
    int border(int cell) const;
    int weight(int cell) const;

    // What a screen reader says after a cell's day number ("decembar 2026" reads the cell with 8
    // as "8. decembar 2026"); empty cells say nothing. Nothing shown changes.
    void setSpokenMonth(const QString& monthAndYear) { m_spokenMonth = monthAndYear; }

    void setRedraw(bool on);
    bool redraw() const { return m_redraw; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool validCell(int cell) const { return m_hasRow && cell >= 1 && cell <= CellCount; }
    void changed(int cell);

    std::array<int, CellCount> m_values{};
    std::array<int, CellCount> m_borders{};
    std::array<int, CellCount> m_weights{};
    QString m_spokenMonth;
    bool m_hasRow = false;
    bool m_redraw = true;
    int m_firstChanged = 0; // cells changed while redraw was off; 0 when none
    int m_lastChanged = 0;
};
