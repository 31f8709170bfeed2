#include "ui/common/folding_completer.h"

#include "domain/search/odabir.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStandardItemModel>

namespace {
constexpr int KljucUloga = Qt::UserRole + 1;
}

FoldingCompleter::FoldingCompleter(QLineEdit* edit)
    : QCompleter(edit), m_edit(edit), m_model(new QStandardItemModel(this)) {
    setModel(m_model);
    // The model holds only the matches: the completer's own prefix filter knows no folding.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCaseSensitivity(Qt::CaseInsensitive);
    setMaxVisibleItems(12);
    edit->setCompleter(this);
    connect(edit, &QLineEdit::textEdited, this, &FoldingCompleter::ponudi);
    connect(this, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { emit izabran(index.data(KljucUloga).toInt()); });
}

void FoldingCompleter::postaviStavke(const QList<Stavka>& stavke) {
    m_stavke = stavke;
}

void FoldingCompleter::ponudi(const QString& tekst) {
    m_model->clear();
    if (!tekst.trimmed().isEmpty())
        for (const Stavka& stavka : std::as_const(m_stavke))
            if (pretraga::pocinjeSa(stavka.naziv, tekst)) {
                auto* red = new QStandardItem(stavka.naziv);
                red->setData(stavka.kljuc, KljucUloga);
                m_model->appendRow(red);
            }
    if (m_model->rowCount() == 0) {
        popup()->hide();
        return;
    }
    setCompletionPrefix(tekst);
    complete();
}
