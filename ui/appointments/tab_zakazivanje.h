#pragma once

#include <QWidget>

// The ZAKAZIVANJE page. Its calendars and day sheet come with the appointments work; until then
// it is an empty page and the calendar functions have nothing to draw on.
class tab_zakazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_zakazivanje(QWidget* parent = nullptr);

    void highlight(QWidget* dwc_calendar);
    void showmonth(QWidget* dwc_calendar);
};
