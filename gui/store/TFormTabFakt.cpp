#include "TFormTabFakt.h"

#include "TFormOstrzBrakWartFakt.h"
#include "TFormWizWartFaktWylicz.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/KontrFakt.h"
#include "store/Konwersje.h"
#include "store/NaglowkiKolumn.h"
#include "store/Slowa.h"
#include "store/Warunki.h"

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

TFormTabFakt::TFormTabFakt(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeliWgSystemu(k, QStringLiteral("TFormTabFakt"), QStringLiteral("TABELA FAKTÓW "), QStringLiteral("5.1"),
                          Tabela::Fakty, rodzic)
{
    m_ostrzBrak = new TFormOstrzBrakWartFakt(k.konfig, this);
    m_wizWpr = new TFormWizWartFaktWyliczWpr(k, this);
    m_wizPosr = new TFormWizWartFaktWyliczPosrLubKonc(k, this);
    for (TFormWizWartFaktWylicz *w : {static_cast<TFormWizWartFaktWylicz *>(m_wizWpr),
                                      static_cast<TFormWizWartFaktWylicz *>(m_wizPosr)})
        connect(w, &TFormWizWartFaktWylicz::zamknieto, this, [this] {
            show();
            raise();
        });

    utworzPrzegladanie(QStringLiteral("Wizualizacja rekordów tabeli faktów:"), QStringLiteral("wszystkich faktów"),
                       QStringLiteral("tylko faktów wybranego systemu eksperckiego "), 110, 80);
    polaczZbiorFaktow();

    auto *szczegoly = new QGroupBox(this);
    utworzPolaFaktu(szczegoly);
    utworzWartoscWpr(szczegoly);
    utworzWartoscPosr(szczegoly);
    ulozSzczegoly(szczegoly);
    QWidget *pomocnicze = utworzPomocnicze();
    ulozPomocnicze(pomocnicze);
    ulozOkno(szczegoly, pomocnicze);

    ustawWidocznosc();
    kolorujZawsze(&TFormTabFakt::ZmiaKolFormTabFakt);
}

void TFormTabFakt::poPrzewinieciu()
{
    ustawWidocznosc();
    policzMultimedia();
}

void TFormTabFakt::polaczZbiorFaktow()
{
    connect(m_fakt, &ZbiorDanych::wartoscZmieniona, this, [this](const QString &kol) {
        if (kol == QLatin1String("RodzFakt") || kol == QLatin1String("TypFakt") || kol == QLatin1String("CzyWielWart"))
            ustawWidocznosc();
    });
    connect(m_fakt, &ZbiorDanych::stanZmieniony, this, [this] {
        if (!m_fakt->czyEdycjaLubWstawianie()) {
            m_kopiuj->hide();
            m_lKopiowany->hide();
            m_kopiowany->hide();
        }
    });
}

void TFormTabFakt::utworzPolaFaktu(QGroupBox *szczegoly)
{
    polaPodpisane(szczegoly, m_fakt,
                  {{m_lKod, m_kod, QStringLiteral("Kod faktu:"), QStringLiteral("IdFakt"), 100},
                   {m_lKodSystFakt, m_kodSystFakt, QStringLiteral("Kod systemu:"), QStringLiteral("KodSyst"), 100},
                   {m_lNazwa, m_nazwa, QStringLiteral("Nazwa faktu:"), QStringLiteral("NazFakt")}});
    m_rodzaj = grupaPowiazana(QStringLiteral("Rodzaj faktu:"), {slowa::Wprowadzany, slowa::Posredni, slowa::Koncowy}, 1,
                              szczegoly, m_fakt, QStringLiteral("RodzFakt"));
    m_typ = grupaPowiazana(QStringLiteral("Typ faktu:"),
                           {slowa::Wyliczeniowy, slowa::Rzeczywisty, slowa::Calkowity, slowa::Logiczny}, 2, szczegoly,
                           m_fakt, QStringLiteral("TypFakt"));
    m_wielWart = grupaPowiazana(QStringLiteral("Czy fakt jest jest wielowartościowy?"), {slowa::Tak, slowa::Nie}, 2,
                                szczegoly, m_fakt, QStringLiteral("CzyWielWart"));
    polaPodpisane(szczegoly, m_fakt,
                  {{m_lLiczWart, m_liczWart, QStringLiteral("Liczba wartości: (20 max.)"), QStringLiteral("LiczWart"), 60},
                   {m_lJedn, m_jedn, QStringLiteral("Jednostka:"), QStringLiteral("JedWartFakt")}});
    polaPodpisane(szczegoly, m_fakt,
                  {{m_lOpis, m_opis, QStringLiteral("Opis faktu:"), QStringLiteral("OpisFakt")},
                   {m_lPyt, m_pyt, QStringLiteral("Instrukcja jak wprowadzić wartość faktu:"), QStringLiteral("PytFakt")}});
    for (QPlainTextEdit *m : {m_opis, m_pyt}) {
        m->setMinimumHeight(44);
        m->setMaximumHeight(70);
    }
    m_lData = etykieta(QStringLiteral("Data wygenero-\nwania rekordu"), szczegoly);
    m_data = pole(szczegoly, QStringLiteral("data"), 100, true);

}

// The value and CF of an input fact of type real, integer or logical.
void TFormTabFakt::utworzWartoscWpr(QGroupBox *szczegoly)
{
    m_wartWpr = new QWidget(szczegoly);
    m_lWartWpr = etykieta(QStringLiteral("Wartość faktu wprowadzanego - całkowito-\nliczbowego, rzeczywistego lub "
                                         "logicznego:"),
                          m_wartWpr);
    m_lWartWprWart = etykieta(QStringLiteral("Wartość:"), m_wartWpr);
    m_wartWprWart = polePowiazane(m_wartWpr, m_fakt, QStringLiteral("WartFakt"));
    m_wartWprWart->setToolTip(QStringLiteral("Jeśli fakt rzeczywisty to z przecinkiem dziesiętnym nie z kropką. Jeśli "
                                             "logiczny to True lub False, małymi lub dużymi literami"));
    m_lWartWprCF = etykieta(QStringLiteral("CF:"), m_wartWpr);
    m_wartWprCF = polePowiazane(m_wartWpr, m_fakt, QStringLiteral("CFWartFakt"), 100);
    m_wartWprCF->setToolTip(QStringLiteral("Nie zapomnij wpisać CF wartości faktu. CF to liczba rzeczywista z "
                                           "przedziału [0,1] z przecinkiem dziesiętnym."));
    auto *u = new QGridLayout(m_wartWpr);
    u->setContentsMargins(0, 0, 0, 0);
    u->addWidget(m_lWartWpr, 0, 0, 1, 4);
    u->addWidget(m_lWartWprWart, 1, 0);
    u->addWidget(m_wartWprWart, 1, 1);
    u->addWidget(m_lWartWprCF, 1, 2);
    u->addWidget(m_wartWprCF, 1, 3);
    u->setColumnStretch(1, 1);
}

// The current and previous values of an intermediate or final fact, and the buttons that
// show an enumerated fact's values.
void TFormTabFakt::utworzWartoscPosr(QGroupBox *szczegoly)
{
    m_naglowekPosr = etykieta(QStringLiteral("WARTOŚĆ (WARTOŚCI) FAKTU POŚREDNIEGO/KOŃCOWEGO W PROCESIE WNIOSKOWANIA"),
                              szczegoly);
    m_wartPosr = new QWidget(szczegoly);
    m_lWartAkt = etykieta(QStringLiteral("Wartość faktu na koniec danej iteracji:"), m_wartPosr);
    m_lCFAkt = etykieta(QStringLiteral("CF:"), m_wartPosr);
    m_lWartPoprz = etykieta(QStringLiteral("Wartość faktu na koniec poprzedniej iteracji:"), m_wartPosr);
    m_lCFPoprz = etykieta(QStringLiteral("CF:"), m_wartPosr);
    m_wartAkt = pole(m_wartPosr, QStringLiteral("wartAkt"), 0, true);
    m_cfAkt = pole(m_wartPosr, QStringLiteral("cfAkt"), 100, true);
    m_wartPoprz = pole(m_wartPosr, QStringLiteral("wartPoprz"), 0, true);
    m_cfPoprz = pole(m_wartPosr, QStringLiteral("cfPoprz"), 100, true);
    powiaz(m_wartAkt, m_fakt, QStringLiteral("WartFakt"), true);
    powiaz(m_cfAkt, m_fakt, QStringLiteral("CFWartFakt"), true);
    powiaz(m_wartPoprz, m_fakt, QStringLiteral("WartPoprzFakt"), true);
    powiaz(m_cfPoprz, m_fakt, QStringLiteral("CFWartPoprzFakt"), true);
    auto *u = new QGridLayout(m_wartPosr);
    u->setContentsMargins(0, 0, 0, 0);
    wierszPol(u, 0, 0, {m_lWartAkt, m_wartAkt, m_lCFAkt, m_cfAkt});
    wierszPol(u, 1, 0, {m_lWartPoprz, m_wartPoprz, m_lCFPoprz, m_cfPoprz});
    u->setColumnStretch(1, 1);
    m_przyciskWartWpr =
        new QPushButton(QStringLiteral("Wartość (wartości) oraz CF wartości faktu wprowadzanego wyliczeniowego"), szczegoly);
    m_przyciskWartWpr->setObjectName(QStringLiteral("przyciskWartWpr"));
    m_przyciskWartPosr = new QPushButton(QStringLiteral("Faktu wyliczeniowego w bieżącej i poprzedniej iteracji"), szczegoly);
    m_przyciskWartPosr->setObjectName(QStringLiteral("przyciskWartPosr"));
    connect(m_przyciskWartWpr, &QPushButton::clicked, this, [this] { pokazWartosci(false); });
    connect(m_przyciskWartPosr, &QPushButton::clicked, this, [this] { pokazWartosci(true); });
}

void TFormTabFakt::ulozSzczegoly(QGroupBox *szczegoly)
{
    auto *u = new QGridLayout(szczegoly);
    wierszPol(u, 0, 0, {m_lKod, m_kod, m_lKodSystFakt, m_kodSystFakt});
    wierszPol(u, 0, 4, {m_lData, m_data}, Qt::AlignRight);
    u->addWidget(m_lNazwa, 1, 0);
    u->addWidget(m_nazwa, 1, 1, 1, 5);
    auto *grupy = new QHBoxLayout;
    grupy->addWidget(m_rodzaj);
    grupy->addWidget(m_typ);
    auto *wiel = new QVBoxLayout;
    wiel->addWidget(m_wielWart);
    auto *liczba = new QHBoxLayout;
    liczba->addWidget(m_lLiczWart);
    liczba->addWidget(m_liczWart);
    liczba->addStretch();
    wiel->addLayout(liczba);
    grupy->addLayout(wiel);
    grupy->addStretch();
    u->addLayout(grupy, 2, 0, 1, 6);
    u->addWidget(m_lJedn, 3, 0);
    u->addWidget(m_jedn, 3, 1, 1, 5);
    u->addWidget(m_lOpis, 4, 0, Qt::AlignTop);
    u->addWidget(m_opis, 4, 1, 1, 5);
    // The fields of an input fact and those of an intermediate or final fact share their
    // rows (only one kind is shown at a time), so the panel is no taller than one kind
    // needs.
    u->addWidget(m_lPyt, 5, 0, 1, 6);
    u->addWidget(m_naglowekPosr, 5, 0, 1, 6);
    u->addWidget(m_pyt, 6, 0, 1, 6);
    u->addWidget(m_wartPosr, 6, 0, 1, 6);
    u->addWidget(m_wartWpr, 7, 0, 1, 6);
    u->addWidget(m_przyciskWartWpr, 7, 0, 1, 6, Qt::AlignTop);
    u->addWidget(m_przyciskWartPosr, 7, 0, 1, 6, Qt::AlignTop);
    u->setColumnStretch(5, 1);
    u->setRowStretch(8, 1);
}

// The column beside the fields: free code, search, copy, pictures and films, OK and help.
QWidget *TFormTabFakt::utworzPomocnicze()
{
    auto *pomocnicze = new QWidget(this);
    m_szukajWolnego = new QPushButton(QStringLiteral("Wyszukaj wolny kod"), pomocnicze);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod:"), pomocnicze);
    m_wolnyKod = pole(pomocnicze, QStringLiteral("wolnyKod"), 100, true);
    m_lSzukany = etykieta(QStringLiteral("Podaj kod faktu do wyszukania rekordu:"), pomocnicze);
    m_szukany = pole(pomocnicze, QStringLiteral("szukanyKod"), 100);
    m_szukajRekordu = new QPushButton(QStringLiteral("Wyszukaj rekord"), pomocnicze);
    m_lKopiowany = etykieta(QStringLiteral("Kod faktu do skopiowania:"), pomocnicze);
    m_kopiowany = pole(pomocnicze, QStringLiteral("kopiowanyKod"), 100);
    m_kopiuj = new QPushButton(QStringLiteral("Kopiuj"), pomocnicze);
    m_kopiuj->setObjectName(QStringLiteral("kopiuj"));
    m_lKopiowany->hide();
    m_kopiowany->hide();
    m_kopiuj->hide();
    connect(m_szukajWolnego, &QPushButton::clicked, this, [this] { szukajWolnegoKodu(Tabela::Fakty, m_wolnyKod); });
    connect(m_szukajRekordu, &QPushButton::clicked, this, [this] {
        szukajKodu(m_fakt, QStringLiteral("IdFakt"), m_szukany->text(),
                   QStringLiteral("Nie podałeś kodu faktu do wyszukania."), QStringLiteral("Zła postać kodu faktu. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie faktu w tabeli nie znaleziono."));
    });
    connect(m_kopiuj, &QPushButton::clicked, this, &TFormTabFakt::kopiuj);

    m_lLiczbaObrazow = etykieta(QStringLiteral("Liczba obrazów/zdjęć"), pomocnicze);
    m_lLiczbaFilmow = etykieta(QStringLiteral("Liczba filmów"), pomocnicze);
    m_liczbaObrazowPole = pole(pomocnicze, QStringLiteral("liczbaObrazow"), 50, true);
    m_liczbaFilmowPole = pole(pomocnicze, QStringLiteral("liczbaFilmow"), 50, true);
    m_obrazNast = new QPushButton(pomocnicze);
    m_obrazNast->setObjectName(QStringLiteral("obrazNastepny"));
    m_obrazPoprz = new QPushButton(pomocnicze);
    m_obrazPoprz->setObjectName(QStringLiteral("obrazPoprzedni"));
    m_filmNast = new QPushButton(pomocnicze);
    m_filmNast->setObjectName(QStringLiteral("filmNastepny"));
    m_filmPoprz = new QPushButton(pomocnicze);
    m_filmPoprz->setObjectName(QStringLiteral("filmPoprzedni"));
    m_obrazy = new TPrzyciskiIlustracji(m_k, slowa::ObrazGraficzny, m_obrazNast, m_obrazPoprz, m_liczbaObrazowPole, this);
    m_filmy = new TPrzyciskiIlustracji(m_k, slowa::Film, m_filmNast, m_filmPoprz, m_liczbaFilmowPole, this);
    return pomocnicze;
}

void TFormTabFakt::ulozPomocnicze(QWidget *pomocnicze)
{
    auto *u = new QGridLayout(pomocnicze);
    u->setContentsMargins(0, 0, 0, 0);
    wierszeWyszukiwania(u, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany, m_szukajRekordu);
    u->addWidget(m_lKopiowany, 3, 0, 1, 2);
    u->addWidget(m_kopiowany, 3, 2);
    u->addWidget(m_kopiuj, 4, 0, 1, 3);
    u->addWidget(m_lLiczbaObrazow, 5, 0, 1, 2);
    u->addWidget(m_liczbaObrazowPole, 5, 2);
    u->addWidget(m_obrazNast, 6, 0, 1, 3);
    u->addWidget(m_obrazPoprz, 7, 0, 1, 3);
    u->addWidget(m_lLiczbaFilmow, 8, 0, 1, 2);
    u->addWidget(m_liczbaFilmowPole, 8, 2);
    u->addWidget(m_filmNast, 9, 0, 1, 3);
    u->addWidget(m_filmPoprz, 10, 0, 1, 3);
    u->setRowStretch(11, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(przyciskPomoc());
    przyciski->addWidget(przyciskOk());
    u->addLayout(przyciski, 12, 0, 1, 3);
}

void TFormTabFakt::ulozOkno(QWidget *szczegoly, QWidget *pomocnicze)
{
    auto *dol = new QHBoxLayout;
    dol->addWidget(szczegoly, 1);
    dol->addWidget(pomocnicze);
    // The fields of one kind or type keep their place while a fact of another is shown.
    zachowajMiejsce({m_lLiczWart, m_liczWart, m_wielWart, m_lPyt, m_pyt, m_wartWpr, m_naglowekPosr, m_wartPosr,
                     m_przyciskWartWpr, m_przyciskWartPosr, m_kopiuj, m_lKopiowany, m_kopiowany});
    auto *uklad = ulozPrzegladanie();
    uklad->addLayout(dol);
    resize(1150, 900);
}

QStringList TFormTabFakt::naglowkiRekordow() const { return naglowkiKolumnFakt(); }

void TFormTabFakt::przedOtwarciem() { m_brakTabeliPlikowZgloszony = false; }

void TFormTabFakt::ustawWidocznosc()
{
    const QString rodzaj = m_fakt->wartosc(QStringLiteral("RodzFakt")).toString();
    const QString typ = m_fakt->wartosc(QStringLiteral("TypFakt")).toString();
    // A fact of no kind yet is shown as a new one: input, enumerated.
    const bool wprowadzany = rodzaj == slowa::Wprowadzany || rodzaj.isEmpty();
    const bool wyliczeniowy = typ == slowa::Wyliczeniowy || typ.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(m_lLiczWart), static_cast<QWidget *>(m_liczWart),
                       static_cast<QWidget *>(m_wielWart)})
        w->setVisible(wyliczeniowy);
    m_lPyt->setVisible(wprowadzany);
    m_pyt->setVisible(wprowadzany);
    m_wartWpr->setVisible(wprowadzany && !wyliczeniowy);
    m_naglowekPosr->setVisible(!wprowadzany);
    m_wartPosr->setVisible(!wprowadzany && !wyliczeniowy);
    m_przyciskWartWpr->setVisible(wprowadzany && wyliczeniowy);
    m_przyciskWartPosr->setVisible(!wprowadzany && wyliczeniowy);
}

