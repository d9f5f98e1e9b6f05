#include "TFormWizKonkl.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "inference/PolaWizKonkl.h"
#include "manual/Instrukcja.h"
#include "store/Ilustracje.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tremida::gui {

TFormWizKonkl::TFormWizKonkl(KontekstAplikacji &kontekst, QWidget *rodzic)
    : OknoKontekstu(kontekst, QStringLiteral("TFormWizKonkl"),
                    QStringLiteral("WIZUALIZACJA KONKLUZJI SYSTEMU EKSPERCKIEGO SZKIELETOWEGO TREMIDA"), rodzic)
{

    auto *siatka = new QGridLayout;
    int wiersz = 0;
    auto dodajPole = [&](const QString &etykieta, const QString &nazwa, int kolumna) {
        auto *et = new QLabel(etykieta);
        et->setWordWrap(true);
        m_etykiety.append(et);
        siatka->addWidget(et, wiersz, kolumna * 2);
        siatka->addWidget(pole(nazwa, this), wiersz, kolumna * 2 + 1);
    };
    dodajPole(podpisPolaKonkl(PoleKonkl::KodSyst), QStringLiteral("kodSyst"), 0);
    dodajPole(podpisPolaKonkl(PoleKonkl::NazSyst), QStringLiteral("nazSyst"), 1);
    ++wiersz;
    dodajPole(podpisPolaKonkl(PoleKonkl::KodReg), QStringLiteral("kodReg"), 0);
    dodajPole(podpisPolaKonkl(PoleKonkl::NazReg), QStringLiteral("nazReg"), 1);
    ++wiersz;
    auto *etKonkl = new QLabel(podpisPolaKonkl(PoleKonkl::KonklReg));
    m_etykiety.append(etKonkl);
    siatka->addWidget(etKonkl, wiersz, 0);
    siatka->addWidget(pole(QStringLiteral("konklReg"), this), wiersz, 1, 1, 3);
    ++wiersz;
    auto *etOpisKonkl = new QLabel(podpisPolaKonkl(PoleKonkl::OpisKonkl) + u':');
    m_etykiety.append(etOpisKonkl);
    m_opisKonkl = new QPlainTextEdit;
    m_opisKonkl->setObjectName(QStringLiteral("opisKonklReg"));
    m_opisKonkl->setReadOnly(true);
    m_opisKonkl->setMaximumHeight(60);
    siatka->addWidget(etOpisKonkl, wiersz, 0);
    siatka->addWidget(m_opisKonkl, wiersz, 1, 1, 3);
    ++wiersz;
    dodajPole(podpisPolaKonkl(PoleKonkl::CFKonkl) + u' ', QStringLiteral("cfKonkl"), 0);
    dodajPole(podpisPolaKonkl(PoleKonkl::CFZagreg), QStringLiteral("cfZagreg"), 1);
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(3, 1);

    auto *rodzaj = m_rodzaj = new QGroupBox(podpisPolaKonkl(PoleKonkl::RodzFakt) + u':');
    m_posredni = new QRadioButton(podpisPosredniego());
    m_koncowy = new QRadioButton(podpisKoncowego());
    for (QRadioButton *r : {m_posredni, m_koncowy}) {
        // Read-only: the mark follows the conclusion's fact only.
        r->setAttribute(Qt::WA_TransparentForMouseEvents);
        r->setFocusPolicy(Qt::NoFocus);
    }
    auto *uRodzaj = new QHBoxLayout(rodzaj);
    uRodzaj->addWidget(m_posredni);
    uRodzaj->addWidget(m_koncowy);

    auto *etInstr = new QLabel(podpisPolaKonkl(PoleKonkl::InstrReg) + u':');
    m_etykiety.append(etInstr);
    m_instr = new QPlainTextEdit;
    m_instr->setObjectName(QStringLiteral("instrReg"));
    m_instr->setReadOnly(true);
    // The caption is hyphenated for a line break and breaks there, never with the hyphen
    // mid-line.
    auto *etOpisReg = new QLabel(podpisPolaKonkl(PoleKonkl::OpisReg)
                                     .replace(QStringLiteral("charakterystyka"), QStringLiteral("charaktery-\nstyka")));
    m_etykiety.append(etOpisReg);
    m_opisReg = new QPlainTextEdit;
    m_opisReg->setObjectName(QStringLiteral("opisReg"));
    m_opisReg->setReadOnly(true);
    m_opisReg->setMaximumHeight(70);
    auto *opisy = new QGridLayout;
    opisy->addWidget(etOpisReg, 0, 0);
    opisy->addWidget(m_opisReg, 0, 1);
    opisy->setColumnStretch(1, 1);

    m_nastObraz = new QPushButton(QStringLiteral("Pokaż następny obraz/zdjęcie"));
    m_poprzObraz = new QPushButton(QStringLiteral("Pokaż poprzedni obraz/zdjęcie"));
    m_nastFilm = new QPushButton(QStringLiteral("Pokaż następny film"));
    m_poprzFilm = new QPushButton(QStringLiteral("Pokaż poprzedni film"));
    auto *ilustracje = new QGridLayout;
    auto *etObrazy = new QLabel(podpisPolaKonkl(PoleKonkl::LiczbaObrazow));
    auto *etFilmy = new QLabel(podpisPolaKonkl(PoleKonkl::LiczbaFilmow));
    m_etykiety << etObrazy << etFilmy;
    QLineEdit *liczbaObrazow = pole(QStringLiteral("liczbaObrazow"), this);
    QLineEdit *liczbaFilmow = pole(QStringLiteral("liczbaFilmow"), this);
    liczbaObrazow->setMaximumWidth(60);
    liczbaFilmow->setMaximumWidth(60);
    ilustracje->addWidget(etObrazy, 0, 0);
    ilustracje->addWidget(liczbaObrazow, 0, 1);
    ilustracje->addWidget(m_nastObraz, 0, 2);
    ilustracje->addWidget(m_poprzObraz, 0, 3);
    ilustracje->addWidget(etFilmy, 1, 0);
    ilustracje->addWidget(liczbaFilmow, 1, 1);
    ilustracje->addWidget(m_nastFilm, 1, 2);
    ilustracje->addWidget(m_poprzFilm, 1, 3);
    ilustracje->setColumnStretch(4, 1);
    // The buttons of a rule without pictures or films keep their place empty.
    zachowajMiejsce({m_nastObraz, m_poprzObraz, m_nastFilm, m_poprzFilm});
    m_obrazy = new TPrzyciskiIlustracji(m_kontekst, slowa::ObrazGraficzny, m_nastObraz, m_poprzObraz, liczbaObrazow, this);
    m_filmy = new TPrzyciskiIlustracji(m_kontekst, slowa::Film, m_nastFilm, m_poprzFilm, liczbaFilmow, this);

    m_kontynuuj = new QPushButton(QStringLiteral("Kontynuuj proces wnioskowania.\nZwizualizuj następną konkluzję."));
    m_zamknij = new QPushButton(QStringLiteral("Zamknij proces\nwnioskowania."));
    m_skladnia = new QPushButton(QStringLiteral("Pokaż składnię reguły oraz\ndefinicje i stan faktów reguły."));
    m_drzewo = new QPushButton(QStringLiteral("Pokaż drzewo \"odpalonych\"\nreguł dojścia do konkluzji."));
    m_symulacja = new QPushButton(QStringLiteral("Zrealizuj symulację reguły"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));
    auto *przyciski = new QHBoxLayout;
    for (QPushButton *p : {m_kontynuuj, m_zamknij, m_skladnia, m_drzewo, m_symulacja, m_pomoc}) {
        p->setMinimumHeight(44);
        przyciski->addWidget(p);
    }

    auto *uklad = ukladPrzewijany(this);
    uklad->addLayout(siatka);
    uklad->addWidget(rodzaj);
    uklad->addWidget(etInstr);
    uklad->addWidget(m_instr, 1);
    uklad->addLayout(opisy);
    uklad->addLayout(ilustracje);
    uklad->addLayout(przyciski);
    resize(980, 640);

    connect(m_kontynuuj, &QPushButton::clicked, this, [this] {
        hide();
        if (kontynuuj)
            kontynuuj();
    });
    connect(m_zamknij, &QPushButton::clicked, this, &TFormWizKonkl::zamknijProces);
    connect(m_skladnia, &QPushButton::clicked, this, [this] {
        pokazKomunikat(QStringLiteral("Wersja 4.0 programu nie obejmuje jeszcze wizualizacji składni reguły oraz "
                                      "definicji i stanu faktów reguły. W to miejsce możesz wejść do tabeli faktów i "
                                      "tabeli reguł i przejrzeć stosowne rekordy tych tabel."),
                       this);
    });
    connect(m_drzewo, &QPushButton::clicked, this, [this] {
        pokazKomunikat(QStringLiteral("Wersja 4.0 programu nie obejmuje jeszcze wizualizacji drzewa \"odpalonych\" "
                                      "reguł dojścia do konkluzji. W to miejsce możesz wejść do tabeli trajektorii "
                                      "wnioskowania i przejrzeć rekordy tej tabeli. W kolejnych rekordach zapisane są "
                                      "kroki procesu wnioskowania."),
                       this);
    });
    connect(m_symulacja, &QPushButton::clicked, this, [this] {
        pokazKomunikat(QStringLiteral("Wersja 4.0 programu nie obejmuje jeszcze symulacji reguły jako procesu "
                                      "automatycznego. W systemie TREMIDA możliwa jest zastępczo realizacja "
                                      "eksperymentów symulacyjnych na drodze symulowanych zmian wartości faktów "
                                      "wprowadzanych oraz realizacji symulowanych przebiegów procesu wnioskowania w "
                                      "przód i/lub wstecz."),
                       this);
    });
    m_kontekst.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::WizKonkl));
    kolorujZawsze(&TFormWizKonkl::ZmiaKolFormWizKonkl);
}

