#include "ui/reception/multi_row_tabs.h"

#include "ui/reception/multi_row_tabs_accessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace {

constexpr int TextPadding = 12; // pixels either side of the longest label
constexpr int FramePadding = 2; // pixels between the frame and the page

} // namespace

MultiRowTabs::MultiRowTabs(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    installMultiRowTabsAccessibility();
    m_pages = new QStackedWidget(this);
    connect(m_pages, &QStackedWidget::currentChanged, this, [this](int index) {
        update();
        // Tells a screen reader which tab is now selected; the tabs are painted, not widgets.
        if (QAccessible::isActive()) {
            QAccessibleEvent selected(this, QAccessible::Selection);
            selected.setChild(index);
            QAccessible::updateAccessibility(&selected);
        }
        emit currentChanged(index);
    });
}

int MultiRowTabs::addTab(QWidget* page, const QString& label) {
    m_labels.append(label);
    m_longestLabel = -1;
    const int index = m_pages->addWidget(page);
    placePages();
    update();
    return index;
}

QWidget* MultiRowTabs::widget(int index) const {
    return m_pages->widget(index);
}

int MultiRowTabs::currentIndex() const {
    return m_pages->currentIndex();
}

void MultiRowTabs::setCurrentIndex(int index) {
    if (index >= 0 && index < count())
        m_pages->setCurrentIndex(index);
}

int MultiRowTabs::longestLabel() const {
    // Measured once per label set and font: every tab's place depends on it, and a paint asks for
    // each tab's place.
    if (m_longestLabel < 0) {
        m_longestLabel = 0;
        const QFontMetrics metrics = fontMetrics();
        for (const QString& label : m_labels)
            m_longestLabel = std::max(m_longestLabel, metrics.horizontalAdvance(label));
    }
    return m_longestLabel;
}

int MultiRowTabs::tabsPerRow() const {
    const int wanted = longestLabel() + 2 * TextPadding;
    return std::clamp(wanted > 0 ? width() / wanted : 1, 1, std::max(1, count()));
}

int MultiRowTabs::rowCount() const {
    const int perRow = tabsPerRow();
    return (count() + perRow - 1) / perRow;
}

int MultiRowTabs::tabHeight() const {
    return fontMetrics().height() + 10;
}

QRect MultiRowTabs::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    // All tabs share one width and line up in columns from row to row.
    const int perRow = tabsPerRow();
    const int tabWidth = width() / perRow;
    return QRect(index % perRow * tabWidth, index / perRow * tabHeight(), tabWidth, tabHeight());
}

void MultiRowTabs::placePages() {
    const int top = tabsBottom();
    m_pages->setGeometry(FramePadding, top + FramePadding, width() - 2 * FramePadding,
                         height() - top - 2 * FramePadding);
}

void MultiRowTabs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, tabsBottom() - 1, width(), height() - tabsBottom() + 1);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

    const int perRow = tabsPerRow();
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        // Each tab is drawn at the origin and clipped to its own place: Fusion paints part of a
        // selected tab that is not in the first row a second time, further down over the page.
        const QRect rect = tabRect(i);
        tab.rect = QRect(QPoint(0, 0), rect.size());
        tab.text = m_labels.at(i);
        tab.shape = QTabBar::RoundedNorth;
        tab.row = i / perRow;
        const int column = i % perRow;
        const bool last = column == perRow - 1 || i == count() - 1;
        tab.position = column == 0 && last ? QStyleOptionTab::OnlyOneTab
                       : column == 0       ? QStyleOptionTab::Beginning
                       : last              ? QStyleOptionTab::End
                                           : QStyleOptionTab::Middle;
        tab.state &= ~QStyle::State_HasFocus;
        if (i == currentIndex())
            tab.state |= QStyle::State_Selected;
        painter.save();
        painter.translate(rect.topLeft());
        painter.setClipRect(tab.rect.adjusted(-1, -1, 1, 1));
        style()->drawControl(QStyle::CE_TabBarTab, &tab, &painter, this);
        if (i == currentIndex() && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = tab.rect.adjusted(4, 4, -4, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
        painter.restore();
    }
}

void MultiRowTabs::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < count(); ++i) {
        if (event->button() == Qt::LeftButton && tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void MultiRowTabs::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (event->key() == Qt::Key_Tab && control)
        step = 1;
    else if (event->key() == Qt::Key_Backtab && control)
        step = -1;
    else if (hasFocus() && event->key() == Qt::Key_Right)
        step = 1;
    else if (hasFocus() && event->key() == Qt::Key_Left)
        step = -1;
    if (step == 0 || count() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex((currentIndex() + step + count()) % count());
}

void MultiRowTabs::resizeEvent(QResizeEvent*) {
    placePages();
}

void MultiRowTabs::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_longestLabel = -1;
        placePages();
        update();
    }
    QWidget::changeEvent(event);
}
