#include "TFormTabSyst.h"

#include "app/Kolory.h"
#include "store/DataRek.h"
#include "store/NaglowkiKolumn.h"

#include "widgets/Ekran.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

TFormTabSyst::TFormTabSyst(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeli(k, QStringLiteral("TFormTabSyst"), QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)"),
                 QStringLiteral("4.1"), rodzic)
{
    m_syst = zbiorSystemow(k.baza, this);
    ustawZbioryStrzezone({m_syst});

    m_naglowek = etykieta(QStringLiteral("TABELA I DEFINICJA SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), this);
    QFont f = m_naglowek->font();
    f.setBold(true);
    m_naglowek->setFont(f);
    m_siatka = new Siatka(m_syst, this);
    m_siatka->setMinimumHeight(200);
    m_nawigator = new Nawigator(m_syst, Nawigator::wszystkie(), this);

    m_lKod = etykieta(QStringLiteral("Kod systemu eksperckiego (bazy wiedzy):"), this);
    m_kod = new QLineEdit(this);
    m_kod->setObjectName(QStringLiteral("IdSyst"));
    m_kod->setMaximumWidth(120);
    m_lNazwa = etykieta(QStringLiteral("Nazwa systemu eksperckiego (bazy wiedzy):"), this);
    m_nazwa = new QLineEdit(this);
    m_nazwa->setObjectName(QStringLiteral("NazSyst"));
    m_lOpis = etykieta(QStringLiteral("Opis systemu eksperckiego (bazy wiedzy):"), this);
    m_opis = memoPowiazane(this, m_syst, QStringLiteral("OpisSyst"));
    m_opis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu:"), this);
    m_data = new QLineEdit(this);
    m_data->setReadOnly(true);
    m_data->setMaximumWidth(120);
    powiaz(m_kod, m_syst, QStringLiteral("IdSyst"));
    powiaz(m_nazwa, m_syst, QStringLiteral("NazSyst"));

    m_szukajKodu = new QPushButton(QStringLiteral("Wyszukaj wolny kod systemu"), this);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod systemu:"), this);
    m_wolnyKod = new QLineEdit(this);
    m_wolnyKod->setReadOnly(true);
    m_wolnyKod->setMaximumWidth(120);
    connect(m_szukajKodu, &QPushButton::clicked, this, [this] { szukajWolnegoKodu(Tabela::Systemy, m_wolnyKod); });

    // The date field follows the current record; a new record shows no date until posted.
    connect(m_syst, &ZbiorDanych::przewiniety, this, [this] {
        if (m_syst->stan() == StanZbioru::Wstawianie)
            m_data->clear();
        else
            pokazDate(m_data, m_syst);
    });
    connect(m_nawigator, &Nawigator::poAkcji, this, [this](PrzyciskNaw p) {
        if (p == PrzyciskNaw::Wstaw) {
            m_data->clear();
            m_syst->ustawWartosc(QStringLiteral("DataRek"), GenDataRek());
        } else {
            pokazDate(m_data, m_syst);
        }
    });
    connect(m_siatka, &Siatka::klikniecie, this, [this] {
        if (m_syst->stan() != StanZbioru::Wstawianie)
            pokazDate(m_data, m_syst);
    });

    auto *szczegoly = new QGridLayout;
    szczegoly->addWidget(m_lKod, 0, 0);
    szczegoly->addWidget(m_kod, 0, 1, Qt::AlignLeft);
    szczegoly->addWidget(m_lData, 0, 2, Qt::AlignRight);
    szczegoly->addWidget(m_data, 0, 3);
    szczegoly->addWidget(m_lNazwa, 1, 0);
    szczegoly->addWidget(m_nazwa, 1, 1, 1, 3);
    szczegoly->addWidget(m_lOpis, 2, 0, Qt::AlignTop);
    szczegoly->addWidget(m_opis, 2, 1, 1, 3);
    szczegoly->setColumnStretch(1, 1);

    auto *dol = new QHBoxLayout;
    dol->addWidget(m_szukajKodu);
    dol->addWidget(m_lWolnyKod);
    dol->addWidget(m_wolnyKod);
    dol->addStretch();
    dol->addWidget(przyciskPomoc());
    dol->addWidget(przyciskOk());

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_naglowek);
    uklad->addWidget(m_siatka, 1);
    uklad->addWidget(m_nawigator);
    uklad->addLayout(szczegoly);
    uklad->addLayout(dol);
    resize(900, 620);

    kolorujZawsze(&TFormTabSyst::ZmiaKolFormTabSyst);
}

void TFormTabSyst::otworz()
{
    if (m_syst->czyEdycjaLubWstawianie()) {
        // A record being typed is not thrown away by opening the table again.
        show();
        raise();
        return;
    }
    m_syst->ustawNaglowki(naglowkiKolumnSyst());
    if (!m_syst->czyOtwarty())
        m_k.baza.zajmij(Tabela::Systemy);
    if (!m_syst->otworz())
        m_k.baza.zwolnij(Tabela::Systemy);
    pokazDate(m_data, m_syst);
    show();
    raise();
    activateWindow();
}

void TFormTabSyst::zamknijZbiory()
{
    if (m_syst->czyOtwarty())
        m_k.baza.zwolnij(Tabela::Systemy);
    m_syst->zamknij();
}

void TFormTabSyst::ZmiaKolFormTabSyst(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne, {m_naglowek, m_lKod, m_kod, m_lNazwa, m_nazwa, m_lOpis, m_opis});
    zastosujKolory(k, Rola::Bierne, {m_siatka, m_lData, m_data});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_szukajKodu, m_lWolnyKod, m_wolnyKod, przyciskOk(), przyciskPomoc(), m_nawigator});
}

} // namespace tremida::gui