QLineEdit *TFormWizKonkl::pole(const QString &nazwa, QWidget *)
{
    auto *e = new QLineEdit;
    e->setObjectName(nazwa);
    e->setReadOnly(true);
    m_pola.append(e);
    return e;
}

QLineEdit *TFormWizKonkl::pole(const QString &nazwa) const { return findChild<QLineEdit *>(nazwa); }

void TFormWizKonkl::ZmiaKolFormWizKonkl()
{
    const TParKonfig &k = m_kontekst.konfig;
    for (QLineEdit *e : m_pola)
        zastosujKolory(k, Rola::Bierne, {e});
    for (QLabel *l : m_etykiety)
        zastosujKolory(k, Rola::Bierne, {l});
    zastosujKolory(k, Rola::Bierne, {m_instr, m_opisReg, m_opisKonkl, m_rodzaj, m_posredni, m_koncowy});
    zastosujKolory(k, Rola::Pomocnicze, {m_kontynuuj, m_zamknij, m_skladnia, m_drzewo, m_symulacja, m_pomoc,
                                         m_nastObraz, m_poprzObraz, m_nastFilm, m_poprzFilm});
}

void TFormWizKonkl::wypelnij(const TWizKonkl &w)
{
    m_wiz = w;
    for (auto [p, nazwa] : {std::pair{PoleKonkl::KodSyst, "kodSyst"}, std::pair{PoleKonkl::NazSyst, "nazSyst"},
                            std::pair{PoleKonkl::KodReg, "kodReg"}, std::pair{PoleKonkl::NazReg, "nazReg"},
                            std::pair{PoleKonkl::KonklReg, "konklReg"}, std::pair{PoleKonkl::CFKonkl, "cfKonkl"},
                            std::pair{PoleKonkl::CFZagreg, "cfZagreg"}})
        pole(QLatin1String(nazwa))->setText(tekstPolaKonkl(w, p));
    m_opisKonkl->setPlainText(tekstPolaKonkl(w, PoleKonkl::OpisKonkl));
    m_instr->setPlainText(tekstPolaKonkl(w, PoleKonkl::InstrReg));
    m_opisReg->setPlainText(tekstPolaKonkl(w, PoleKonkl::OpisReg));
    m_obrazy->ustawElement(w.idReg, slowa::Regula);
    m_filmy->ustawElement(w.idReg, slowa::Regula);
    m_posredni->setChecked(w.rodzFakt == slowa::Posredni);
    m_koncowy->setChecked(w.rodzFakt == slowa::Koncowy);
    if (w.rodzFakt != slowa::Posredni && w.rodzFakt != slowa::Koncowy) {
        m_posredni->setAutoExclusive(false);
        m_koncowy->setAutoExclusive(false);
        m_posredni->setChecked(false);
        m_koncowy->setChecked(false);
        m_posredni->setAutoExclusive(true);
        m_koncowy->setAutoExclusive(true);
    }
}

bool TFormWizKonkl::konkluzjaKoncowa() const { return m_koncowy->isChecked(); }

void TFormWizKonkl::zamknijProces()
{
    hide();
    if (zamknij)
        zamknij();
}

void TFormWizKonkl::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (isVisible())
        zamknijProces();
}

} // namespace tremida::gui
