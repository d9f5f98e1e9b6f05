#include "TFormWybSystDruk.h"

#include "DrukTabel.h"
#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"

#include "widgets/SiatkaSystemow.h"

#include <QTableView>
#include <QVBoxLayout>

namespace tremida::gui {

TFormWybSystDruk::TFormWybSystDruk(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, QWidget *rodzic)
    : OknoKontekstu(kontekst,
                    rodzaj == RodzajWydruku::Fakty ? QStringLiteral("TFormWybSystDrukFakt")
                                                   : QStringLiteral("TFormWybSystDrukReg"),
                    rodzaj == RodzajWydruku::Fakty
                        ? QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI FAKTÓW WRAZ Z "
                                         "WARTOŚCIAMI FAKTÓW WYLICZENIOWYCH")
                        : QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO DRUKU TABELI REGUŁ"),
                    rodzic),
      m_rodzaj(rodzaj)
{
    const bool fakty = rodzaj == RodzajWydruku::Fakty;
    m_zacheta = new QLabel(fakty ? QStringLiteral("Wybierz i zaznacz rekord systemu eksperckiego (bazy wiedzy), w ramach "
                                                  "którego chcesz drukować rekordy tabeli faktów:")
                                 : QStringLiteral("Wybierz i zaznacz rekord systemu eksperckiego (bazy wiedzy), w ramach "
                                                  "którego chcesz drukować rekordy tabeli reguł:"));
    m_zacheta->setWordWrap(true);

    m_systemy = new SiatkaSystemow(this);
    m_siatka = m_systemy->widok();
    QHBoxLayout *pola = m_pola.utworz(120);

    m_drukuj = new QPushButton(fakty ? QStringLiteral("Drukuj rekordy tabeli faktów wybranego powyżej systemu eksperckiego")
                                     : QStringLiteral("Drukuj rekordy tabeli reguł wybranego powyżej systemu eksperckiego"));
    m_anuluj = new QPushButton(QStringLiteral("Anuluj opcję"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));

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

    connect(m_systemy, &SiatkaSystemow::biezacyZmieniony, this, &TFormWybSystDruk::pokazBiezacy);
    connect(m_drukuj, &QPushButton::clicked, this, &TFormWybSystDruk::drukuj);
    connect(m_anuluj, &QPushButton::clicked, this, &TFormWybSystDruk::zamknij);
    connect(m_pomoc, &QPushButton::clicked, this, [this] {
        if (m_kontekst.pokazStroneInstrukcji)
            m_kontekst.pokazStroneInstrukcji(m_rodzaj == RodzajWydruku::Fakty ? QStringLiteral("5.6") : QStringLiteral("7.8"));
    });
    kolorujZawsze(&TFormWybSystDruk::ZmiaKolFormWybSystDruk);
}

void TFormWybSystDruk::ZmiaKolFormWybSystDruk()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_siatka, m_pola.etKod, m_pola.kod, m_pola.etNazwa, m_pola.nazwa});
    zastosujKolory(k, Rola::Pomocnicze, {m_zacheta, m_drukuj, m_anuluj, m_pomoc});
}

void TFormWybSystDruk::otworz()
{
    m_systemy->czytaj(m_kontekst.baza);
    if (m_systemy->liczbaWierszy() > 0)
        m_siatka->selectRow(0);
    pokazBiezacy();
    show();
    raise();
    activateWindow();
}

int TFormWybSystDruk::wybranyKodSyst() const { return m_systemy->kodBiezacy(); }

void TFormWybSystDruk::pokazBiezacy()
{
    m_pola.kod->setText(m_systemy->kodBiezacyTekst());
    m_pola.nazwa->setText(m_systemy->nazwaBiezaca());
}

void TFormWybSystDruk::drukuj()
{
    const int kod = wybranyKodSyst();
    hide();
    drukujTabele(m_kontekst, m_rodzaj, kod, parentWidget());
    m_systemy->wyczysc();
}

void TFormWybSystDruk::zamknij()
{
    m_systemy->wyczysc();
    hide();
}

} // namespace tremida::gui
