#include "ui/lab/pacijent_birac.h"

#include "domain/lab/nalog_sql.h"
#include "domain/reception/poseta_sql.h"
#include "domain/search/pravila.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/popup_width.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>

namespace {

constexpr int RbrUloga = Qt::UserRole + 1;
constexpr int SklopljenoUloga = Qt::UserRole + 2;

QString prikaz(const QString& prezime, const QString& ime, const QString& mbr) {
    QString tekst = (prezime + QLatin1Char(' ') + ime).trimmed();
    if (!mbr.isEmpty())
        tekst += QStringLiteral(" (") + mbr + QLatin1Char(')');
    return tekst;
}

// Compares what is typed with the entries' folded surnames and names, folded the same way.
class SklopljeniCompleter : public QCompleter {
public:
    using QCompleter::QCompleter;
    QStringList splitPath(const QString& path) const override {
        return {pretraga::sklopi(path.trimmed())};
    }
};

} // namespace

pacijent_birac::pacijent_birac(Transaction& sqlca, QWidget* parent)
    : QComboBox(parent), m_sqlca(sqlca), m_model(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("ddlb_lab_pacijent"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(m_model);
    auto* predlozi = new SklopljeniCompleter(m_model, this);
    predlozi->setCompletionRole(SklopljenoUloga);
    predlozi->setCaseSensitivity(Qt::CaseSensitive);
    predlozi->setFilterMode(Qt::MatchStartsWith);
    predlozi->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(predlozi);
    lineEdit()->setPlaceholderText(QStringLiteral("Pacijent"));
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (!m_ucitano)
            ucitaj();
    });
    connect(predlozi, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                const int rbr = index.data(RbrUloga).toInt();
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
        const Rows<nalog_sql::Pacijent> red = nalog_sql::pacijent(m_sqlca, *rbr);
        if (red.failed()) {
            reportReadFailure(red.outcome);
        } else if (!red.rows.isEmpty()) {
            const nalog_sql::Pacijent& p = red.rows.first();
            auto* stavka = new QStandardItem(prikaz(p.prezime, p.ime, p.mbr));
            stavka->setData(p.rbr, RbrUloga);
            stavka->setData(pretraga::sklopi(p.prezime + QLatin1Char(' ') + p.ime),
                            SklopljenoUloga);
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
    const Rows<poseta_sql::Pacijent> svi = poseta_sql::pacijenti(m_sqlca);
    if (svi.failed()) {
        reportReadFailure(svi.outcome);
        m_ucitano = false;
        return;
    }
    const QString kucano = lineEdit()->text();
    const int pozicija = lineEdit()->cursorPosition();
    const QSignalBlocker tiho(this);
    m_model->clear();
    for (const poseta_sql::Pacijent& p : svi.rows) {
        auto* stavka = new QStandardItem(prikaz(p.prezime, p.ime, p.mbr));
        stavka->setData(p.rbr, RbrUloga);
        stavka->setData(pretraga::sklopi(p.prezime + QLatin1Char(' ') + p.ime), SklopljenoUloga);
        m_model->appendRow(stavka);
    }
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
