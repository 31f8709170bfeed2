#pragma once

#include "domain/lab/izvestaj.h"
#include "runtime/widgets/window.h"

#include <optional>

class QRadioButton;
class Transaction;

// "Štampaj" of the laboratory page: the findings report ("Nalaz") or the bill ("Račun") of a
// stored order, to a printer through the print dialog or into a PDF file ("Sačuvaj kao PDF").
// The practice's details of the header are edited from here ("Podaci ordinacije…"). Modal; the
// order, its results and the practice's details are read when a document is made, so that it
// shows what is stored.
class w_stampa : public Window {
    Q_OBJECT

public:
    w_stampa(Transaction& sqlca, int rbrNaloga, QWidget* parent = nullptr);

    // Opens the window for order rbrNaloga and returns once it is closed.
    static void otvori(Transaction& sqlca, int rbrNaloga, QWidget* parent);

    // Writes the chosen document into this file; false when it could not be made (the desk has
    // been told why).
    bool sacuvajPdf(const QString& datoteka);

private:
    bool racun() const;
    // The chosen document as stored now; none when it could not be read (the desk was told).
    std::optional<izvestaj::Dokument> procitaj();
    void naStampac();
    void uPdf();

    Transaction& m_sqlca;
    int m_rbr;
    QRadioButton* m_nalaz;
    QRadioButton* m_racun;
};