void TFormTabFakt::poAkcjiNawigatora(PrzyciskNaw p)
{
    switch (p) {
    case PrzyciskNaw::Wstaw:
        m_data->clear();
        m_fakt->ustawWartosc(QStringLiteral("DataRek"), GenDataRek());
        m_obrazy->wyczysc();
        m_filmy->wyczysc();
        m_fakt->ustawWartosc(QStringLiteral("RodzFakt"), slowa::Wprowadzany);
        m_fakt->ustawWartosc(QStringLiteral("TypFakt"), slowa::Wyliczeniowy);
        m_fakt->ustawWartosc(QStringLiteral("CzyWielWart"), slowa::Nie);
        if (!widokWszystkich())
            m_fakt->ustawWartosc(QStringLiteral("KodSyst"), m_wgSyst->idSyst());
        ustawWidocznosc();
        m_lKopiowany->show();
        m_kopiowany->show();
        m_kopiuj->show();
        return;
    case PrzyciskNaw::Edytuj:
        m_lKopiowany->show();
        m_kopiowany->show();
        m_kopiuj->show();
        break;
    case PrzyciskNaw::Zatwierdz:
        kontrolaPoZatwierdzeniu(m_fakt->kluczZapisanego());
        break;
    default: break;
    }
    pokazDate(m_data, m_fakt);
    policzMultimedia();
}

