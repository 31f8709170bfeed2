#pragma once

#include <QStringList>
#include <QWidget>

class QStackedWidget;

// A tab control whose tabs all have one width and wrap into as many rows as they need, so that
// long labels show in full on a narrow page. The rows stay where they are when a tab is picked.
// The control takes the focus as one stop; Left and Right then pick the neighbouring tab, and
// Ctrl+Tab / Ctrl+Shift+Tab do so from anywhere inside it.
class MultiRowTabs : public QWidget {
    Q_OBJECT

public:
    explicit MultiRowTabs(const QString& name, QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& label);
    int count() const { return int(m_labels.size()); }
    QString tabText(int index) const { return m_labels.value(index); }
    QWidget* widget(int index) const;
    int currentIndex() const;
    void setCurrentIndex(int index);

    int rowCount() const;
    // Where tab index is drawn, in the control's own pixels.
    QRect tabRect(int index) const;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int longestLabel() const;
    int tabsPerRow() const;
    int tabHeight() const;
    int tabsBottom() const { return rowCount() * tabHeight(); }
    void placePages();

    QStackedWidget* m_pages = nullptr;
    QStringList m_labels;
    mutable int m_longestLabel = -1; // pixels, or -1 until measured
};
