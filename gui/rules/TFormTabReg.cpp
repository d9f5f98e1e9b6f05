#include "TFormTabReg.h"

#include "TFormEdytorReg.h"
#include "TFormKartaReg.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "manual/Instrukcja.h"
#include "rules/DaneReg.h"
#include "rules/KontrReg.h"
#include "store/DataRek.h"
#include "store/Ilustracje.h"
#include "store/KontrRegula.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"
#include "widgets/WierszPol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

QPushButton *przycisk(const QString &tekst, const QString &nazwa, QWidget *rodzic)
{
    auto *p = new QPushButton(tekst, rodzic);
    p->setObjectName(nazwa);
    return p;
}

} // namespace

TFormTabReg::TFormTabReg(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeliWgSystemu(k, QStringLiteral("TFormTabReg"), QStringLiteral("TABELA REGUŁ"),
                          QString::fromLatin1(pomoc::TabReg), Tabela::Reguly, rodzic)
{
    m_edytor = new TFormEdytorReg(k, this);
    m_karta = new TFormKartaReg(k, this);

    utworzPrzegladanie(QStringLiteral("Wizualizacja rekordów tabeli reguł:"), QStringLiteral("wszystkich reguł"),
                       QStringLiteral("tylko reguł wybranego systemu eksperckiego "), 100, 110);
    polaczZbiorRegul();

    auto *szczegoly = new QGroupBox(this);
    utworzPolaReguly(szczegoly);
    ulozSzczegoly(szczegoly);
    auto *pomocnicze = new QWidget(this);
    utworzWyszukiwanie(pomocnicze);
    utworzKopiowanie(pomocnicze);
    utworzPrzyciskiReguly(pomocnicze);
    QGroupBox *pliki = utworzPliki(pomocnicze);
    ulozPomocnicze(pomocnicze, pliki);
    ulozOkno(szczegoly, pomocnicze);

    m_edytuj->hide();
    kolorujZawsze(&TFormTabReg::ZmiaKolFormTabReg);
}

void TFormTabReg::poPrzewinieciu()
{
    policzMultimedia();
    m_edytuj->setVisible(m_reg->biezacy() >= 0);
}

void TFormTabReg::polaczZbiorRegul()
{
    connect(m_reg, &ZbiorDanych::stanZmieniony, this, [this] {
        m_kopia->setVisible(m_reg->czyEdycjaLubWstawianie());
        m_edytuj->setVisible(m_reg->biezacy() >= 0);
    });
}

void TFormTabReg::utworzPolaReguly(QGroupBox *szczegoly)
{
    polaPodpisane(szczegoly, m_reg,
                  {{m_lKod, m_kod, QStringLiteral("Kod reguły:"), QStringLiteral("IdReg"), 100},
                   {m_lKodSystReg, m_kodSystReg, QStringLiteral("Kod systemu:"), QStringLiteral("KodSyst"), 100},
                   {m_lNazwa, m_nazwa, QStringLiteral("Nazwa reguły:"), QStringLiteral("NazReg")},
                   {m_lPoz, m_poz, QStringLiteral("Poziom reguły:"), QStringLiteral("PozReg"), 80},
                   {m_lCF, m_cf, QStringLiteral("CF:"), QStringLiteral("CFReg"), 100}});
    m_kier = grupaPowiazana(QStringLiteral("Kierunek wnioskowania:"), {slowa::WPrzod, slowa::Wstecz, slowa::Oba}, 3,
                            szczegoly, m_reg, QStringLiteral("KierWniReg"));
    polaPodpisane(szczegoly, m_reg,
                  {{m_lPrzes, m_przes, QStringLiteral("Tekst pola przesłankowego"), QStringLiteral("PrzesReg")},
                   {m_lKonkl, m_konkl, QStringLiteral("Tekst konkluzji"), QStringLiteral("KonklReg")},
                   {m_lOpisKonkl, m_opisKonkl, QStringLiteral("Opis konkluzji:"), QStringLiteral("OpisKonklReg")},
                   {m_lInstr, m_instr, QStringLiteral("Instrukcja/ zalecenia"), QStringLiteral("InstrReg")},
                   {m_lOpis, m_opis, QStringLiteral("Źródło regu-\nły, autorzy"), QStringLiteral("OpisReg")}});
    m_przes->setMinimumHeight(60);
    for (QPlainTextEdit *m : {m_konkl, m_opisKonkl, m_instr, m_opis}) {
        m->setMinimumHeight(36);
        m->setMaximumHeight(60);
    }
    m_czyOdpal = grupaPowiazana(QStringLiteral("Czy została odpalona?"), {slowa::Tak, slowa::Nie}, 2, szczegoly, m_reg,
                                QStringLiteral("CzyOdpal"));
    m_lCFKonkl = etykieta(QStringLiteral("CF konkluzji reguły"), szczegoly);
    m_cfKonkl = polePowiazane(szczegoly, m_reg, QStringLiteral("CFKonklReg"), 100);
    m_czyUdz = grupaPowiazana(QStringLiteral("Czy nadal uwzględniana?"), {slowa::Tak, slowa::Nie}, 2, szczegoly, m_reg,
                              QStringLiteral("CzyBieUdzWeWnios"));
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu:"), szczegoly);
    m_data = pole(szczegoly, QStringLiteral("data"), 100, true);

}

void TFormTabReg::ulozSzczegoly(QGroupBox *szczegoly)
{
    auto *u = new QGridLayout(szczegoly);
    wierszPol(u, 0, 0, {m_lKod, m_kod, m_lKodSystReg, m_kodSystReg, m_lPoz, m_poz, m_lCF, m_cf}, Qt::AlignRight);
    u->addWidget(m_lNazwa, 1, 0);
    u->addWidget(m_nazwa, 1, 1, 1, 7);
    // The groups in one row, the run's CF and the date in the next, so that the window
    // fits a laptop screen beside its auxiliary column.
    auto *grupy = new QHBoxLayout;
    grupy->addWidget(m_kier);
    grupy->addWidget(m_czyOdpal);
    grupy->addWidget(m_czyUdz);
    grupy->addStretch();
    u->addLayout(grupy, 2, 0, 1, 8);
    auto *stan = new QHBoxLayout;
    stan->addWidget(m_lCFKonkl);
    stan->addWidget(m_cfKonkl);
    stan->addStretch();
    stan->addWidget(m_lData);
    stan->addWidget(m_data);
    u->addLayout(stan, 3, 0, 1, 8);
    int w = 4;
    for (auto [l, m] : {std::pair{m_lPrzes, m_przes}, std::pair{m_lKonkl, m_konkl}, std::pair{m_lOpisKonkl, m_opisKonkl},
                        std::pair{m_lInstr, m_instr}, std::pair{m_lOpis, m_opis}}) {
        u->addWidget(l, w, 0, Qt::AlignTop);
        u->addWidget(m, w, 1, 1, 7);
        ++w;
    }
    u->setColumnStretch(7, 1);
    u->setRowStretch(4, 1);
}

// The free code and the search by code.
void TFormTabReg::utworzWyszukiwanie(QWidget *pomocnicze)
{
    m_szukajWolnego = przycisk(QStringLiteral("Znajdź wolny kod"), QStringLiteral("znajdzWolnyKod"), pomocnicze);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod"), pomocnicze);
    m_wolnyKod = pole(pomocnicze, QStringLiteral("wolnyKod"), 100, true);
    m_lSzukany = etykieta(QStringLiteral("Kod do wyszu-\nkania rekordu:"), pomocnicze);
    m_szukany = pole(pomocnicze, QStringLiteral("szukanyKod"), 100);
    m_szukajRekordu = przycisk(QStringLiteral("Wyszukaj rekord"), QStringLiteral("wyszukajRekord"), pomocnicze);
    connect(m_szukajWolnego, &QPushButton::clicked, this, [this] { szukajWolnegoKodu(Tabela::Reguly, m_wolnyKod); });
    connect(m_szukajRekordu, &QPushButton::clicked, this, [this] {
        szukajKodu(m_reg, QStringLiteral("IdReg"), m_szukany->text(),
                   QStringLiteral("Nie podałeś kodu reguły do wyszukania."), QStringLiteral("Zła postać kodu reguły. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie reguły w tabeli nie znaleziono."));
    });
}

// The copy of the premise, the conclusion or the whole of another rule, shown while a rule is
// typed.
void TFormTabReg::utworzKopiowanie(QWidget *pomocnicze)
{
    m_kopia = new QWidget(pomocnicze);
    m_kopia->setObjectName(QStringLiteral("kopia"));
    m_lKopiowany = etykieta(QStringLiteral("Kod reguły do skopiowania:"), m_kopia);
    m_kopiowany = pole(m_kopia, QStringLiteral("kopiowanyKod"), 100);
    m_lKopiuj = etykieta(QStringLiteral("Kopiuj:"), m_kopia);
    m_kopiujPrzes = przycisk(QStringLiteral("pole przesłankowe"), QStringLiteral("kopiujPrzes"), m_kopia);
    m_kopiujKonkl = przycisk(QStringLiteral("konkluzję"), QStringLiteral("kopiujKonkl"), m_kopia);
    m_kopiujCalosc = przycisk(QStringLiteral("całość"), QStringLiteral("kopiujCalosc"), m_kopia);
    connect(m_kopiujPrzes, &QPushButton::clicked, this, [this] { kopiuj(Kopia::PolePrzes); });
    connect(m_kopiujKonkl, &QPushButton::clicked, this, [this] { kopiuj(Kopia::Konkluzja); });
    connect(m_kopiujCalosc, &QPushButton::clicked, this, [this] { kopiuj(Kopia::Calosc); });
    auto *u = new QGridLayout(m_kopia);
    u->setContentsMargins(0, 0, 0, 0);
    u->addWidget(m_lKopiowany, 0, 0, 1, 2);
    u->addWidget(m_kopiowany, 0, 2);
    u->addWidget(m_lKopiuj, 1, 0);
    u->addWidget(m_kopiujPrzes, 1, 1);
    u->addWidget(m_kopiujKonkl, 1, 2);
    u->addWidget(m_kopiujCalosc, 2, 1, 1, 2);
    m_kopia->hide();
}

// The editor, the syntax check and the rule card.
void TFormTabReg::utworzPrzyciskiReguly(QWidget *pomocnicze)
{
    m_edytuj = przycisk(QStringLiteral("Wywołaj edytor"), QStringLiteral("wywolajEdytor"), pomocnicze);
    m_weryfikuj = przycisk(QStringLiteral("Weryfikuj składnię"), QStringLiteral("weryfikujSkladnie"), pomocnicze);
    connect(m_edytuj, &QPushButton::clicked, this, &TFormTabReg::wywolajEdytor);
    connect(m_weryfikuj, &QPushButton::clicked, this, &TFormTabReg::weryfikujSkladnie);
    m_pokazKarte = przycisk(QStringLiteral("Karta reguły..."), QStringLiteral("kartaReguly"), pomocnicze);
    connect(m_pokazKarte, &QPushButton::clicked, this, &TFormTabReg::pokazKarte);
}

// The pictures and films that illustrate the rule's conclusion.
QGroupBox *TFormTabReg::utworzPliki(QWidget *pomocnicze)
{
    auto *pliki = new QGroupBox(pomocnicze);
    m_naglowekPlikow = etykieta(QStringLiteral("PLIKI MULTIMEDIALNE (OBRAZY GRAFICZNE, ZDJĘCIA FOTOGRAFICZNE, FILMY) "
                                               "ILUSTRUJĄCE KONKLUZJĘ REGUŁY"),
                                pliki);
    m_naglowekPlikow->setWordWrap(true);
    m_lLiczbaObrazow = etykieta(QStringLiteral("Liczba obrazów/zdjęć"), pliki);
    m_liczbaObrazow = pole(pliki, QStringLiteral("liczbaObrazow"), 60, true);
    m_lLiczbaFilmow = etykieta(QStringLiteral("Liczba filmów"), pliki);
    m_liczbaFilmow = pole(pliki, QStringLiteral("liczbaFilmow"), 60, true);
    m_obrazNast = przycisk(QString(), QStringLiteral("obrazNastepny"), pliki);
    m_obrazPoprz = przycisk(QString(), QStringLiteral("obrazPoprzedni"), pliki);
    m_filmNast = przycisk(QString(), QStringLiteral("filmNastepny"), pliki);
    m_filmPoprz = przycisk(QString(), QStringLiteral("filmPoprzedni"), pliki);
    m_obrazy = new TPrzyciskiIlustracji(m_k, slowa::ObrazGraficzny, m_obrazNast, m_obrazPoprz, m_liczbaObrazow, this);
    m_filmy = new TPrzyciskiIlustracji(m_k, slowa::Film, m_filmNast, m_filmPoprz, m_liczbaFilmow, this);
    // The picture and film buttons keep their place when hidden.
    zachowajMiejsce({m_obrazNast, m_obrazPoprz, m_filmNast, m_filmPoprz});
    auto *u = new QGridLayout(pliki);
    u->addWidget(m_naglowekPlikow, 0, 0, 1, 2);
    u->addWidget(m_lLiczbaObrazow, 1, 0);
    u->addWidget(m_liczbaObrazow, 1, 1);
    u->addWidget(m_obrazNast, 2, 0, 1, 2);
    u->addWidget(m_obrazPoprz, 3, 0, 1, 2);
    u->addWidget(m_lLiczbaFilmow, 4, 0);
    u->addWidget(m_liczbaFilmow, 4, 1);
    u->addWidget(m_filmNast, 5, 0, 1, 2);
    u->addWidget(m_filmPoprz, 6, 0, 1, 2);
    return pliki;
}

void TFormTabReg::ulozPomocnicze(QWidget *pomocnicze, QGroupBox *pliki)
{
    auto *u = new QGridLayout(pomocnicze);
    u->setContentsMargins(0, 0, 0, 0);
    wierszeWyszukiwania(u, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany, m_szukajRekordu);
    u->addWidget(m_kopia, 3, 0, 1, 3);
    u->addWidget(m_edytuj, 4, 0, 1, 3);
    u->addWidget(m_weryfikuj, 5, 0, 1, 3);
    u->addWidget(m_pokazKarte, 6, 0, 1, 3);
    u->addWidget(pliki, 7, 0, 1, 3);
    u->setRowStretch(8, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(przyciskPomoc());
    przyciski->addWidget(przyciskOk());
    u->addLayout(przyciski, 9, 0, 1, 3);
    pomocnicze->setMaximumWidth(380);
}

void TFormTabReg::ulozOkno(QGroupBox *szczegoly, QWidget *pomocnicze)
{
    auto *dol = new QHBoxLayout;
    dol->addWidget(szczegoly, 1);
    dol->addWidget(pomocnicze);
    // The copy and edit buttons keep their place when hidden, so the others do not move.
    zachowajMiejsce({m_kopia, m_edytuj});
    auto *uklad = ulozPrzegladanie();
    uklad->addLayout(dol, 2);
    resize(1200, 920);
}

QStringList TFormTabReg::naglowkiRekordow() const
{
    return {QStringLiteral("Kod reguły"), QStringLiteral("Kod systemu"), QStringLiteral("Nazwa reguły"),
            QStringLiteral("Poziom reguły"), QStringLiteral("Kierunek wnioskowania"), QStringLiteral("CF reguły"),
            QStringLiteral("Tekst pola przesłankowego"), QStringLiteral("Tekst konkluzji"),
            QStringLiteral("Opis konkluzji"), QStringLiteral("Instrukcja/ zalecenia"),
            QStringLiteral("Źródło reguły, autorzy"), QStringLiteral("Czy została odpalona?"),
            QStringLiteral("CF konkluzji reguły"), QStringLiteral("Czy nadal uwzględniana?"),
            QStringLiteral("Data wygenerowania rekordu")};
}

void TFormTabReg::zamknijZbiory()
{
    OknoTabeliWgSystemu::zamknijZbiory();
    m_edytor->hide();
}

void TFormTabReg::poAkcjiNawigatora(PrzyciskNaw p)
{
    switch (p) {
    case PrzyciskNaw::Wstaw:
        m_data->clear();
        m_obrazy->wyczysc();
        m_filmy->wyczysc();
        m_reg->ustawWartosc(QStringLiteral("DataRek"), GenDataRek());
        if (!widokWszystkich())
            m_reg->ustawWartosc(QStringLiteral("KodSyst"), m_wgSyst->idSyst());
        m_edytuj->show();
        return;
    case PrzyciskNaw::Zatwierdz:
        kontrolaPoZatwierdzeniu(m_reg->kluczZapisanego());
        break;
    default: break;
    }
    pokazDate(m_data, m_reg);
}

void TFormTabReg::kontrolaPoZatwierdzeniu(const QVariant &klucz)
{
    const auto regula = regulaOKodzie(m_k.baza, klucz.toInt());
    if (!regula)
        return;
    if (const auto komunikat = kontrolaPoZatwierdzeniuReguly(*regula, m_k.konfig.MaxPozReg)) {
        pokazKomunikat(*komunikat, this);
        return;
    }
    policzMultimedia();
}

void TFormTabReg::policzMultimedia()
{
    if (m_reg->biezacy() < 0 || m_reg->stan() == StanZbioru::Wstawianie) {
        m_obrazy->wyczysc();
        m_filmy->wyczysc();
        return;
    }
    m_k.baza.synchronizuj();
    const int kod = m_reg->wartosc(QStringLiteral("IdReg")).toInt();
    m_obrazy->ustawElement(kod, slowa::Regula);
    m_filmy->ustawElement(kod, slowa::Regula);
}

void TFormTabReg::kopiuj(Kopia co)
{
    if (!m_reg->czyEdycjaLubWstawianie())
        return;
    const auto kod =
        kodDlaOpcji(m_kopiowany, QStringLiteral("Kod reguły do skopiowania nieokreślony lub błędnej postaci."));
    if (!kod)
        return;
    const auto zrodlo = regulaOKodzie(m_k.baza, *kod);
    if (!zrodlo) {
        odmowOpcji(QStringLiteral("Rekordu reguły do skopiowania nie znaleziono w tabeli reguł."));
        return;
    }
    const TRekReg &z = *zrodlo;
    auto ustaw = [this](const char *kol, const QVariant &v) { m_reg->ustawWartosc(QLatin1String(kol), v); };
    const auto tekst = &tekstKopii;
    const QString zapiszTekst = QStringLiteral("\n\rAby zapisać ten tekst do rekordu nowej/edytowanej reguły musisz "
                                               "pozostałe dane uzupełnić, a następnie rekord zatwierdzić.");
    QString komunikat;
    switch (co) {
    case Kopia::PolePrzes:
        ustaw("PrzesReg", tekst(z.PrzesReg));
        komunikat = QStringLiteral("Tekst pola przesłankowego reguły skopiowano.") + zapiszTekst;
        break;
    case Kopia::Konkluzja:
        ustaw("KonklReg", tekst(z.KonklReg));
        komunikat = QStringLiteral("Tekst konkluzji reguły skopiowano.") + zapiszTekst;
        break;
    case Kopia::Calosc:
        // Everything except the rule's own key and its knowledge base.
        ustaw("NazReg", tekst(z.NazReg));
        ustaw("PozReg", z.PozReg);
        ustaw("KierWniReg", tekst(z.KierWniReg));
        ustaw("CFReg", z.CFReg);
        ustaw("PrzesReg", tekst(z.PrzesReg));
        ustaw("KonklReg", tekst(z.KonklReg));
        ustaw("OpisKonklReg", tekst(z.OpisKonklReg));
        ustaw("InstrReg", tekst(z.InstrReg));
        ustaw("OpisReg", tekst(z.OpisReg));
        ustaw("CzyOdpal", tekst(z.CzyOdpal));
        ustaw("CFKonklReg", z.CFKonklReg ? QVariant(*z.CFKonklReg) : QVariant());
        ustaw("CzyBieUdzWeWnios", tekst(z.CzyBieUdzWeWnios));
        ustaw("DataRek", tekst(z.DataRek));
        komunikat = QStringLiteral("Wszystkie dane reguły, oprócz kodu reguły i kodu systemu skopiowano.\n\rAby "
                                   "zapisać te dane do rekordu nowej/edytowanej reguły musisz dane uzupełnić, a "
                                   "następnie rekord zatwierdzić.");
        break;
    }
    if (co == Kopia::Calosc)
        pokazDate(m_data, m_reg);
    pokazKomunikat(komunikat, this);
}

int TFormTabReg::kodSystemuReguly() const
{
    // The rule's own knowledge base when its code is typed; the chosen one otherwise.
    if (const auto kod = tekstNaInt(m_kodSystReg->text()))
        return *kod;
    return m_wgSyst->idSyst().toInt();
}

void TFormTabReg::weryfikujSkladnie()
{
    TPolaReg pola;
    pola.IdReg = m_kod->text();
    pola.KodSyst = m_kodSystReg->text();
    pola.NazReg = m_nazwa->text();
    pola.PozReg = m_poz->text();
    pola.CFReg = m_cf->text();
    pola.KierWniReg = m_kier->wybor();
    pola.PrzesReg = m_przes->toPlainText();
    pola.KonklReg = m_konkl->toPlainText();
    pola.OpisKonklReg = m_opisKonkl->toPlainText();
    pola.InstrReg = m_instr->toPlainText();
    pola.OpisReg = m_opis->toPlainText();

    m_k.baza.synchronizuj();
    TDaneReg dane;
    QString blad;
    if (!dane.wczytaj(m_k.baza, tekstNaInt(pola.KodSyst).value_or(0), &blad)) {
        pokazKomunikat(blad, this);
        return;
    }
    const TWynikKontrSkladni wynik = KontrSkladniReg(pola, dane, m_k.konfig);
    for (const QString &t : wynik.komunikaty())
        pokazKomunikat(t, this);
}

void TFormTabReg::pokazKarte()
{
    if (m_reg->biezacy() < 0)
        return;
    // The card is of the rule as stored: changes not posted yet are not on it.
    if (m_reg->czyEdycjaLubWstawianie()) {
        pokazKomunikat(QStringLiteral("Karta reguły pokazuje regułę zapisaną w tabeli reguł. Zatwierdź albo anuluj "
                                      "najpierw zmiany rekordu.\n\rOpcja nie zostanie zrealizowana."),
                       this);
        return;
    }
    m_karta->pokaz(m_reg->wartosc(QStringLiteral("IdReg")).toInt());
}

void TFormTabReg::wywolajEdytor()
{
    if (m_reg->biezacy() < 0)
        return;
    m_edytor->otworz(m_przes->toPlainText(), m_konkl->toPlainText(), kodSystemuReguly());
}

bool TFormTabReg::wpiszTekstyReguly(const QString *przes, const QString *konkl)
{
    if (m_reg->biezacy() < 0)
        return false;
    if (!m_reg->czyEdycjaLubWstawianie() && !m_reg->edytuj())
        return false;
    if (przes)
        m_reg->ustawWartosc(QStringLiteral("PrzesReg"), *przes);
    if (konkl)
        m_reg->ustawWartosc(QStringLiteral("KonklReg"), *konkl);
    return true;
}

void TFormTabReg::ZmiaKolFormTabReg(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne,
                   {m_wgSyst->grupa(), m_lKod, m_kod, m_lKodSystReg, m_kodSystReg, m_lNazwa, m_nazwa, m_lPoz, m_poz, m_lCF, m_cf,
                    m_kier, m_lPrzes, m_przes, m_lKonkl, m_konkl, m_lOpisKonkl, m_opisKonkl, m_lInstr, m_instr, m_lOpis,
                    m_opis, m_czyOdpal, m_lCFKonkl, m_cfKonkl, m_czyUdz});
    zastosujKolory(k, Rola::Bierne,
                   {m_wgSyst->etykietaKodu(), m_wgSyst->kod(), m_wgSyst->etykietaNazwy(), m_wgSyst->nazwa(), m_wgSyst->siatka(), m_siatka, m_lData, m_data,
                    m_naglowekPlikow, m_lLiczbaObrazow, m_liczbaObrazow, m_lLiczbaFilmow, m_liczbaFilmow});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_wgSyst->nawigator(), m_naw, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany, m_szukajRekordu,
                    m_lKopiowany, m_kopiowany, m_lKopiuj, m_kopiujPrzes, m_kopiujKonkl, m_kopiujCalosc, m_edytuj,
                    m_weryfikuj, m_pokazKarte, m_obrazNast, m_obrazPoprz, m_filmNast, m_filmPoprz, przyciskOk(),
                    przyciskPomoc()});
}

} // namespace tremida::gui
