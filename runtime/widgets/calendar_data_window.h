#pragma once

#include <QTableView>

class CalendarModel;

// A month calendar data window (data object dw_calendar): one row of 42 numeric cells shown as 6
// week rows of 7 days under the header "Su" .. "Sa". The user cannot type into it; a click reports
// the cell under the pointer through `clicked`, and the program writes the days and frames cells
// with the data-window operations below. It knows nothing of months or of the page it sits on.
class CalendarDataWindow : public QTableView {
    Q_OBJECT

public:
    explicit CalendarDataWindow(const QString& name, QWidget* parent = nullptr);

    CalendarModel* calendarModel() const { return m_model; }

    // SetRedraw: with redraw off, changes are collected and shown at once when it is switched on.
    void setRedraw(bool on);
    // Reset drops the row (clearRows, as QAbstractItemView::reset is taken); InsertRow(0) adds the
    // one row, every cell 0, and returns its number.
    void clearRows();
    int insertRow(int before);
    // SetItem / GetItemNumber on row 1 and column number 1..42; SetItem returns 1, or -1 when
    // there is no such row or column (GetItemNumber then gives 0).
    int setItem(int row, int column, int value);
    int getItemNumber(int row, int column) const;
    // The column number under the pointer at the last click, 0 for the header band or outside.
    int getClickedColumn() const { return m_clickedColumn; }
    // Modify with commands such as "#12.border=5" or "#12.font.weight=700" (separated by blanks);
    // an empty result on success, otherwise the reason, and nothing is changed by the failing
    // command.
    QString modify(const QString& commands);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int columnUnder(const QPoint& position) const;
    void selectFramed();

    CalendarModel* m_model;
    int m_clickedColumn = 0;
    int m_pressedColumn = -1;
};