void TFormTabFakt::kontrolaPoZatwierdzeniu(const QVariant &klucz)
{
    const auto fakt = faktOKodzie(m_k.baza, klucz.toInt());
    if (!fakt)
        return;
    const WynikKontrFakt w = kontrolaPoZatwierdzeniuFaktu(*fakt);
    for (const QString &k : w.komunikaty)
        pokazKomunikat(k, this);
    const bool biezacy = m_fakt->wartosc(QStringLiteral("IdFakt")) == klucz;
    if (w.zerujCF && biezacy) {
        m_fakt->ustawWartosc(QStringLiteral("CFWartFakt"), 0.0);
        m_fakt->zatwierdz();
    }
    if (w.brakWartosci && m_ostrzBrak->zapytaj() && biezacy) {
        m_fakt->ustawWartosc(QStringLiteral("WartFakt"), slowa::BrakWartosci);
        m_fakt->ustawWartosc(QStringLiteral("CFWartFakt"), 0.0);
        m_fakt->zatwierdz();
    }
}

void TFormTabFakt::kopiuj()
{
    if (!m_fakt->czyEdycjaLubWstawianie())
        return;
    const auto zrodloKod =
        kodDlaOpcji(m_kopiowany, QStringLiteral("Kod faktu do skopiowania nieokreślony lub błędnej postaci."));
    if (!zrodloKod)
        return;
    const auto nowyKod =
        kodDlaOpcji(m_kod, QStringLiteral("Kod faktu generowanego/edytowanego nieokreślony lub błędnej postaci."));
    if (!nowyKod)
        return;
    const auto zrodlo = faktOKodzie(m_k.baza, *zrodloKod);
    if (!zrodlo) {
        odmowOpcji(QStringLiteral("Rekordu faktu do skopiowania nie znaleziono w tabeli faktów."));
        return;
    }
    auto ustaw = [this](const char *kol, const QVariant &v) { m_fakt->ustawWartosc(QLatin1String(kol), v); };
    const auto tekst = &tekstKopii;
    ustaw("NazFakt", zrodlo->NazFakt + QStringLiteral(" Kopia"));
    ustaw("RodzFakt", tekst(zrodlo->RodzFakt));
    ustaw("TypFakt", tekst(zrodlo->TypFakt));
    ustaw("JedWartFakt", tekst(zrodlo->JedWartFakt));
    ustaw("CzyWielWart", tekst(zrodlo->CzyWielWart));
    ustaw("LiczWart", zrodlo->LiczWart ? QVariant(*zrodlo->LiczWart) : QVariant());
    ustaw("OpisFakt", tekst(zrodlo->OpisFakt));
    ustaw("PytFakt", tekst(zrodlo->PytFakt));
    ustaw("WartFakt", tekst(zrodlo->WartFakt));
    ustaw("WartPoprzFakt", tekst(zrodlo->WartPoprzFakt));
    ustaw("CFWartFakt", zrodlo->CFWartFakt ? QVariant(*zrodlo->CFWartFakt) : QVariant());
    ustaw("CFWartPoprzFakt", zrodlo->CFWartPoprzFakt ? QVariant(*zrodlo->CFWartPoprzFakt) : QVariant());
    ustaw("DataRek", tekst(zrodlo->DataRek));
    ustawWidocznosc();
    if (zrodlo->TypFakt == slowa::Wyliczeniowy) {
        QString blad;
        if (!kopiujWartosciFaktu(m_k.baza, m_k.wolnyKod, *zrodloKod, *nowyKod, &blad)) {
            pokazKomunikat(blad, this);
            return;
        }
    }
    pokazKomunikat(QStringLiteral(
                       "Wszystkie dane faktu, oprócz kodu faktu i kodu systemu skopiowano.\n\rAby zapisać te dane do "
                       "rekordu nowego/edytowanego faktu musisz dane uzupełnić,\n\ra następnie rekord zatwierdzić.\n\r"
                       "Uwaga: na nazwie faktu założony jest klucz o unikalnych wartościach.\n\rAby spełnić wymóg "
                       "unikalności, do nazwy nowego faktu dopisano na końcu słowo \"Kopia\".\n\rNa drodze edycji "
                       "skoryguj odpowiednio nazwę nowego/edytowanego faktu."),
                   this);
}

