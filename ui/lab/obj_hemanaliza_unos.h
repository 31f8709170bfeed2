#pragma once

#include <QWidget>

// One analysis line of the hematology order window.
class obj_hemanaliza_unos : public QWidget {
    Q_OBJECT

public:
    explicit obj_hemanaliza_unos(QWidget* parent = nullptr);
};
