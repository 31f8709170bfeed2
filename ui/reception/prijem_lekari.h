#pragma once

#include <QObject>

class QCompleter;
class QLineEdit;
class Transaction;

// PRIJEM's "Lekar" offers the practice's doctors as the appointments page lists them; the field
// stays free text. They are read once the desk types in the field (or presses Down, which shows
// them all), afresh each time the field takes the keyboard again: a desk that never uses the
// field sends nothing.
class prijem_lekari : public QObject {
    Q_OBJECT

public:
    prijem_lekari(QLineEdit* polje, Transaction& sqlca);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void procitaj();

    QLineEdit* m_polje;
    Transaction& m_sqlca;
    QCompleter* m_completer;
    bool m_procitano = false;
};
