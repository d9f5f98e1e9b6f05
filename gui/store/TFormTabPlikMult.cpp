#include "TFormTabPlikMult.h"

#include "Ilustracje.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/Konwersje.h"
#include "store/NaglowkiKolumn.h"
#include "store/Slowa.h"
#include "store/Warunki.h"

#include "widgets/Ekran.h"
#include "widgets/WierszPol.h"

#include <QDir>
#include <QFileInfo>
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

const QString WidokWszystkich = QStringLiteral("wizualizacja wszystkich rekordów tabeli");
const QString WidokFaktu = QStringLiteral("wizualizacja rekordów plików ilustrujących wybrany fakt");
const QString WidokReguly = QStringLiteral("wizualizacja rekordów plików ilustrujących wybraną regułę");

} // namespace

TFormTabPlikMult::TFormTabPlikMult(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeli(k, QStringLiteral("TFormTabPlikMult"), QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH"),
                 QStringLiteral("10.1"), rodzic)
{
    m_syst = zbiorSystemow(k.baza, this);
    m_fakty = new ZbiorDanych(k.baza, Tabela::Fakty, this);
    m_reguly = new ZbiorDanych(k.baza, Tabela::Reguly, this);
    m_pliki = new ZbiorDanych(k.baza, Tabela::PlikiMult, this);
    ustawZbioryStrzezone({m_pliki});

    m_widok = grupaWidoku(QStringLiteral("Wizualizacja rekordów tabeli plików multimedialnych:"),
                          {WidokWszystkich, WidokFaktu, WidokReguly}, WidokWszystkich, this);
    connect(m_widok, &GrupaRadiowa::wybrano, this, [this](const QString &w) {
        ustawWidok(w == WidokFaktu ? Widok::Fakt : w == WidokReguly ? Widok::Regula : Widok::Wszystkie);
    });

    utworzWyborElementu();
    utworzPliki();
    auto *szczegoly = new QGroupBox(this);
    utworzPolaPliku(szczegoly);
    ulozSzczegoly(szczegoly);
    ulozOkno(szczegoly, utworzPomocnicze());

    kolorujZawsze(&TFormTabPlikMult::ZmiaKolFormTabPlikMult);
}

void TFormTabPlikMult::utworzWyborElementu()
{
    m_wybor = new QWidget(this);
    m_naglowekSyst = etykieta(QStringLiteral("WYBÓR SYSTEMU EKSPERCKIEGO (BAZY WIEDZY)"), m_wybor);
    m_nawSyst = new Nawigator(m_syst, Nawigator::przemieszczanie(), m_wybor);
    m_lKodSyst = etykieta(QStringLiteral("Kod systemu:"), m_wybor);
    m_lNazSyst = etykieta(QStringLiteral("Nazwa systemu:"), m_wybor);
    m_kodSyst = pole(m_wybor, QStringLiteral("wybranyKodSyst"), 80, true);
    m_nazSyst = pole(m_wybor, QStringLiteral("wybranaNazSyst"), 0, true);
    powiaz(m_kodSyst, m_syst, QStringLiteral("IdSyst"), true);
    powiaz(m_nazSyst, m_syst, QStringLiteral("NazSyst"), true);
    m_naglowekEl = etykieta(QString(), m_wybor);
    m_lKodEl = etykieta(QString(), m_wybor);
    m_lNazEl = etykieta(QString(), m_wybor);
    m_kodFaktu = pole(m_wybor, QStringLiteral("kodFaktu"), 80, true);
    m_nazFaktu = pole(m_wybor, QStringLiteral("nazwaFaktu"), 0, true);
    m_kodReguly = pole(m_wybor, QStringLiteral("kodReguly"), 80, true);
    m_nazReguly = pole(m_wybor, QStringLiteral("nazwaReguly"), 0, true);
    powiaz(m_kodFaktu, m_fakty, QStringLiteral("IdFakt"), true);
    powiaz(m_nazFaktu, m_fakty, QStringLiteral("NazFakt"), true);
    powiaz(m_kodReguly, m_reguly, QStringLiteral("IdReg"), true);
    powiaz(m_nazReguly, m_reguly, QStringLiteral("NazReg"), true);
    m_siatkaFakty = new Siatka(m_fakty, m_wybor);
    m_siatkaReguly = new Siatka(m_reguly, m_wybor);
    m_siatkaFakty->setMaximumHeight(120);
    m_siatkaReguly->setMaximumHeight(120);
    m_lSzukanyEl = etykieta(QString(), m_wybor);
    m_szukanyEl = pole(m_wybor, QStringLiteral("szukanyElement"), 100);
    m_szukajEl = new QPushButton(m_wybor);
    m_szukajEl->setObjectName(QStringLiteral("szukajElementu"));
    connect(m_szukajEl, &QPushButton::clicked, this, &TFormTabPlikMult::szukajElementu);
    {
        auto *u = new QGridLayout(m_wybor);
        u->setContentsMargins(0, 0, 0, 0);
        u->addWidget(m_naglowekSyst, 0, 0, 1, 3);
        u->addWidget(m_nawSyst, 0, 3, 1, 2);
        u->addWidget(m_lKodSyst, 1, 0);
        u->addWidget(m_kodSyst, 1, 1);
        u->addWidget(m_lNazSyst, 1, 2);
        u->addWidget(m_nazSyst, 1, 3, 1, 2);
        u->addWidget(m_naglowekEl, 2, 0, 1, 5);
        u->addWidget(m_siatkaFakty, 3, 0, 1, 5);
        u->addWidget(m_siatkaReguly, 4, 0, 1, 5);
        u->addWidget(m_lKodEl, 5, 0);
        u->addWidget(m_kodFaktu, 5, 1);
        u->addWidget(m_kodReguly, 5, 1);
        u->addWidget(m_lNazEl, 5, 2);
        u->addWidget(m_nazFaktu, 5, 3, 1, 2);
        u->addWidget(m_nazReguly, 5, 3, 1, 2);
        u->addWidget(m_lSzukanyEl, 6, 0, 1, 2);
        u->addWidget(m_szukanyEl, 6, 2);
        u->addWidget(m_szukajEl, 6, 3);
        u->setColumnStretch(4, 1);
    }
    m_wybor->hide();
    connect(m_syst, &ZbiorDanych::przewiniety, this, [this] {
        if (m_widokBiezacy != Widok::Wszystkie && m_syst->czyOtwarty())
            uruchomZapytanieElementow();
    });
    for (ZbiorDanych *el : {m_fakty, m_reguly})
        connect(el, &ZbiorDanych::przewiniety, this, [this, el] {
            if (el == zbiorElementow() && el->czyOtwarty())
                uruchomZapytaniePlikow();
        });
}

void TFormTabPlikMult::utworzPliki()
{
    m_siatkaPliki = new Siatka(m_pliki, this);
    m_siatkaPliki->setMinimumHeight(120);
    m_nawPliki = new Nawigator(m_pliki, Nawigator::wszystkie(), this);
    connect(m_nawPliki, &Nawigator::poAkcji, this, &TFormTabPlikMult::poAkcjiNawigatora);
    connect(m_pliki, &ZbiorDanych::przewiniety, this, [this] {
        if (m_pliki->stan() != StanZbioru::Wstawianie)
            pokazDate(m_data, m_pliki);
    });
    blokujPodczasZmiany(m_pliki, {m_wybor, m_widok}, this);
}

void TFormTabPlikMult::utworzPolaPliku(QGroupBox *szczegoly)
{
    polaPodpisane(szczegoly, m_pliki,
                  {{m_lKod, m_kod, QStringLiteral("Kod pliku:"), QStringLiteral("IdPlikMult"), 100},
                   {m_lNazwa, m_nazwa, QStringLiteral("Nazwa pliku wraz z rozszerzeniem"), QStringLiteral("NazwaPliku")}});
    m_rodzaj = grupaPowiazana(QStringLiteral("Rodzaj pliku multimedialnego"), {slowa::ObrazGraficzny, slowa::Film}, 1,
                              szczegoly, m_pliki, QStringLiteral("RodzajPliku"));
    m_lStosunek = etykieta(QStringLiteral("Stosunek wysokości obrazu graficznego/zdjęcia/ekranu do jego szerokości\n"
                                          "(liczba dziesiętna niemianowana z przecinkiem dziesiętnym)"),
                           szczegoly);
    m_stosunek = polePowiazane(szczegoly, m_pliki, QStringLiteral("StosWysDoSzer"), 120);
    m_coIlustr = grupaPowiazana(QStringLiteral("Rodzaj elementu ilustrowanego przez plik multimedialny"),
                                {slowa::Fakt, slowa::Regula}, 2, szczegoly, m_pliki, QStringLiteral("CoPlikIlustr"));
    m_lKodEl2 = etykieta(QStringLiteral("Kod ilustrowanego elementu"), szczegoly);
    m_kodElementu = polePowiazane(szczegoly, m_pliki, QStringLiteral("KodElemIlustr"), 100);
    m_lPodpis = etykieta(QStringLiteral("Podpis pod obrazem graficznym/zdjęciem fotograficznym/filmem"), szczegoly);
    m_podpis = memoPowiazane(szczegoly, m_pliki, QStringLiteral("Podpis"));
    m_podpis->setMaximumHeight(60);
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu:"), szczegoly);
    m_data = pole(szczegoly, QStringLiteral("data"), 100, true);
}

void TFormTabPlikMult::ulozSzczegoly(QGroupBox *szczegoly)
{
    auto *u = new QGridLayout(szczegoly);
    wierszPol(u, 0, 0, {m_lKod, m_kod, m_lData, m_data}, Qt::AlignRight);
    u->addWidget(m_lNazwa, 1, 0);
    u->addWidget(m_nazwa, 1, 1, 1, 3);
    u->addWidget(m_rodzaj, 2, 0, 1, 2);
    u->addWidget(m_coIlustr, 2, 2, 1, 2);
    u->addWidget(m_lStosunek, 3, 0, 1, 3);
    u->addWidget(m_stosunek, 3, 3);
    u->addWidget(m_lKodEl2, 4, 0);
    u->addWidget(m_kodElementu, 4, 1);
    u->addWidget(m_lPodpis, 5, 0, 1, 4);
    u->addWidget(m_podpis, 6, 0, 1, 4);
    u->setColumnStretch(1, 1);
}

QGridLayout *TFormTabPlikMult::utworzPomocnicze()
{
    m_szukajWolnego = new QPushButton(QStringLiteral("Wyszukaj wolny kod pliku multimedialnego"), this);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod pliku:"), this);
    m_wolnyKod = pole(this, QStringLiteral("wolnyKod"), 100, true);
    m_przepisz = new QPushButton(QStringLiteral("Przepisz wolny kod pliku"), this);
    m_przepisz->setObjectName(QStringLiteral("przepiszWolnyKod"));
    m_lSzukany = etykieta(QStringLiteral("Kod pliku do wyszu-\nkania rekordu:"), this);
    m_szukany = pole(this, QStringLiteral("szukanyKod"), 100);
    m_szukajRekordu = new QPushButton(QStringLiteral("Wyszukaj rekord"), this);
    m_szukajRekordu->setObjectName(QStringLiteral("wyszukajRekord"));
    m_proba = new QPushButton(QStringLiteral("Próbnie wizualizuj obraz graficzny/zdjęcie fotograficzne/film "), this);
    m_proba->setObjectName(QStringLiteral("probnaWizualizacja"));
    connect(m_szukajWolnego, &QPushButton::clicked, this, [this] { szukajWolnegoKodu(Tabela::PlikiMult, m_wolnyKod); });
    connect(m_przepisz, &QPushButton::clicked, this, &TFormTabPlikMult::przepiszWolnyKod);
    connect(m_szukajRekordu, &QPushButton::clicked, this, &TFormTabPlikMult::szukajPliku);
    connect(m_proba, &QPushButton::clicked, this, &TFormTabPlikMult::probnaWizualizacja);
    auto *pomocnicze = new QGridLayout;
    pomocnicze->addWidget(m_szukajWolnego, 0, 0, 1, 2);
    pomocnicze->addWidget(m_lWolnyKod, 1, 0, Qt::AlignRight);
    pomocnicze->addWidget(m_wolnyKod, 1, 1);
    pomocnicze->addWidget(m_przepisz, 2, 0, 1, 2);
    pomocnicze->addWidget(m_lSzukany, 3, 0);
    pomocnicze->addWidget(m_szukany, 3, 1);
    pomocnicze->addWidget(m_szukajRekordu, 4, 0, 1, 2);
    pomocnicze->addWidget(m_proba, 5, 0, 1, 2);
    pomocnicze->setRowStretch(6, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(przyciskPomoc());
    przyciski->addWidget(przyciskOk());
    pomocnicze->addLayout(przyciski, 7, 0, 1, 2);
    return pomocnicze;
}

void TFormTabPlikMult::ulozOkno(QGroupBox *szczegoly, QGridLayout *pomocnicze)
{
    auto *dol = new QHBoxLayout;
    dol->addWidget(szczegoly, 1);
    dol->addLayout(pomocnicze);

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_widok);
    uklad->addWidget(m_wybor);
    uklad->addWidget(m_siatkaPliki, 1);
    uklad->addWidget(m_nawPliki);
    uklad->addLayout(dol);
    resize(1150, 780);
}

ZbiorDanych *TFormTabPlikMult::zbiorElementow() const
{
    return m_widokBiezacy == Widok::Fakt ? m_fakty : m_widokBiezacy == Widok::Regula ? m_reguly : nullptr;
}

void TFormTabPlikMult::otworz()
{
    if (m_pliki->czyEdycjaLubWstawianie()) {
        show();
        raise();
        return;
    }
    m_pliki->ustawNaglowki({QStringLiteral("Kod pliku"), QStringLiteral("Nazwa pliku wraz z rozszerzeniem"),
                            QStringLiteral("Rodzaj pliku"),
                            QStringLiteral("Stosunek wysokości do szerokości obrazu/zdjęcia/ekranu"),
                            QStringLiteral("Element ilustrowany przez plik"), QStringLiteral("Kod ilustrowanego elementu"),
                            QStringLiteral("Podpis pod obrazem graficznym/zdjęciem/ekranem"),
                            QStringLiteral("Data wygenerowania rekordu")});
    m_syst->ustawNaglowki(naglowkiKolumnSyst());
    m_fakty->ustawNaglowki(naglowkiKolumnFakt());
    m_reguly->ustawNaglowki({QStringLiteral("Kod reguły"), QStringLiteral("Kod systemu"), QStringLiteral("Nazwa reguły"),
                             QStringLiteral("Poziom reguły"), QStringLiteral("Kierunek wnioskowania"),
                             QStringLiteral("CF reguły"), QStringLiteral("Przesłanki reguły"),
                             QStringLiteral("Konkluzja reguły")});
    if (!m_pliki->czyOtwarty())
        m_k.baza.zajmij(Tabela::PlikiMult);
    m_syst->zamknij();
    m_fakty->zamknij();
    m_reguly->zamknij();
    m_widokBiezacy = Widok::Wszystkie;
    m_widok->ustawWybor(WidokWszystkich);
    m_wybor->hide();
    uruchomZapytaniePlikow();
    show();
    raise();
    activateWindow();
}

void TFormTabPlikMult::zamknijZbiory()
{
    if (m_pliki->czyOtwarty())
        m_k.baza.zwolnij(Tabela::PlikiMult);
    for (ZbiorDanych *z : {m_pliki, m_fakty, m_reguly, m_syst})
        z->zamknij();
}

bool TFormTabPlikMult::ustawWidok(Widok w)
{
    auto przywroc = [this] {
        m_widok->ustawWybor(m_widokBiezacy == Widok::Fakt     ? WidokFaktu
                            : m_widokBiezacy == Widok::Regula ? WidokReguly
                                                              : WidokWszystkich);
    };
    if (m_pliki->czyEdycjaLubWstawianie() && !m_pliki->zatwierdz()) {
        przywroc();
        return false;
    }
    if (w != Widok::Wszystkie) {
        m_k.baza.synchronizuj();
        QString brak;
        if (!m_k.baza.plikIstnieje(Tabela::Systemy))
            brak = komunikatBrakPliku(Tabela::Systemy, Przyrostek::S1);
        else if (w == Widok::Fakt && !m_k.baza.plikIstnieje(Tabela::Fakty))
            brak = komunikatBrakPliku(Tabela::Fakty, Przyrostek::WyborFaktuIlustr);
        else if (w == Widok::Regula && !m_k.baza.plikIstnieje(Tabela::Reguly))
            brak = komunikatBrakPliku(Tabela::Reguly, Przyrostek::WyborRegulyIlustr);
        if (!brak.isEmpty()) {
            pokazKomunikat(brak, this);
            przywroc();
            return false;
        }
    }
    m_widokBiezacy = w;
    przywroc();
    const bool fakt = w == Widok::Fakt;
    m_wybor->setVisible(w != Widok::Wszystkie);
    m_siatkaFakty->setVisible(fakt);
    m_kodFaktu->setVisible(fakt);
    m_nazFaktu->setVisible(fakt);
    m_siatkaReguly->setVisible(!fakt);
    m_kodReguly->setVisible(!fakt);
    m_nazReguly->setVisible(!fakt);
    m_naglowekEl->setText(fakt ? QStringLiteral("WYBÓR FAKTU ILUSTROWANEGO PRZEZ PLIK (-I) MULTIMEDIALNY (-E)")
                               : QStringLiteral("WYBÓR REGUŁY ILUSTROWANEJ PRZEZ PLIK (-I) MULTIMEDIALNY (-E)"));
    m_lKodEl->setText(fakt ? QStringLiteral("Kod faktu:") : QStringLiteral("Kod reguły:"));
    m_lNazEl->setText(fakt ? QStringLiteral("Nazwa faktu:") : QStringLiteral("Nazwa reguły:"));
    m_lSzukanyEl->setText(fakt ? QStringLiteral("Kod faktu do wyszukania rekordu:")
                               : QStringLiteral("Kod reguły do wyszukania rekordu:"));
    m_szukajEl->setText(fakt ? QStringLiteral("Wyszukaj rekord tabeli faktów") : QStringLiteral("Wyszukaj rekord tabeli reguł"));
    if (w == Widok::Wszystkie) {
        m_syst->zamknij();
        m_fakty->zamknij();
        m_reguly->zamknij();
        uruchomZapytaniePlikow();
    } else {
        (fakt ? m_reguly : m_fakty)->zamknij();
        m_syst->otworz(); // runs the element query and the files query
        if (!zbiorElementow()->czyOtwarty())
            uruchomZapytanieElementow();
    }
    return true;
}

void TFormTabPlikMult::uruchomZapytanieElementow()
{
    ZbiorDanych *el = zbiorElementow();
    if (!el)
        return;
    const QVariantMap par = {{QStringLiteral("ParKodSyst"), m_syst->wartosc(QStringLiteral("IdSyst"))}};
    if (el == m_fakty)
        el->ustawZapytanie(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParKodSyst ORDER BY IdFakt"), par);
    else
        el->ustawZapytanie(QStringLiteral("SELECT * FROM reguly WHERE KodSyst=:ParKodSyst ORDER BY IdReg"), par);
    el->otworz();
}

void TFormTabPlikMult::uruchomZapytaniePlikow()
{
    if (m_pliki->czyEdycjaLubWstawianie() && !m_pliki->zatwierdz())
        return;
    ZbiorDanych *el = zbiorElementow();
    if (!el) {
        m_pliki->ustawZapytanie(QStringLiteral("SELECT * FROM plikimultimedialne ORDER BY IdPlikMult"));
    } else {
        const bool fakt = el == m_fakty;
        m_pliki->ustawZapytanie(
            QStringLiteral("SELECT * FROM plikimultimedialne WHERE KodElemIlustr=:ParKodElemIlustr AND "
                           "CoPlikIlustr=:ParCoPlikIlustr ORDER BY IdPlikMult"),
            {{QStringLiteral("ParKodElemIlustr"), el->wartosc(fakt ? QStringLiteral("IdFakt") : QStringLiteral("IdReg"))},
             {QStringLiteral("ParCoPlikIlustr"), fakt ? slowa::Fakt : slowa::Regula}});
    }
    m_pliki->otworz();
}

void TFormTabPlikMult::poAkcjiNawigatora(PrzyciskNaw p)
{
    if (p != PrzyciskNaw::Wstaw) {
        pokazDate(m_data, m_pliki);
        return;
    }
    m_data->clear();
    m_pliki->ustawWartosc(QStringLiteral("DataRek"), GenDataRek());
    if (ZbiorDanych *el = zbiorElementow()) {
        const bool fakt = el == m_fakty;
        m_pliki->ustawWartosc(QStringLiteral("CoPlikIlustr"), fakt ? slowa::Fakt : slowa::Regula);
        m_pliki->ustawWartosc(QStringLiteral("KodElemIlustr"),
                              el->wartosc(fakt ? QStringLiteral("IdFakt") : QStringLiteral("IdReg")));
    }
}

void TFormTabPlikMult::przepiszWolnyKod()
{
    if (m_wolnyKod->text().isEmpty()) {
        pokazKomunikat(QStringLiteral("Wolny kod pliku multimedialnego niezidentyfikowany.\n\rPrzyciśnij przycisk "
                                      "Wyszukaj wolny kod pliku multimedialnego."),
                       this);
        return;
    }
    if (!m_pliki->czyEdycjaLubWstawianie() && !m_pliki->edytuj())
        return;
    m_pliki->ustawTekst(QStringLiteral("IdPlikMult"), m_wolnyKod->text());
}

void TFormTabPlikMult::szukajPliku()
{
    const auto kod = tekstNaInt(m_szukany->text());
    if (!kod) {
        pokazKomunikat(QStringLiteral("Brak lub wadliwa postać kodu pliku do wyszukania."), this);
        return;
    }
    if (m_pliki->pusty()) {
        pokazKomunikat(QStringLiteral("Tabela pusta."), this);
        return;
    }
    const int wiersz = m_pliki->wierszZ(QStringLiteral("IdPlikMult"), *kod);
    if (wiersz < 0) {
        pokazKomunikat(QStringLiteral("Rekordu z podanym kodem pliku nie znaleziono."), this);
        return;
    }
    m_pliki->przejdzDo(wiersz);
}

void TFormTabPlikMult::szukajElementu()
{
    if (m_widokBiezacy == Widok::Fakt)
        szukajKodu(m_fakty, QStringLiteral("IdFakt"), m_szukanyEl->text(),
                   QStringLiteral("Nie podałeś kodu faktu do wyszukania."), QStringLiteral("Zła postać kodu faktu. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie faktu w tabeli nie znaleziono."));
    else if (m_widokBiezacy == Widok::Regula)
        szukajKodu(m_reguly, QStringLiteral("IdReg"), m_szukanyEl->text(),
                   QStringLiteral("Nie podałeś kodu reguły do wyszukania."), QStringLiteral("Zła postać kodu reguły. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie reguły w tabeli nie znaleziono."));
}

void TFormTabPlikMult::probnaWizualizacja()
{
    const QString nazwa = m_nazwa->text();
    const QString tekstStosunku = m_stosunek->text().trimmed();
    const QString rodzaj = m_rodzaj->wybor();
    const QString sciezka = QFileInfo(nazwa).isAbsolute() ? nazwa : QDir(m_k.baza.folder()).filePath(nazwa);
    const bool istnieje = !nazwa.isEmpty() && QFileInfo(sciezka).isFile();
    if (rodzaj == slowa::Film) {
        if (!istnieje) {
            pokazKomunikat(QStringLiteral("Stwierdzono brak na dysku pliku ") + nazwa
                               + QStringLiteral(" do odtworzenia.\n\rOpcja nie zostanie zrealizowana."),
                           this);
            return;
        }
        if (tekstStosunku.isEmpty()) {
            pokazKomunikat(QStringLiteral("Nazwa pliku i/lub wymiary ekranu nie zostały określone."), this);
            return;
        }
    } else if (rodzaj == slowa::ObrazGraficzny) {
        if (nazwa.isEmpty() || tekstStosunku.isEmpty()) {
            pokazKomunikat(QStringLiteral("Nazwa pliku i/lub wymiary pliku graficznego/zdjęcia nie zostały określone."),
                           this);
            return;
        }
        if (!istnieje) {
            pokazKomunikat(QStringLiteral("Stwierdzono brak na dysku pliku ") + nazwa
                               + QStringLiteral(" do wizualizacji.\n\rOpcja nie zostanie zrealizowana."),
                           this);
            return;
        }
    } else {
        pokazKomunikat(QStringLiteral("Rodzaj pliku multimedialnego nie został określony."), this);
        return;
    }
    const auto stosunek = tekstNaReal(tekstStosunku);
    if (!stosunek || *stosunek <= 0) {
        pokazKomunikat(QStringLiteral("Błędna postać stosunku wysokości do szerokości: ") + tekstStosunku
                           + QStringLiteral(".\n\rOpcja nie zostanie zrealizowana."),
                       this);
        return;
    }
    if (rodzaj == slowa::Film)
        PokazFilm(m_k, nazwa, *stosunek, m_podpis->toPlainText());
    else
        PokazObraz(m_k, nazwa, *stosunek, m_podpis->toPlainText());
}

void TFormTabPlikMult::ZmiaKolFormTabPlikMult(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne,
                   {m_widok, m_lKod, m_kod, m_lNazwa, m_nazwa, m_rodzaj, m_lStosunek, m_stosunek, m_coIlustr, m_lKodEl2,
                    m_kodElementu, m_lPodpis, m_podpis});
    zastosujKolory(k, Rola::Bierne,
                   {m_naglowekSyst, m_lKodSyst, m_kodSyst, m_lNazSyst, m_nazSyst, m_naglowekEl, m_lKodEl, m_lNazEl,
                    m_kodFaktu, m_nazFaktu, m_kodReguly, m_nazReguly, m_siatkaFakty, m_siatkaReguly, m_siatkaPliki,
                    m_lData, m_data});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_nawSyst, m_nawPliki, m_lSzukanyEl, m_szukanyEl, m_szukajEl, m_szukajWolnego, m_lWolnyKod,
                    m_wolnyKod, m_przepisz, m_lSzukany, m_szukany, m_szukajRekordu, m_proba, przyciskOk(),
                    przyciskPomoc()});
}

} // namespace tremida::gui
