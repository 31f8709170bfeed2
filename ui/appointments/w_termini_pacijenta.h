#pragma once

#include "runtime/widgets/window.h"

#include <QDate>
#include <QTime>

class QTreeWidget;
class Transaction;

// One patient's bookings, from ADRESAR or PRIJEM: date, time, doctor, note and status, the
// upcoming ones first (soonest first), then the past ones (latest first, greyed). Enter or a
// double click on a line closes the window and reports that booking's day. Modal.
class w_termini_pacijenta : public Window {
    Q_OBJECT

public:
    w_termini_pacijenta(Transaction& sqlca, int rbrAdresar, const QString& pacijent,
                        QWidget* parent = nullptr);

signals:
    void otvoriDan(int rbrLekar, const QDate& dan, const QTime& vreme);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void otvori();

    QTreeWidget* m_lista;
};
