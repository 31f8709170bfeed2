#pragma once

#include "runtime/core/decimal.h"
#include "runtime/widgets/deferred_build.h"
#include "ui/lab/prijem_pacijent.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class EditMask;
class QTabWidget;
class Transaction;
class nalog_komande;
class w_hematologija_unos;
struct PrihvacenNalog;
class PictureButton;
class QGroupBox;
class QLabel;
class Transaction;

// The LABORATORIJSKE ANALIZE page: the three service buttons with their subtotals, the bill
// total, and the price-list pictures. Only hematology has an order window; the biochemistry and
// urine amounts are typed in by hand. Keeping the page's order, its results and printing are the
// work of its order commands (nalog_komande), which the main window adds.
class tab_lab_analize : public QWidget {
    Q_OBJECT

public:
    // The order window reads the analysis catalogue on sqlca.
    explicit tab_lab_analize(Transaction& sqlca, QWidget* parent = nullptr);
    // The page alone, for the main window, which builds its controls (napravi) once.
    tab_lab_analize(Transaction& sqlca, BuildLater, QWidget* parent = nullptr);
    void napravi();

    // Bill total = the three subtotals added in doubles, shown as "0.00".
    void svega_za_naplatu();
    // Sets the hematology subtotal (the price panel's accepted amount); it replaces the old one.
    void postavi_ukupno_hem(Decimal iznos);

    // The four amounts as the page shows them, and shown again as a stored order holds them.
    struct Iznosi {
        Decimal hematologija;
        Decimal biohemija;
        Decimal urin;
        Decimal svega;

        bool operator==(const Iznosi&) const = default;
    };
    Iznosi iznosi() const;
    void postaviIznose(const Iznosi& iznosi);

    // Adds the order commands (three beside tabMain's labels, the patient and the orders below the
    // groups), working on the page's connection; prijem tells which patient and visit reception
    // has open.
    void dodajNaloge(QTabWidget* tabMain, std::function<PrijemPacijent()> prijem);
    nalog_komande* nalozi() const { return m_nalozi; }

    // "Hematologija": opens the order window, or brings the open one forward (there is never a
    // second), and takes its amount. The window it shows.
    w_hematologija_unos* otvoriHematologiju();
    // The order window while it is open (a window accepted a moment ago only waits to go).
    w_hematologija_unos* hematologija() const;

    EditMask* em_svega_analize() const { return m_svega; }
    EditMask* em_ukupno_hem() const { return m_ukupnoHem; }
    EditMask* em_ukupno_biohem() const { return m_ukupnoBiohem; }
    EditMask* em_ukupno_urin() const { return m_ukupnoUrin; }

signals:
    // A new order window has opened (its lines are loaded).
    void hematologijaOtvorena(w_hematologija_unos* window);
    // The order window's "Prihvati": the analyses, total and discount it accepted.
    void hematologijaPrihvacena(const PrihvacenNalog& nalog);

private:
    // The order window's accepted amount becomes the hematology subtotal of the bill.
    void prihvacenaHematologija(Decimal iznos);
    Transaction& m_sqlca;
    QPointer<w_hematologija_unos> m_hematologija;
    EditMask* m_svega = nullptr;
    PictureButton* m_hemat = nullptr;
    PictureButton* m_biohemija = nullptr;
    PictureButton* m_urin = nullptr;
    EditMask* m_ukupnoHem = nullptr;
    EditMask* m_ukupnoBiohem = nullptr;
    EditMask* m_ukupnoUrin = nullptr;
    QLabel* m_svegaLabel = nullptr;
    PictureButton* m_urincen = nullptr;
    PictureButton* m_biohcen = nullptr;
    PictureButton* m_hemcen = nullptr;
    QGroupBox* m_svegaOkvir = nullptr;
    QGroupBox* m_usluge = nullptr;
    QGroupBox* m_cenovnik = nullptr;
    nalog_komande* m_nalozi = nullptr;
};
