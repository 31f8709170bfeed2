#pragma once

#include "runtime/core/cursor_reader.h"

#include <QTableView>
#include <QVariantList>

class DataWindowModel;
class Transaction;

// A data-window control that shows the rows of a query as a list with column headings; its model
// (DataWindowModel) holds the definition and reads the rows, the control only shows them. Rows are
// numbered from 1, as the screens count them; row 0 means "no row" (a click below the last row)
// or, for DeleteRow, the current row.
//
// Which rows are highlighted is the program's business alone (SelectRow): a click or the arrow
// keys move the current row but highlight nothing, and report the row through `clickedRow`.
class ListDataWindow : public QTableView {
    Q_OBJECT

public:
    explicit ListDataWindow(const QString& name, QWidget* parent = nullptr);

    // DataObject: takes the columns, headings and query of a definition the program carries.
    bool setDataObject(const QString& definitionName);
    QString dataObject() const;
    // SetTransObject: the transaction the retrieval runs on.
    void setTransObject(Transaction& transaction);

    // Retrieve: runs the query with the arguments bound in order and shows every row; the number
    // of rows, or -1 on failure (the list is then empty and errorText() holds the database's text).
    int retrieve(const QVariantList& arguments);
    // Shows the rows of a read of this list's query that ran before the control was built.
    int show(ResultRead read);
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
