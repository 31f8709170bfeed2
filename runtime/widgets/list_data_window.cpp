#include "runtime/widgets/list_data_window.h"

#include "runtime/core/convert.h"
#include "runtime/core/data_window_model.h"
#include "runtime/widgets/units.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

ListDataWindow::ListDataWindow(const QString& name, QWidget* parent)
    : QTableView(parent), m_model(new DataWindowModel(this)) {
    setObjectName(name);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the control, as from every other one; the arrow keys move between cells.
    setTabKeyNavigation(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    // Every row has the same height, so even tens of thousands of rows lay out at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The headings are drawn in the application's font, not the list's: a list built into a
    // page that is already on screen would otherwise take the page's font for them.
    horizontalHeader()->setFont(QApplication::font(horizontalHeader()));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
}

bool ListDataWindow::setDataObject(const QString& definitionName) {
    const auto definition = DataWindowDefinition::load(definitionName, &m_loadError);
    if (!definition)
        return false;
    m_loadError.clear();
    m_model->setDefinition(*definition);
    m_model->setRows(definition->rows); // stored rows show until the first retrieval
    applyColumnWidths();
    return true;
}

QString ListDataWindow::dataObject() const {
    return m_model->definition().name;
}

void ListDataWindow::applyColumnWidths() {
    const QList<DataWindowColumn>& columns = m_model->definition().columns;
    for (qsizetype i = 0; i < columns.size(); ++i)
        setColumnWidth(int(i), UnitsToPixels(columns.at(i).width, UnitDirection::Horizontal));
}

int ListDataWindow::show(Result<ResultColumns> read) {
    m_loadError.clear();
    return showFirstRow(m_model->show(std::move(read)));
}

int ListDataWindow::showFirstRow(int rows) {
    if (rows > 0)
        setCurrentIndex(m_model->index(0, 0));
    return rows;
}

QString ListDataWindow::errorText() const {
    return m_loadError.isEmpty() ? m_model->errorText() : m_loadError;
}

int ListDataWindow::rowCount() const {
    return m_model->rowCount();
}

QVariant ListDataWindow::getItem(int row, const QString& column) const {
    return m_model->value(row - 1, column);
}

int ListDataWindow::getItemNumber(int row, const QString& column) const {
    const QVariant value = getItem(row, column);
    return value.isNull() ? 0 : toInteger(value.toString());
}

QString ListDataWindow::getItemString(int row, const QString& column) const {
    const QVariant value = getItem(row, column);
    return value.isNull() ? QString() : value.toString();
}

int ListDataWindow::find(const QString& column, const QVariant& value) const {
    return m_model->find(column, value) + 1;
}

int ListDataWindow::selectRow(int row, bool select) {
    if (row < 0 || row > rowCount())
        return -1;
    const QItemSelectionModel::SelectionFlags flags =
        (select ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
        QItemSelectionModel::Rows;
    if (row == 0) {
        if (select)
            selectionModel()->select(
                QItemSelection(m_model->index(0, 0), m_model->index(rowCount() - 1, 0)), flags);
        else
            selectionModel()->clearSelection();
    } else {
        selectionModel()->select(m_model->index(row - 1, 0), flags);
    }
    return 1;
}

bool ListDataWindow::isSelected(int row) const {
    return row >= 1 && row <= rowCount() && selectionModel()->isRowSelected(row - 1, QModelIndex());
}

int ListDataWindow::getRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int ListDataWindow::setRow(int row) {
    if (row < 1 || row > rowCount())
        return -1;
    setCurrentIndex(m_model->index(row - 1, qMax(0, currentIndex().column())));
    return 1;
}

int ListDataWindow::deleteRow(int row) {
    const int target = row == 0 ? getRow() : row;
    return m_model->removeRowAt(target - 1) ? 1 : -1;
}

void ListDataWindow::clearRows() {
    m_model->clear();
}

int ListDataWindow::rowUnder(const QPoint& position) const {
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() + 1 : 0;
}

void ListDataWindow::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    m_pressedRow = event->button() == Qt::LeftButton ? rowUnder(event->position().toPoint()) : -1;
}

void ListDataWindow::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const int pressed = m_pressedRow;
    m_pressedRow = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 &&
        rowUnder(event->position().toPoint()) == pressed)
        emit clickedRow(pressed);
}

void ListDataWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedRow(rowUnder(event->position().toPoint()));
}

void ListDataWindow::keyPressEvent(QKeyEvent* event) {
    // Enter on the current row does what a click on it does, so the list works without a mouse.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && getRow() > 0) {
        emit clickedRow(getRow());
        return;
    }
    QTableView::keyPressEvent(event);
}
