#pragma once

#include "runtime/window.h"

// The hematology order window.
class w_hematologija_unos : public Window {
    Q_OBJECT

public:
    explicit w_hematologija_unos(QWidget* parent = nullptr);
};
