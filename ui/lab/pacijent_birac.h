#pragma once

#include <QComboBox>

#include <optional>

class FoldingCompleter;
class QStandardItemModel;
class Transaction;

// ddlb_lab_pacijent: the patient a laboratory order is for. It shows the chosen patient; typing a
// surname offers the address book's entries whose surname begins so, letters folded as the other
// patient pickers fold them ("petrovic" and "Petrović" alike). The entries are read when the desk
// first opens the list or types, never before.
class pacijent_birac : public QComboBox {
    Q_OBJECT

public:
    pacijent_birac(Transaction& sqlca, QWidget* parent = nullptr);

    // Shows patient rbr (none: nobody) without reading the whole address book.
    void postavi(std::optional<int> rbr);
    std::optional<int> rbr() const { return m_rbr; }
    // Reads the address book's entries again the next time the list is needed.
    void zastareo() { m_ucitano = false; }

    void showPopup() override;

signals:
    // The desk picked patient rbr (from the list or a suggestion).
    void izabran(int rbr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ucitaj();
    void izabranRed(int red);
    void prikaziIzabranog();

    Transaction& m_sqlca;
    QStandardItemModel* m_model;
    FoldingCompleter* m_predlozi = nullptr;
    std::optional<int> m_rbr;
    bool m_ucitano = false;
};
