#pragma once

#include "domain/history/istorija_sql.h"
#include "runtime/widgets/window.h"

// "Istorija izmena": what the changes and deletes of one saved visit took from it, newest first
// (when, which desk, which field, the earlier value), read only. Modal; "Zatvori" or Escape closes.
class w_istorija_izmena : public Window {
    Q_OBJECT

public:
    w_istorija_izmena(const QString& naslov, const QList<istorija_sql::Promena>& promene,
                      QWidget* parent = nullptr);
};