void TFormTabFakt::pokazWartosci(bool posredni)
{
    if (m_fakt->biezacy() < 0)
        return;
    TRekFakt fakt;
    fakt.IdFakt = m_fakt->wartosc(QStringLiteral("IdFakt")).toInt();
    fakt.KodSyst = m_fakt->wartosc(QStringLiteral("KodSyst")).toInt();
    fakt.NazFakt = m_fakt->wartosc(QStringLiteral("NazFakt")).toString();
    m_k.baza.synchronizuj();
    const QList<TRekWartFaktWylicz> wartosci = wartosciFaktu(m_k.baza, fakt.IdFakt);
    const int liczWart = m_fakt->wartosc(QStringLiteral("LiczWart")).toInt();
    if (const auto k = kontrolaPrzedWizualizacjaWartosci(static_cast<int>(wartosci.size()), liczWart, posredni)) {
        pokazKomunikat(*k, this);
        return;
    }
    TRekSyst syst;
    syst.IdSyst = fakt.KodSyst;
    if (const auto r = rekordOKluczu(m_k.baza, Tabela::Systemy, fakt.KodSyst))
        syst.NazSyst = TRekSyst::z(*r).NazSyst;
    TFormWizWartFaktWylicz *widok = posredni ? static_cast<TFormWizWartFaktWylicz *>(m_wizPosr)
                                             : static_cast<TFormWizWartFaktWylicz *>(m_wizWpr);
    widok->pokazWartosci(syst, fakt, wartosci.mid(0, TFormWizWartFaktWylicz::MaksWierszy));
    hide();
    widok->show();
    widok->raise();
}

