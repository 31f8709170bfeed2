#include "ui/lab/w_stampa.h"

#include "runtime/core/dates.h"
#include "runtime/widgets/accessible_names.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/units.h"
#include "ui/common/w_obavestenje.h"
#include "ui/lab/stampa.h"
#include "ui/lab/w_ordinacija.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QStandardPaths>

namespace {

constexpr int Width = 1500, Height = 900;

} // namespace

w_stampa::w_stampa(Transaction& sqlca, int rbrNaloga, QWidget* parent)
    : Window(Type::Response, QSize(Width, Height), parent ? parent : QApplication::activeWindow()),
      m_sqlca(sqlca), m_rbr(rbrNaloga) {
    setObjectName(QStringLiteral("w_stampa"));
    setWindowTitle(QStringLiteral("Štampa naloga br. %1").arg(rbrNaloga));
    useButtonFace(this);

    auto* vrsta = new QGroupBox(QStringLiteral("Šta se štampa"), this);
    vrsta->setObjectName(QStringLiteral("gb_vrsta"));
    setScreenFont(vrsta, ScreenFont::ArialCE9Bold);
    placeInUnits(vrsta, 40, 20, 700, 420);
    m_nalaz = new QRadioButton(QStringLiteral("Nalaz"), this);
    m_nalaz->setObjectName(QStringLiteral("rb_nalaz"));
    m_racun = new QRadioButton(QStringLiteral("Račun"), this);
    m_racun->setObjectName(QStringLiteral("rb_racun"));
    for (QRadioButton* izbor : {m_nalaz, m_racun})
        setScreenFont(izbor, ScreenFont::ArialCE10);
    placeInUnits(m_nalaz, 120, 140, 560, 100);
    placeInUnits(m_racun, 120, 280, 560, 100);
    m_nalaz->setChecked(true);

    CommandButton* stampac = makeCommandButton(
        this, QStringLiteral("cb_stampac"), QStringLiteral("Štampaj…"), ScreenFont::ArialCE9Bold);
    CommandButton* pdf =
        makeCommandButton(this, QStringLiteral("cb_pdf"), QStringLiteral("Sačuvaj kao PDF"),
                          ScreenFont::ArialCE9Bold);
    CommandButton* ordinacija =
        makeCommandButton(this, QStringLiteral("cb_ordinacija"),
                          QStringLiteral("Podaci ordinacije…"), ScreenFont::ArialCE9);
    CommandButton* odustani = makeCommandButton(this, QStringLiteral("cb_odustani"),
                                                QStringLiteral("Odustani"), ScreenFont::ArialCE9);
    placeInUnits(stampac, 820, 60, 620, 112);
    placeInUnits(pdf, 820, 200, 620, 112);
    placeInUnits(ordinacija, 40, 520, 700, 112);
    placeInUnits(odustani, 820, 520, 620, 112);
    auto* okvir = new QGroupBox(this);
    okvir->setObjectName(QStringLiteral("gb_1"));
    placeInUnits(okvir, 20, 4, Width - 40, Height - 24);
    okvir->lower();
    vrsta->lower();
    okvir->lower();
    setFixedSize(size());

    nameControl(m_nalaz, QStringLiteral("Štampa se nalaz"));
    nameControl(m_racun, QStringLiteral("Štampa se račun"));
    chainTabOrder({m_nalaz, m_racun, stampac, pdf, ordinacija, odustani});
    m_nalaz->setFocus();

    connect(stampac, &QPushButton::clicked, this, &w_stampa::naStampac);
    connect(pdf, &QPushButton::clicked, this, &w_stampa::uPdf);
    connect(ordinacija, &QPushButton::clicked, this,
            [this] { w_ordinacija::otvori(m_sqlca, this); });
    connect(odustani, &QPushButton::clicked, this, [this] { Close(this); });
}

void w_stampa::otvori(Transaction& sqlca, int rbrNaloga, QWidget* parent) {
    Open<w_stampa>(sqlca, rbrNaloga, parent);
}

bool w_stampa::racun() const {
    return m_racun->isChecked();
}

std::optional<izvestaj::Dokument> w_stampa::procitaj() {
    const Result<rezultat_upis::Ucitano> ucitano = rezultat_upis::ucitaj(m_sqlca, m_rbr);
    if (reportReadFailure(ucitano) < 0)
        return std::nullopt;
    if (!ucitano.value.nalog) {
        OpenWithParm<w_obavestenje>(ucitano.value.obavestenje, this);
        return std::nullopt;
    }
    const Result<QList<ordinacija_sql::Ordinacija>> ordinacija = ordinacija_sql::procitaj(m_sqlca);
    if (reportReadFailure(ordinacija) < 0)
        return std::nullopt;
    const ordinacija_sql::Ordinacija zaglavlje =
        ordinacija.value.isEmpty() ? ordinacija_sql::Ordinacija() : ordinacija.value.first();
    return racun() ? izvestaj::racun(*ucitano.value.nalog, zaglavlje, Today())
                   : izvestaj::nalaz(*ucitano.value.nalog, zaglavlje, Today());
}

void w_stampa::naStampac() {
    const std::optional<izvestaj::Dokument> dokument = procitaj();
    if (!dokument)
        return;
    QPrinter stampac(QPrinter::HighResolution);
    stampa::pripremi(stampac);
    stampac.setDocName(dokument->naslov);
    QPrintDialog dijalog(&stampac, this);
    dijalog.setWindowTitle(QStringLiteral("Štampa"));
    if (dijalog.exec() != QDialog::Accepted)
        return;
    stampa::odstampaj(*dokument, stampac);
    Close(this);
}

bool w_stampa::sacuvajPdf(const QString& datoteka) {
    const std::optional<izvestaj::Dokument> dokument = procitaj();
    if (!dokument)
        return false;
    QString greska;
    if (!stampa::uPdf(*dokument, datoteka, &greska)) {
        MessageBox(QStringLiteral("Sačuvaj kao PDF"),
                   QStringLiteral("PDF nije sačuvan u %1: %2").arg(datoteka, greska));
        return false;
    }
    return true;
}

void w_stampa::uPdf() {
    const QString vrsta = racun() ? QStringLiteral("racun") : QStringLiteral("nalaz");
    const QString predlog =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("%1-%2.pdf").arg(vrsta).arg(m_rbr));
    const QString datoteka = QFileDialog::getSaveFileName(
        this, QStringLiteral("Sačuvaj kao PDF"), predlog, QStringLiteral("PDF (*.pdf)"), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (datoteka.isEmpty())
        return;
    if (sacuvajPdf(datoteka))
        Close(this);
}
