#include "TFormWybSystDruk.h"

#include "DrukTabel.h"
#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QLocale>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace tremida::gui {

TFormWybSystDruk::TFormWybSystDruk(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_kontekst(kontekst), m_rodzaj(rodzaj)
{
    const bool fakty = rodzaj == RodzajWydruku::Fakty;
    setWindowTitle(fakty ? QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI FAKTÓW WRAZ Z "
                                          "WARTOŚCIAMI FAKTÓW WYLICZENIOWYCH")
                         : QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI REGUŁ"));
    setObjectName(fakty ? QStringLiteral("TFormWybSystDrukFakt") : QStringLiteral("TFormWybSystDrukReg"));

    m_zacheta = new QLabel(fakty ? QStringLiteral("Wybierz i zaznacz rekord systemu eksperckiego (bazy wiedzy), w ramach "
                                                  "którego chcesz drukować rekordy tabeli faktów:")
                                 : QStringLiteral("Wybierz i zaznacz rekord systemu eksperckiego (bazy wiedzy), w ramach "
                                                  "którego chcesz drukować rekordy tabeli reguł:"));
    m_zacheta->setWordWrap(true);

    m_model = new QSqlQueryModel(this);
    m_siatka = new QTableView;
    m_siatka->setModel(m_model);
    // Codes are shown as the system writes them ("1234"), not with the desktop's digit groups.
    m_siatka->setLocale(QLocale::c());
    m_siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_siatka->setSelectionMode(QAbstractItemView::SingleSelection);
    m_siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_siatka->verticalHeader()->hide();
    m_siatka->horizontalHeader()->setStretchLastSection(true);

    m_etKod = new QLabel(QStringLiteral("Kod systemu:"));
    m_etNazwa = new QLabel(QStringLiteral("Nazwa systemu:"));
    m_kod = new QLineEdit;
    m_kod->setReadOnly(true);
    m_kod->setMaximumWidth(120);
    m_nazwa = new QLineEdit;
    m_nazwa->setReadOnly(true);

    m_drukuj = new QPushButton(fakty ? QStringLiteral("Drukuj rekordy tabeli faktów wybranego powyżej systemu eksperckiego")
                                     : QStringLiteral("Drukuj rekordy tabeli reguł wybranego powyżej systemu eksperckiego"));
    m_anuluj = new QPushButton(QStringLiteral("Anuluj opcję"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));

    auto *pola = new QHBoxLayout;
    pola->addWidget(m_etKod);
    pola->addWidget(m_kod);
    pola->addSpacing(16);
    pola->addWidget(m_etNazwa);
    pola->addWidget(m_nazwa, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(m_drukuj);
    przyciski->addStretch(1);
    przyciski->addWidget(m_anuluj);
    przyciski->addWidget(m_pomoc);
    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_zacheta);
    uklad->addWidget(m_siatka, 1);
    uklad->addLayout(pola);
    uklad->addLayout(przyciski);
    resize(760, 420);

    connect(m_drukuj, &QPushButton::clicked, this, &TFormWybSystDruk::drukuj);
    connect(m_anuluj, &QPushButton::clicked, this, &TFormWybSystDruk::zamknij);
    connect(m_pomoc, &QPushButton::clicked, this, [this] {
        if (m_kontekst.pokazStroneInstrukcji)
            m_kontekst.pokazStroneInstrukcji(m_rodzaj == RodzajWydruku::Fakty ? QStringLiteral("5.6") : QStringLiteral("7.8"));
    });
    connect(&m_kontekst, &KontekstAplikacji::koloryZmienione, this, &TFormWybSystDruk::ZmiaKolFormWybSystDruk);
    ZmiaKolFormWybSystDruk();
}

void TFormWybSystDruk::ZmiaKolFormWybSystDruk()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_siatka, m_etKod, m_kod, m_etNazwa, m_nazwa});
    zastosujKolory(k, Rola::Pomocnicze, {m_zacheta, m_drukuj, m_anuluj, m_pomoc});
}

void TFormWybSystDruk::otworz()
{
    QSqlQuery q = m_kontekst.baza.zapytanie();
    q.prepare(QStringLiteral("SELECT IdSyst, NazSyst, OpisSyst FROM systemyeksperckie ORDER BY IdSyst"));
    q.exec();
    m_model->setQuery(std::move(q));
    while (m_model->canFetchMore())
        m_model->fetchMore();
    m_model->setHeaderData(0, Qt::Horizontal, QStringLiteral("Kod systemu"));
    m_model->setHeaderData(1, Qt::Horizontal, QStringLiteral("Nazwa systemu eksperckiego (bazy wiedzy)"));
    m_model->setHeaderData(2, Qt::Horizontal, QStringLiteral("Opis systemu"));
    m_siatka->setColumnWidth(0, 90);
    m_siatka->setColumnWidth(1, 320);
    connect(m_siatka->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFormWybSystDruk::pokazBiezacy,
            Qt::UniqueConnection);
    if (m_model->rowCount() > 0)
        m_siatka->selectRow(0);
    pokazBiezacy();
    show();
    raise();
    activateWindow();
}

int TFormWybSystDruk::wybranyKodSyst() const
{
    const QModelIndex i = m_siatka->currentIndex();
    return i.isValid() ? m_model->index(i.row(), 0).data().toInt() : 0;
}

void TFormWybSystDruk::pokazBiezacy()
{
    const QModelIndex i = m_siatka->currentIndex();
    m_kod->setText(i.isValid() ? m_model->index(i.row(), 0).data().toString() : QString());
    m_nazwa->setText(i.isValid() ? m_model->index(i.row(), 1).data().toString() : QString());
}

void TFormWybSystDruk::drukuj()
{
    const int kod = wybranyKodSyst();
    hide();
    drukujTabele(m_kontekst, m_rodzaj, kod, parentWidget());
    m_model->clear();
}

void TFormWybSystDruk::zamknij()
{
    m_model->clear();
    hide();
}

} // namespace tremida::gui