void TFormTabFakt::policzMultimedia()
{
    if (m_fakt->biezacy() < 0 || m_fakt->stan() == StanZbioru::Wstawianie) {
        m_obrazy->wyczysc();
        m_filmy->wyczysc();
        return;
    }
    if (!m_k.baza.czyDolaczona(Tabela::PlikiMult)) {
        if (!m_brakTabeliPlikowZgloszony) {
            m_brakTabeliPlikowZgloszony = true;
            pokazKomunikat(komunikatBrakTabeliIlustracjiFaktow(), this);
        }
        m_obrazy->wyczysc();
        m_filmy->wyczysc();
        return;
    }
    const int kod = m_fakt->wartosc(QStringLiteral("IdFakt")).toInt();
    m_obrazy->ustawElement(kod, slowa::Fakt);
    m_filmy->ustawElement(kod, slowa::Fakt);
}

void TFormTabFakt::ZmiaKolFormTabFakt(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne,
                   {m_wgSyst->grupa(), m_lKod, m_kod, m_lKodSystFakt, m_kodSystFakt, m_lNazwa, m_nazwa, m_rodzaj, m_typ, m_wielWart,
                    m_lLiczWart, m_liczWart, m_lJedn, m_jedn, m_lOpis, m_opis, m_lPyt, m_pyt, m_lWartWpr, m_lWartWprWart,
                    m_wartWprWart, m_lWartWprCF, m_wartWprCF});
    zastosujKolory(k, Rola::Bierne,
                   {m_wgSyst->etykietaKodu(), m_wgSyst->kod(), m_wgSyst->etykietaNazwy(), m_wgSyst->nazwa(), m_wgSyst->siatka(), m_siatka, m_lData, m_data,
                    m_naglowekPosr, m_lWartAkt, m_wartAkt, m_lCFAkt, m_cfAkt, m_lWartPoprz, m_wartPoprz, m_lCFPoprz,
                    m_cfPoprz, m_lLiczbaObrazow, m_liczbaObrazowPole, m_lLiczbaFilmow, m_liczbaFilmowPole});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_wgSyst->nawigator(), m_naw, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany,
                    m_szukajRekordu, m_lKopiowany, m_kopiowany, m_kopiuj, m_przyciskWartWpr, m_przyciskWartPosr,
                    m_obrazNast, m_obrazPoprz, m_filmNast, m_filmPoprz, przyciskOk(), przyciskPomoc()});
}

} // namespace tremida::gui
