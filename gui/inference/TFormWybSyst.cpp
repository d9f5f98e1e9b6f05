#include "TFormWybSyst.h"

#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"
#include "manual/Instrukcja.h"

#include "widgets/SiatkaSystemow.h"

#include <QTableView>
#include <QVBoxLayout>

namespace tremida::gui {

TFormWybSyst::TFormWybSyst(KontekstAplikacji &kontekst, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormWybSyst"),
                    QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY) DO PROCESU WNIOSKOWANIA"), rodzic)
{
    m_instrukcja = new QLabel(QStringLiteral("Wybierz i zaznacz rekord systemu eksperckiego (bazy wiedzy), w ramach "
                                             "którego chcesz realizować proces wnioskowania:"));
    m_instrukcja->setWordWrap(true);

    m_systemy = new SiatkaSystemow(this);
    m_siatka = m_systemy->widok();

    m_pierwszy = new QPushButton(QStringLiteral("|◀"));
    m_poprzedni = new QPushButton(QStringLiteral("◀"));
    m_nastepny = new QPushButton(QStringLiteral("▶"));
    m_ostatni = new QPushButton(QStringLiteral("▶|"));
    m_pierwszy->setToolTip(QStringLiteral("Pierwszy rekord"));
    m_poprzedni->setToolTip(QStringLiteral("Poprzedni rekord"));
    m_nastepny->setToolTip(QStringLiteral("Następny rekord"));
    m_ostatni->setToolTip(QStringLiteral("Ostatni rekord"));
    auto *nawigator = new QHBoxLayout;
    for (QPushButton *p : {m_pierwszy, m_poprzedni, m_nastepny, m_ostatni}) {
        p->setFixedWidth(44);
        nawigator->addWidget(p);
    }
    nawigator->addStretch(1);

    m_ok = new QPushButton(QStringLiteral("OK"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(m_ok);
    przyciski->addWidget(m_pomoc);

    auto *uklad = new QVBoxLayout(this);
    uklad->addWidget(m_instrukcja);
    uklad->addWidget(m_siatka, 1);
    uklad->addLayout(nawigator);
    uklad->addLayout(m_pola.utworz());
    uklad->addLayout(przyciski);
    resize(760, 420);

    connect(m_pierwszy, &QPushButton::clicked, this, [this] { przesun(0); });
    connect(m_poprzedni, &QPushButton::clicked, this, [this] { przesun(m_siatka->currentIndex().row() - 1); });
    connect(m_nastepny, &QPushButton::clicked, this, [this] { przesun(m_siatka->currentIndex().row() + 1); });
    connect(m_ostatni, &QPushButton::clicked, this, [this] { przesun(m_systemy->liczbaWierszy() - 1); });
    connect(m_systemy, &SiatkaSystemow::biezacyZmieniony, this, &TFormWybSyst::pokazBiezacy);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        const int kod = biezacyKodSyst();
        if (kod <= 0) {
            // An empty systems table offers nothing to choose; the form simply closes.
            hide();
            return;
        }
        if (poWyborze)
            poWyborze(kod);
    });
    m_kontekst.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::WyborSyst));
    kolorujZawsze(&TFormWybSyst::ZmiaKolFormWybSyst);
}

void TFormWybSyst::ZmiaKolFormWybSyst()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_siatka, m_pola.etKod, m_pola.kod, m_pola.etNazwa, m_pola.nazwa});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_instrukcja, m_pierwszy, m_poprzedni, m_nastepny, m_ostatni, m_ok, m_pomoc});
}

void TFormWybSyst::otworz()
{
    m_systemy->czytaj(m_kontekst.baza);
    przesun(0);
    pokazBiezacy();
    show();
    raise();
    activateWindow();
}

void TFormWybSyst::ustawBiezacy(int wiersz) { przesun(wiersz); }

void TFormWybSyst::przesun(int wiersz) { m_systemy->przesun(wiersz); }

int TFormWybSyst::biezacyKodSyst() const { return m_systemy->kodBiezacy(); }

void TFormWybSyst::pokazBiezacy()
{
    m_pola.kod->setText(m_systemy->kodBiezacyTekst());
    m_pola.nazwa->setText(m_systemy->nazwaBiezaca());
}

} // namespace tremida::gui
