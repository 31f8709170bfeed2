#pragma once

#include <QWidget>

// The PRIJEM page. Its controls come with the page's own work; until then it is an empty page.
class tab_prijem : public QWidget {
    Q_OBJECT

public:
    explicit tab_prijem(QWidget* parent = nullptr);
};
