#include "TFormTabTraj.h"

#include "TPanelWyjasnien.h"

#include "app/Kolory.h"
#include "manual/Instrukcja.h"
#include "store/NaglowkiKolumn.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QResizeEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

// The viewer's own wording of the fifth outcome item.
const QString PiataPozycja = QStringLiteral(
    "Reguła nieprzyjęta na stos do \"odpalenia\". Pole przesłankowe zwraca wprawdzie TRUE, jednak wartość CF pola "
    "poniżej progu. Konkluzja zawiera ponadto stałą o nieokreślonej wartości");

// Texts longer than the outcome column are stored cut to this length.
constexpr int SzerokoscKolumnyPrzyczyny = 200;

QLabel *pogrubiona(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setTextFormat(Qt::PlainText);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

TFormTabTraj::TFormTabTraj(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeli(k, QStringLiteral("TFormTabTraj"), QStringLiteral("TABELA TRAJEKTORII WNIOSKOWANIA"),
                 QString::fromLatin1(pomoc::TabTraj), rodzic)
{
    m_syst = zbiorSystemow(k.baza, this);
    m_traj = new ZbiorDanych(k.baza, Tabela::Trajektoria, this);

    // --- knowledge bases
    m_naglowekSyst = pogrubiona(QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), this);
    m_lKodSyst = etykieta(QStringLiteral("Kod systemu:"), this);
    m_lNazSyst = etykieta(QStringLiteral("Nazwa systemu:"), this);
    m_kodSyst = pole(this, QStringLiteral("IdSyst"), 80, true);
    m_nazSyst = pole(this, QStringLiteral("NazSyst"), 0, true);
    powiaz(m_kodSyst, m_syst, QStringLiteral("IdSyst"), true);
    powiaz(m_nazSyst, m_syst, QStringLiteral("NazSyst"), true);
    m_siatkaSyst = new Siatka(m_syst, this);
    m_siatkaSyst->setMaximumHeight(100);
    m_nawSyst = new Nawigator(m_syst, Nawigator::przemieszczanie(), this);
    connect(m_syst, &ZbiorDanych::przewiniety, this, [this] {
        if (m_syst->czyOtwarty())
            uruchomZapytanieKrokow();
    });

    // --- steps
    m_naglowekTraj = pogrubiona(QStringLiteral("TABELA ORAZ DEFINICJA KROKU TRAJEKTORII WNIOSKOWANIA"), this);
    m_siatkaTraj = new Siatka(m_traj, this);
    m_siatkaTraj->setMinimumHeight(150);
    m_nawTraj = new Nawigator(m_traj, Nawigator::przemieszczanie(), this);
    // Every move in the steps (navigator, a click, a scroll) shows the step's date as stored.
    connect(m_traj, &ZbiorDanych::przewiniety, this, &TFormTabTraj::pokazKrok);
    connect(m_siatkaTraj, &Siatka::klikniecie, this, &TFormTabTraj::pokazKrok);

    m_lKrok = etykieta(QStringLiteral("Kod kroku trajektorii wnioskowania:"), this);
    m_krok = pole(this, QStringLiteral("IdKrokTraj"), 100, true);
    m_lKodSystKroku = etykieta(QStringLiteral("Kod systemu:"), this);
    m_kodSystKroku = pole(this, QStringLiteral("KodSyst"), 100, true);
    m_lReg = etykieta(QStringLiteral("Kod reguły analizowanej w danym kroku trajektorii:"), this);
    m_reg = pole(this, QStringLiteral("KodRegTraj"), 100, true);
    m_lPoz = etykieta(QStringLiteral("Poziom reguł analizowanych w danym kroku trajektorii:"), this);
    m_poz = pole(this, QStringLiteral("PozRegTraj"), 100, true);
    m_lIter = etykieta(QStringLiteral("Numer iteracji danego poziomu reguł w danym kroku trajektorii:"), this);
    m_iter = pole(this, QStringLiteral("IterRegTraj"), 100, true);
    m_lCF = etykieta(QStringLiteral("Jeśli analizowana w danym kroku trajektorii reguła została \"odpalona\" to CF "
                                    "konkluzji tej reguły:"),
                     this);
    m_cf = pole(this, QStringLiteral("CFKonklRegTraj"), 100, true);
    m_cf->setToolTip(QStringLiteral("Jako liczba rzeczywista z przedziału [0,1] z przecinkiem dziesiętnym"));
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu:"), this);
    m_data = pole(this, QStringLiteral("data"), 100, true);
    powiaz(m_krok, m_traj, QStringLiteral("IdKrokTraj"), true);
    powiaz(m_kodSystKroku, m_traj, QStringLiteral("KodSyst"), true);
    powiaz(m_reg, m_traj, QStringLiteral("KodRegTraj"), true);
    powiaz(m_poz, m_traj, QStringLiteral("PozRegTraj"), true);
    powiaz(m_iter, m_traj, QStringLiteral("IterRegTraj"), true);
    powiaz(m_cf, m_traj, QStringLiteral("CFKonklRegTraj"), true);

    m_kier = new GrupaRadiowa(QStringLiteral("Kierunek wnioskowania w danym kroku trajektorii:"),
                              {slowa::WPrzod, slowa::Wstecz, slowa::Falsyf}, 3, this);
    m_kier->setObjectName(QStringLiteral("KierWniTraj"));
    m_czyOdpal = new GrupaRadiowa(QStringLiteral("Czy analizowana reguła została \"odpalona\" w danym kroku trajektorii "
                                                 "wnioskowania?"),
                                  {slowa::Tak, slowa::Nie}, 2, this);
    m_czyOdpal->setObjectName(QStringLiteral("CzyOdpalTraj"));
    m_przyczyna = new GrupaRadiowa(QStringLiteral("Stwierdzenie \"odpalenia\" reguły i przyjęcia lub nieprzyjęcia reguły "
                                                  "na stos do \"odpalenia\" z różnych przyczyn, w danym kroku "
                                                  "trajektorii wnioskowania"),
                                   pozycjePrzyczyn(), 1, this);
    m_przyczyna->setObjectName(QStringLiteral("PrzyczNieOdpalTraj"));
    for (GrupaRadiowa *g : {m_kier, m_czyOdpal, m_przyczyna})
        g->ustawTylkoDoOdczytu(true);

    auto *wyborSyst = new QGridLayout;
    wyborSyst->addWidget(m_naglowekSyst, 0, 0, 1, 5);
    wyborSyst->addWidget(m_lKodSyst, 1, 0);
    wyborSyst->addWidget(m_kodSyst, 1, 1);
    wyborSyst->addWidget(m_lNazSyst, 1, 2);
    wyborSyst->addWidget(m_nazSyst, 1, 3);
    wyborSyst->addWidget(m_nawSyst, 1, 4);
    wyborSyst->addWidget(m_siatkaSyst, 2, 0, 1, 5);
    wyborSyst->setColumnStretch(3, 1);

    auto *pola = new QGridLayout;
    int w = 0;
    for (auto [l, p] : {std::pair{m_lKrok, m_krok}, std::pair{m_lKodSystKroku, m_kodSystKroku}, std::pair{m_lReg, m_reg},
                        std::pair{m_lPoz, m_poz}, std::pair{m_lIter, m_iter}, std::pair{m_lCF, m_cf},
                        std::pair{m_lData, m_data}}) {
        pola->addWidget(l, w, 0);
        pola->addWidget(p, w, 1);
        ++w;
    }
    pola->addWidget(m_kier, w++, 0, 1, 2);
    pola->addWidget(m_czyOdpal, w++, 0, 1, 2);
    pola->setRowStretch(w, 1);
    // Given more width than it needs (the reasons below it), the fields stay at the left.
    pola->setColumnStretch(2, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(przyciskPomoc());
    przyciski->addWidget(przyciskOk());
    pola->addLayout(przyciski, w + 1, 0, 1, 2);
    auto *dol = new QBoxLayout(QBoxLayout::LeftToRight);
    dol->addLayout(pola);
    dol->addWidget(m_przyczyna, 1);
    m_dol = dol;
    m_pola = pola;

    // The explanations stand beside the steps grid; a step chosen in a tree moves the grid.
    m_wyjasnienia = new TPanelWyjasnien(k, this);
    connect(m_wyjasnienia, &TPanelWyjasnien::krokWybrany, this, [this](int krok) {
        if (m_traj->czyOtwarty() && m_traj->znajdz(QStringLiteral("IdKrokTraj"), krok))
            pokazKrok();
    });
    auto *obokSiatki = new QSplitter(Qt::Horizontal, this);
    obokSiatki->setChildrenCollapsible(false);
    obokSiatki->addWidget(m_siatkaTraj);
    obokSiatki->addWidget(m_wyjasnienia);
    obokSiatki->setStretchFactor(0, 3);
    obokSiatki->setStretchFactor(1, 2);

    auto *uklad = ukladPrzewijany(this);
    uklad->addLayout(wyborSyst);
    uklad->addWidget(m_naglowekTraj);
    uklad->addWidget(obokSiatki, 1);
    uklad->addWidget(m_nawTraj);
    uklad->addLayout(dol);
    resize(1250, 900);

    ZmiaKolFormTabTraj(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this, [this] { ZmiaKolFormTabTraj(m_k.konfig); });
}

void TFormTabTraj::resizeEvent(QResizeEvent *e)
{
    OknoTabeli::resizeEvent(e);
    const int obokSiebie = m_pola->sizeHint().width() + m_przyczyna->sizeHint().width() + 2 * m_dol->spacing() + 24;
    const auto kierunek = width() >= obokSiebie ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (m_dol->direction() != kierunek)
        m_dol->setDirection(kierunek);
}

QStringList TFormTabTraj::pozycjePrzyczyn()
{
    QStringList p(slowa::PrzyczynyTraj.begin(), slowa::PrzyczynyTraj.end());
    p[4] = PiataPozycja;
    return p;
}

int TFormTabTraj::indeksPrzyczyny(const QString &zapisana)
{
    const int i = pozycjePrzyczyn().indexOf(zapisana);
    if (i >= 0)
        return i;
    // The fifth outcome is written in the words of the inference, whole or cut to the
    // column; the viewer words it differently but it is the same outcome.
    const QString &piata = slowa::PrzyczynyTraj[4];
    if (zapisana == piata || (zapisana.size() >= SzerokoscKolumnyPrzyczyny && piata.startsWith(zapisana)))
        return 4;
    return -1;
}

void TFormTabTraj::otworz()
{
    m_syst->ustawNaglowki(naglowkiKolumnSyst());
    m_traj->ustawNaglowki(naglowkiKolumnTraj());
    if (!m_syst->czyOtwarty()) {
        m_k.baza.zajmij(Tabela::Systemy);
        m_k.baza.zajmij(Tabela::Trajektoria);
    }
    m_syst->otworz(); // runs the steps query of the first knowledge base
    if (!m_traj->czyOtwarty())
        uruchomZapytanieKrokow();
    show();
    raise();
    activateWindow();
}

void TFormTabTraj::zamknijZbiory()
{
    if (m_traj->czyOtwarty() || m_syst->czyOtwarty()) {
        m_k.baza.zwolnij(Tabela::Systemy);
        m_k.baza.zwolnij(Tabela::Trajektoria);
    }
    m_traj->zamknij();
    m_syst->zamknij();
}

void TFormTabTraj::uruchomZapytanieKrokow()
{
    m_traj->ustawZapytanie(
        QStringLiteral("SELECT * FROM trajektoria WHERE KodSyst=:ParIdSyst ORDER BY KodSyst, IdKrokTraj"),
        {{QStringLiteral("ParIdSyst"), m_syst->wartosc(QStringLiteral("IdSyst"))}});
    m_traj->otworz();
    pokazKrok();
    m_wyjasnienia->ustawSystem(m_syst->wartosc(QStringLiteral("IdSyst")).toInt());
}

void TFormTabTraj::pokazKrok()
{
    const bool jest = m_traj->czyOtwarty() && m_traj->biezacy() >= 0;
    m_data->setText(jest ? m_traj->wartosc(QStringLiteral("DataRek")).toString() : QString());
    m_kier->ustawWybor(jest ? m_traj->wartosc(QStringLiteral("KierWniTraj")).toString() : QString());
    m_czyOdpal->ustawWybor(jest ? m_traj->wartosc(QStringLiteral("CzyOdpalTraj")).toString() : QString());
    const int i = jest ? indeksPrzyczyny(m_traj->wartosc(QStringLiteral("PrzyczNieOdpalTraj")).toString()) : -1;
    m_przyczyna->ustawWybor(i >= 0 ? pozycjePrzyczyn()[i] : QString());
}

void TFormTabTraj::ZmiaKolFormTabTraj(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Bierne,
                   {m_naglowekSyst, m_lKodSyst, m_kodSyst, m_lNazSyst, m_nazSyst, m_siatkaSyst, m_naglowekTraj,
                    m_siatkaTraj, m_lKrok, m_krok, m_lKodSystKroku, m_kodSystKroku, m_lReg, m_reg, m_lPoz, m_poz, m_lIter,
                    m_iter, m_lCF, m_cf, m_lData, m_data, m_kier, m_czyOdpal, m_przyczyna, m_nawSyst, m_nawTraj});
    zastosujKolory(k, Rola::Pomocnicze, {przyciskOk(), przyciskPomoc()});
    m_wyjasnienia->ZmiaKolPanelWyjasnien(k);
}

} // namespace tremida::gui
