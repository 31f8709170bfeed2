#include "runtime/widgets/calendar_data_window.h"

#include "runtime/core/calendar_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

namespace {

constexpr int SunkenFrame = 5;

// Draws the day and, for a cell whose border style is 5, a sunken three-dimensional frame inside
// the cell. The view's own focus mark is left out: the frame is the only mark a cell carries.
class CalendarCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        // The framed cell is selected for assistive technology only; it shows no highlight.
        plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected);
        plain.font.setWeight(QFont::Weight(index.data(CalendarModel::WeightRole).toInt()));
        if (index.data(CalendarModel::BorderRole).toInt() == SunkenFrame) {
            // The light edges of a sunken frame vanish on a white grid; on the button face the
            // whole frame shows.
            const QBrush face = option.palette.brush(QPalette::Button);
            qDrawWinPanel(painter, option.rect.adjusted(1, 1, -1, -1), option.palette, true, &face);
        }
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

} // namespace

CalendarDataWindow::CalendarDataWindow(const QString& name, QWidget* parent)
    : QTableView(parent), m_model(new CalendarModel(this)) {
    setObjectName(name);
    setModel(m_model);
    setItemDelegate(new CalendarCellDelegate(this));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the control, as from every other one; the arrow keys move between cells.
    setTabKeyNavigation(false);
    // No cell is in the tab order; a click still gives the keyboard to the calendar.
    setFocusPolicy(Qt::ClickFocus);
    setShowGrid(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->viewport()->installEventFilter(this);
    // A screen reader hears the framed day as the selected cell; the selection is never drawn.
    QPalette noHighlight = palette();
    noHighlight.setBrush(QPalette::Highlight, Qt::transparent);
    setPalette(noHighlight);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CalendarDataWindow::selectFramed);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CalendarDataWindow::selectFramed);
}

void CalendarDataWindow::selectFramed() {
    QItemSelection framed;
    for (int cell = 1; cell <= CalendarModel::CellCount; ++cell)
        if (m_model->border(cell) == SunkenFrame)
            framed.select(m_model->indexOfCell(cell), m_model->indexOfCell(cell));
    selectionModel()->select(framed, QItemSelectionModel::ClearAndSelect);
}

void CalendarDataWindow::setRedraw(bool on) {
    viewport()->setUpdatesEnabled(on);
    m_model->setRedraw(on);
}

void CalendarDataWindow::clearRows() {
    m_model->reset();
}

int CalendarDataWindow::insertRow(int before) {
    Q_UNUSED(before) // the calendar has one row, wherever it is asked to go
    m_model->insertRow();
    return 1;
}

int CalendarDataWindow::setItem(int row, int column, int value) {
    return row == 1 && m_model->setValue(column, value) ? 1 : -1;
}

int CalendarDataWindow::getItemNumber(int row, int column) const {
    return row == 1 ? m_model->value(column) : 0;
}

QString CalendarDataWindow::modify(const QString& commands) {
    static const QRegularExpression border(
        QStringLiteral("^#(\\d+)\\.(border|font\\.weight)\\s*=\\s*'?(\\d+)'?$"));
    for (const QString& command : commands.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = border.match(command);
        if (!match.hasMatch())
            return QStringLiteral("Unknown command: %1").arg(command);
        const int cell = match.captured(1).toInt();
        const int value = match.captured(3).toInt();
        if (!(match.captured(2) == QLatin1String("border") ? m_model->setBorder(cell, value)
                                                           : m_model->setWeight(cell, value)))
            return QStringLiteral("No column number %1").arg(match.captured(1));
    }
    return QString();
}

int CalendarDataWindow::columnUnder(const QPoint& position) const {
    return CalendarModel::cellAt(indexAt(position));
}

void CalendarDataWindow::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    m_pressedColumn =
        event->button() == Qt::LeftButton ? columnUnder(event->position().toPoint()) : -1;
}

void CalendarDataWindow::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const int pressed = m_pressedColumn;
    m_pressedColumn = -1;
    if (event->button() != Qt::LeftButton || pressed < 0)
        return;
    // A press on one cell and a release on another is no click on either.
    m_clickedColumn = columnUnder(event->position().toPoint()) == pressed ? pressed : 0;
    emit clicked();
}

void CalendarDataWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_clickedColumn = columnUnder(event->position().toPoint());
    emit doubleClicked();
}

void CalendarDataWindow::keyPressEvent(QKeyEvent* event) {
    // Enter or Space on the current cell does what a click on it does, so days can be picked with
    // the arrow keys alone.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        currentIndex().isValid()) {
        m_clickedColumn = CalendarModel::cellAt(currentIndex());
        emit clicked();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool CalendarDataWindow::eventFilter(QObject* watched, QEvent* event) {
    // The header band belongs to the calendar: a click there is a click with no column.
    if (watched == horizontalHeader()->viewport() &&
        (event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_clickedColumn = 0;
        if (event->type() == QEvent::MouseButtonRelease)
            emit clicked();
        else
            emit doubleClicked();
    }
    return QTableView::eventFilter(watched, event);
}
