#pragma once

#include <QWidget>

// The PRETRAŽIVANJE page. Its controls come with the page's own work; until then it is an empty
// page.
class tab_pretrazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_pretrazivanje(QWidget* parent = nullptr);
};
