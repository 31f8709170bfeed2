#pragma once

#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QTableView>
#include <QVariantList>

class DataWindowModel;

// A data-window control that shows rows as a list with column headings; its model
// (DataWindowModel) holds the definition and the rows it was given, the control only shows them.
// Rows are numbered from 1, as the screens count them; row 0 means "no row" (a click below the last
// row) or, for DeleteRow, the current row.
//
// Which rows are highlighted is the program's business alone (SelectRow): a click or the arrow
// keys move the current row but highlight nothing, and report the row through `clickedRow`.
class ListDataWindow : public QTableView {
    Q_OBJECT

public:
    explicit ListDataWindow(const QString& name, QWidget* parent = nullptr);

    // DataObject: takes the columns and headings of a definition the program carries.
    bool setDataObject(const QString& definitionName);
    QString dataObject() const;

    // Shows every row of a read (its columns in the definition's order): the number of rows, or
    // -1 on failure (the list is then empty and errorText() holds the database's text).
    int show(Result<ResultColumns> read);
    QString errorText() const;
    DataWindowModel* rows() const { return m_model; }

    int rowCount() const;
    QVariant getItem(int row, const QString& column) const;
    int getItemNumber(int row, const QString& column) const;
    QString getItemString(int row, const QString& column) const;
    // The first row whose column holds value, 0 when none does.
    int find(const QString& column, const QVariant& value) const;

    // SelectRow: highlights row (or, for 0, every row) or takes the highlight away.
    int selectRow(int row, bool select);
    bool isSelected(int row) const;
    int getRow() const;
    int setRow(int row);
    // DeleteRow: removes a row (0: the current row) from the display only.
    int deleteRow(int row);
    void clearRows(); // Reset: drops every row

signals:
    void clickedRow(int row);
    void doubleClickedRow(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int rowUnder(const QPoint& position) const;
    int showFirstRow(int rows);
    void applyColumnWidths();

    DataWindowModel* m_model;
    QString m_loadError;
    int m_pressedRow = -1;
};
