#pragma once

#include <QTabWidget>

// The page frame of the main window: "Arial CE" 9 pt, tooltips on, the selected tab in bold.
class tab_main : public QTabWidget {
    Q_OBJECT

public:
    explicit tab_main(QWidget* parent = nullptr);
};
