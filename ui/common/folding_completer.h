#pragma once

#include <QCompleter>
#include <QList>

class QLineEdit;
class QStandardItemModel;

// A patient picker's suggestions under a line edit: the entries whose name begins with what the
// desk typed, letters folded as the search folds them (pretraga::pocinjeSa), so "Petrovic" and
// "Djuric" find "Petrović" and "Đurić". Picking one reports its key.
class FoldingCompleter : public QCompleter {
    Q_OBJECT

public:
    struct Stavka {
        QString naziv; // the text shown and put into the field
        int kljuc = 0;
    };

    explicit FoldingCompleter(QLineEdit* edit);

    // Every entry that may be offered; what is shown follows the field's text.
    void postaviStavke(const QList<Stavka>& stavke);
    // Offers the entries that begin with tekst (the popup closes when none does).
    void ponudi(const QString& tekst);

signals:
    void izabran(int kljuc);

private:
    QLineEdit* m_edit;
    QStandardItemModel* m_model;
    QList<Stavka> m_stavke;
};
