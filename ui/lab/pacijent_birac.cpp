#include "ui/lab/pacijent_birac.h"

#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/popup_width.h"
#include "ui/common/folding_completer.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>

namespace {

constexpr int RbrUloga = Qt::UserRole + 1;

QString prikaz(const QString& prezime, const QString& ime, const QString& mbr) {
    QString tekst = (prezime + QLatin1Char(' ') + ime).trimmed();
    if (!mbr.isEmpty())
        tekst += QStringLiteral(" (") + mbr + QLatin1Char(')');
    return tekst;
}

} // namespace

pacijent_birac::pacijent_birac(Transaction& sqlca, QWidget* parent)
    : QComboBox(parent), m_sqlca(sqlca), m_model(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("ddlb_lab_pacijent"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(m_model);
    lineEdit()->setPlaceholderText(QStringLiteral("Pacijent"));
    // The entries are read before the suggestions look at what was typed.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (!m_ucitano)
            ucitaj();
    });
    m_predlozi = new FoldingCompleter(lineEdit());
    connect(m_predlozi, &FoldingCompleter::izabran, this, [this](int rbr) {
        // After the completer has put its own text into the field.
        QTimer::singleShot(0, this, [this, rbr] {
            const int red = findData(rbr, RbrUloga);
            if (red >= 0)
                izabranRed(red);
        });
    });
    connect(this, qOverload<int>(&QComboBox::activated), this, &pacijent_birac::izabranRed);
}

void pacijent_birac::postavi(std::optional<int> rbr) {
    m_rbr = rbr;
    if (rbr && findData(*rbr, RbrUloga) < 0) {
        // One entry is enough to show; the list is read when it is needed.
        const Result<QList<nalog_sql::Pacijent>> red = nalog_sql::pacijent(m_sqlca, *rbr);
        if (red.failed()) {
            reportReadFailure(red);
        } else if (!red.value.isEmpty()) {
            const nalog_sql::Pacijent& p = red.value.first();
            auto* stavka = new QStandardItem(prikaz(p.prezime, p.ime, p.mbr));
            stavka->setData(p.rbr, RbrUloga);
            m_model->appendRow(stavka);
        } else {
            m_rbr.reset();
        }
    }
    prikaziIzabranog();
}

void pacijent_birac::prikaziIzabranog() {
    const int red = m_rbr ? findData(*m_rbr, RbrUloga) : -1;
    setCurrentIndex(red);
    if (red < 0)
        lineEdit()->clear();
    setToolTip(red < 0 ? QStringLiteral("Pacijent naloga") : itemText(red));
}

void pacijent_birac::ucitaj() {
    m_ucitano = true;
    const Result<QList<poseta_sql::Pacijent>> svi = poseta_sql::pacijenti(m_sqlca);
    if (svi.failed()) {
        reportReadFailure(svi);
        m_ucitano = false;
        return;
    }
    const QString kucano = lineEdit()->text();
    const int pozicija = lineEdit()->cursorPosition();
    const QSignalBlocker tiho(this);
    m_model->clear();
    QList<FoldingCompleter::Stavka> predlozi;
    for (const poseta_sql::Pacijent& p : svi.value) {
        auto* stavka = new QStandardItem(prikaz(p.prezime, p.ime, p.mbr));
        stavka->setData(p.rbr, RbrUloga);
        m_model->appendRow(stavka);
        predlozi << FoldingCompleter::Stavka{stavka->text(), p.rbr};
    }
    m_predlozi->postaviStavke(predlozi);
    setCurrentIndex(m_rbr ? findData(*m_rbr, RbrUloga) : -1);
    // What the desk has typed so far stays, and goes on to the suggestions.
    lineEdit()->setText(kucano);
    lineEdit()->setCursorPosition(pozicija);
    widenPopupToItems(this);
}

void pacijent_birac::showPopup() {
    if (!m_ucitano)
        ucitaj();
    QComboBox::showPopup();
}

void pacijent_birac::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (!m_ucitano)
        QTimer::singleShot(0, this, &pacijent_birac::ucitaj);
}

void pacijent_birac::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Text typed but nobody picked: the field shows the chosen patient again.
    if (event->reason() != Qt::PopupFocusReason)
        prikaziIzabranog();
}

void pacijent_birac::izabranRed(int red) {
    const int rbr = itemData(red, RbrUloga).toInt();
    if (rbr <= 0)
        return;
    if (m_rbr == rbr) {
        prikaziIzabranog();
        return;
    }
    emit izabran(rbr);
}
