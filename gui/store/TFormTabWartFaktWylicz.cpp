#include "TFormTabWartFaktWylicz.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/KontrFakt.h"
#include "store/Konwersje.h"
#include "store/NaglowkiKolumn.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"
#include "widgets/WierszPol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

const QString WidokWszystkich = QStringLiteral("wszystkich wartości wszystkich faktów wyliczeniowych");
const QString WidokFaktu = QStringLiteral("tylko wartości faktów wyliczeniowych wybranego syst. eksperckiego ");

} // namespace

TFormTabWartFaktWylicz::TFormTabWartFaktWylicz(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeli(k, QStringLiteral("TFormTabWartFaktWylicz"), QStringLiteral("TABELA WARTOŚCI FAKTÓW WYLICZENIOWYCH"),
                 QStringLiteral("6.1"), rodzic)
{
    m_syst = zbiorSystemow(k.baza, this);
    m_fakt = new ZbiorDanych(k.baza, Tabela::Fakty, this);
    m_wart = new ZbiorDanych(k.baza, Tabela::WartFaktWylicz, this);
    ustawZbioryStrzezone({m_wart});

    m_widok = grupaWidoku(QStringLiteral("Wizualizacja rekordów tabeli wartości faktów wyliczeniowych"),
                          {WidokWszystkich, WidokFaktu}, WidokFaktu, this);
    connect(m_widok, &GrupaRadiowa::wybrano, this,
            [this](const QString &w) { ustawWidokWszystkich(w == WidokWszystkich); });

    utworzWyborFaktu();
    utworzWartosci();
    auto *szczegoly = new QGroupBox(this);
    utworzPolaWartosci(szczegoly);
    utworzPanelWprowadzanego(szczegoly);
    utworzPanelPosredniego(szczegoly);
    ulozSzczegoly(szczegoly);
    ulozOkno(szczegoly, utworzPomocnicze());

    ustawPanel();
    kolorujZawsze(&TFormTabWartFaktWylicz::ZmiaKolFormTabWartFaktWylicz);
}

void TFormTabWartFaktWylicz::utworzWyborFaktu()
{
    m_wybor = new QWidget(this);
    m_siatkaSyst = new Siatka(m_syst, m_wybor);
    // The systems grid shows the code, name and description only.
    m_siatkaSyst->ukryjKolumne(QStringLiteral("DataRek"));
    m_siatkaSyst->setMaximumHeight(110);
    m_nawSyst = new Nawigator(m_syst, Nawigator::przemieszczanie(), m_wybor);
    m_siatkaFakt = new Siatka(m_fakt, m_wybor);
    m_siatkaFakt->setMaximumHeight(130);
    m_nawFakt = new Nawigator(m_fakt, Nawigator::przemieszczanie(), m_wybor);
    m_lSzukanyFakt = etykieta(QStringLiteral("Kod faktu wyliczeniowego do wyszukania rekordu:"), m_wybor);
    m_szukanyFakt = pole(m_wybor, QStringLiteral("szukanyFakt"), 100);
    m_szukajFaktu = new QPushButton(QStringLiteral("Wyszukaj rekord tabeli faktów"), m_wybor);
    connect(m_szukajFaktu, &QPushButton::clicked, this, [this] {
        szukajKodu(m_fakt, QStringLiteral("IdFakt"), m_szukanyFakt->text(),
                   QStringLiteral("Nie podałeś kodu faktu do wyszukania."), QStringLiteral("Zła postać kodu faktu. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie faktu w tabeli nie znaleziono."));
    });
    {
        auto *u = new QGridLayout(m_wybor);
        u->setContentsMargins(0, 0, 0, 0);
        u->addWidget(m_siatkaSyst, 0, 0, 1, 4);
        u->addWidget(m_nawSyst, 1, 0, 1, 4);
        u->addWidget(m_siatkaFakt, 2, 0, 1, 4);
        u->addWidget(m_nawFakt, 3, 0);
        u->addWidget(m_lSzukanyFakt, 3, 1, Qt::AlignRight);
        u->addWidget(m_szukanyFakt, 3, 2);
        u->addWidget(m_szukajFaktu, 3, 3);
        u->setColumnStretch(0, 1);
    }
    connect(m_syst, &ZbiorDanych::przewiniety, this, [this] {
        if (!widokWszystkich() && m_syst->czyOtwarty())
            uruchomZapytanieFaktow();
    });
    connect(m_fakt, &ZbiorDanych::przewiniety, this, [this] {
        if (!widokWszystkich() && m_fakt->czyOtwarty())
            uruchomZapytanieWartosci();
    });
    // The chosen fact cannot change under a value being typed.
    blokujPodczasZmiany(m_wart, {m_wybor, m_widok}, this);
}

void TFormTabWartFaktWylicz::utworzWartosci()
{
    m_siatkaWart = new Siatka(m_wart, this);
    m_siatkaWart->setMinimumHeight(120);
    m_nawWart = new Nawigator(m_wart, Nawigator::wszystkie(), this);
    connect(m_nawWart, &Nawigator::poAkcji, this, &TFormTabWartFaktWylicz::poAkcjiNawigatora);
    connect(m_wart, &ZbiorDanych::przewiniety, this, [this] {
        if (m_wart->stan() != StanZbioru::Wstawianie)
            pokazDate(m_data, m_wart);
        ustawPanel();
    });
    m_lLiczba = etykieta(QStringLiteral("Liczba wartości faktu w tabeli:"), this);
    m_liczba = pole(this, QStringLiteral("liczbaWartosci"), 60, true);
}

void TFormTabWartFaktWylicz::utworzPolaWartosci(QGroupBox *szczegoly)
{
    polaPodpisane(szczegoly, m_wart,
                  {{m_lKod, m_kod, QStringLiteral("Kod wartości faktu:"), QStringLiteral("IdWartFaktWylicz"), 100},
                   {m_lKodFakt, m_kodFakt, QStringLiteral("Kod faktu:"), QStringLiteral("KodFakt"), 100},
                   {m_lWartosc, m_wartosc, QStringLiteral("Wartość faktu wyliczeniowego:"), QStringLiteral("WartFaktWylicz")}});
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu"), szczegoly);
    m_data = pole(szczegoly, QStringLiteral("data"), 100, true);
}

void TFormTabWartFaktWylicz::utworzPanelWprowadzanego(QGroupBox *szczegoly)
{
    const QStringList wybory = {slowa::Tak, slowa::Nie, slowa::BrakWartosci};
    m_panelWpr = new QWidget(szczegoly);
    m_wprAkt = grupaPowiazana(QStringLiteral("Czy przypisujesz faktowi tę wartość?"), wybory, 3, m_panelWpr, m_wart,
                              QStringLiteral("CzyFaktMaWartAkt"));
    m_lWprCF = etykieta(QStringLiteral("CF wartości faktu:"), m_panelWpr);
    m_wprCF = polePowiazane(m_panelWpr, m_wart, QStringLiteral("CFWartFaktWyliczAkt"), 100);
    {
        auto *u = new QHBoxLayout(m_panelWpr);
        u->setContentsMargins(0, 0, 0, 0);
        u->addWidget(m_wprAkt);
        u->addWidget(m_lWprCF);
        u->addWidget(m_wprCF);
        u->addStretch();
    }
}

void TFormTabWartFaktWylicz::utworzPanelPosredniego(QGroupBox *szczegoly)
{
    const QStringList wybory = {slowa::Tak, slowa::Nie, slowa::BrakWartosci};
    // Intermediate and final facts get these by inference: shown only.
    m_panelPosr = new QWidget(szczegoly);
    m_naglowekPosr = etykieta(QStringLiteral("STAN PRZYPISANIA WARTOŚCI FAKTOWI W PROCESIE WNIOSKOWANIA"), m_panelPosr);
    m_posrAkt = new GrupaRadiowa(QStringLiteral("Czy fakt ma tę wartość w bieżącej iteracji wnioskowania?"), wybory, 3,
                                 m_panelPosr);
    m_posrPoprz = new GrupaRadiowa(QStringLiteral("Czy fakt miał tę wartość w poprzedniej iteracji?"), wybory, 3,
                                   m_panelPosr);
    m_posrAkt->ustawTylkoDoOdczytu(true);
    m_posrPoprz->ustawTylkoDoOdczytu(true);
    m_lPosrCFAkt = etykieta(QStringLiteral("CF wartości faktu wyliczeniowego w bieżącej iteracji wnioskowania"),
                            m_panelPosr);
    m_lPosrCFPoprz = etykieta(QStringLiteral("CF wartości faktu w poprzedniej iteracji"), m_panelPosr);
    m_posrCFAkt = pole(m_panelPosr, QStringLiteral("posrCFAkt"), 100, true);
    m_posrCFPoprz = pole(m_panelPosr, QStringLiteral("posrCFPoprz"), 100, true);
    powiaz(m_posrAkt, m_wart, QStringLiteral("CzyFaktMaWartAkt"));
    powiaz(m_posrPoprz, m_wart, QStringLiteral("CzyFaktMaWartPoprz"));
    powiaz(m_posrCFAkt, m_wart, QStringLiteral("CFWartFaktWyliczAkt"), true);
    powiaz(m_posrCFPoprz, m_wart, QStringLiteral("CFWartFaktWyliczPoprz"), true);
    {
        auto *u = new QGridLayout(m_panelPosr);
        u->setContentsMargins(0, 0, 0, 0);
        u->addWidget(m_naglowekPosr, 0, 0, 1, 2);
        u->addWidget(m_posrAkt, 1, 0);
        u->addWidget(m_posrPoprz, 1, 1);
        u->addWidget(m_lPosrCFAkt, 2, 0);
        u->addWidget(m_lPosrCFPoprz, 2, 1);
        u->addWidget(m_posrCFAkt, 3, 0);
        u->addWidget(m_posrCFPoprz, 3, 1);
    }
}

void TFormTabWartFaktWylicz::ulozSzczegoly(QGroupBox *szczegoly)
{
    auto *u = new QGridLayout(szczegoly);
    wierszPol(u, 0, 0, {m_lKod, m_kod, m_lKodFakt, m_kodFakt, m_lData, m_data}, Qt::AlignRight);
    u->addWidget(m_lWartosc, 1, 0);
    u->addWidget(m_wartosc, 1, 1, 1, 5);
    // The two panels share one place: the window keeps its size whichever is shown.
    u->addWidget(m_panelWpr, 2, 0, 1, 6);
    u->addWidget(m_panelPosr, 2, 0, 1, 6);
    zachowajMiejsce({m_panelWpr, m_panelPosr});
    u->setColumnStretch(5, 1);
}

QGridLayout *TFormTabWartFaktWylicz::utworzPomocnicze()
{
    m_szukajWolnego = new QPushButton(QStringLiteral("Wyszukaj wolny kod:"), this);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod wartości faktu:"), this);
    m_wolnyKod = pole(this, QStringLiteral("wolnyKod"), 100, true);
    connect(m_szukajWolnego, &QPushButton::clicked, this,
            [this] { szukajWolnegoKodu(Tabela::WartFaktWylicz, m_wolnyKod); });
    m_lSzukanaWart = etykieta(QStringLiteral("Kod wartości faktu wyliczeniowego do wyszukania rekordu:"), this);
    m_szukanaWart = pole(this, QStringLiteral("szukanaWartosc"), 100);
    m_szukajWartosci = new QPushButton(QStringLiteral("Wyszukaj rekord tabeli wartości faktów wyliczeniowych"), this);
    connect(m_szukajWartosci, &QPushButton::clicked, this, [this] {
        szukajKodu(m_wart, QStringLiteral("IdWartFaktWylicz"), m_szukanaWart->text(),
                   QStringLiteral("Nie podałeś kodu wartości faktu wyliczeniowego do wyszukania."),
                   QStringLiteral("Zła postać kodu wartości faktu wyliczeniowego. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie wartości faktu wyliczeniowego w tabeli nie znaleziono."));
    });
    return ukladWyszukiwania(m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukanaWart, m_szukanaWart, m_szukajWartosci);
}

void TFormTabWartFaktWylicz::ulozOkno(QGroupBox *szczegoly, QGridLayout *pomocnicze)
{
    auto *pasekWart = new QHBoxLayout;
    pasekWart->addWidget(m_nawWart);
    pasekWart->addStretch();
    pasekWart->addWidget(m_lLiczba);
    pasekWart->addWidget(m_liczba);
    auto *dol = new QHBoxLayout;
    dol->addWidget(szczegoly, 1);
    dol->addLayout(pomocnicze);

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_widok);
    uklad->addWidget(m_wybor);
    uklad->addWidget(m_siatkaWart, 1);
    uklad->addLayout(pasekWart);
    uklad->addLayout(dol);
    resize(1100, 860);
}

bool TFormTabWartFaktWylicz::widokWszystkich() const { return m_widok->wybor() == WidokWszystkich; }

void TFormTabWartFaktWylicz::otworz()
{
    if (m_wart->czyEdycjaLubWstawianie()) {
        show();
        raise();
        return;
    }
    m_syst->ustawNaglowki({QStringLiteral("Kod systemu"), QStringLiteral("Nazwa systemu"), QStringLiteral("Opis systemu")});
    m_fakt->ustawNaglowki(naglowkiKolumnFakt());
    m_wart->ustawNaglowki({QStringLiteral("Kod wartości faktu wyliczeniowego"), QStringLiteral("Kod faktu"),
                           QStringLiteral("Wartość faktu wyliczeniowego"), QStringLiteral("Czy fakt ma tę wartość ?"),
                           QStringLiteral("CF wartości faktu wyliczeniowego"),
                           QStringLiteral("Czy fakt miał tę wartość w poprzedniej iteracji"),
                           QStringLiteral("CF wartości faktu w poprzedniej iteracji"),
                           QStringLiteral("Data wygenerowania rekordu")});
    if (!m_wart->czyOtwarty())
        for (Tabela t : {Tabela::Systemy, Tabela::Fakty, Tabela::WartFaktWylicz})
            m_k.baza.zajmij(t);
    m_widok->ustawWybor(WidokFaktu);
    m_wybor->show();
    m_otwieranie = true;
    m_syst->otworz(); // runs the facts query, which runs the values query
    if (!m_wart->czyOtwarty())
        uruchomZapytanieWartosci();
    m_otwieranie = false;
    show();
    raise();
    activateWindow();
}

void TFormTabWartFaktWylicz::zamknijZbiory()
{
    if (m_wart->czyOtwarty() || m_fakt->czyOtwarty() || m_syst->czyOtwarty())
        for (Tabela t : {Tabela::Systemy, Tabela::Fakty, Tabela::WartFaktWylicz})
            m_k.baza.zwolnij(t);
    m_wart->zamknij();
    m_fakt->zamknij();
    m_syst->zamknij();
}

void TFormTabWartFaktWylicz::ustawWidokWszystkich(bool wszystkie)
{
    if (m_wart->czyEdycjaLubWstawianie() && !m_wart->zatwierdz()) {
        m_widok->ustawWybor(wszystkie ? WidokFaktu : WidokWszystkich);
        return;
    }
    m_widok->ustawWybor(wszystkie ? WidokWszystkich : WidokFaktu);
    m_wybor->setVisible(!wszystkie);
    if (wszystkie) {
        m_wart->ustawZapytanie(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych ORDER BY IdWartFaktWylicz"));
        m_wart->otworz();
        policzWartosci();
    } else {
        uruchomZapytanieWartosci();
    }
}

void TFormTabWartFaktWylicz::uruchomZapytanieFaktow()
{
    m_fakt->ustawZapytanie(QStringLiteral("SELECT * FROM fakty WHERE KodSyst=:ParIdSyst AND TypFakt='wyliczeniowy' "
                                          "ORDER BY IdFakt"),
                           {{QStringLiteral("ParIdSyst"), m_syst->wartosc(QStringLiteral("IdSyst"))}});
    m_fakt->otworz();
}

void TFormTabWartFaktWylicz::uruchomZapytanieWartosci()
{
    m_wart->ustawZapytanie(QStringLiteral("SELECT * FROM wartoscifaktowwyliczeniowych WHERE KodFakt=:ParKodFaktWylicz "
                                          "ORDER BY IdWartFaktWylicz"),
                           {{QStringLiteral("ParKodFaktWylicz"), m_fakt->wartosc(QStringLiteral("IdFakt"))}});
    m_wart->otworz();
    policzWartosci();
    // The checks of the chosen fact, shown after moving to its first value.
    if (m_fakt->biezacy() < 0 || m_otwieranie)
        return;
    if (const auto fakt = faktOKodzie(m_k.baza, m_fakt->wartosc(QStringLiteral("IdFakt")).toInt()))
        if (const auto k = kontrolaWartosciFaktu(*fakt, wartosciFaktu(m_k.baza, fakt->IdFakt)))
            pokazKomunikat(*k, this);
}

void TFormTabWartFaktWylicz::policzWartosci()
{
    if (widokWszystkich())
        m_liczbaWartosci = m_wart->liczbaRekordow();
    else
        m_liczbaWartosci = m_fakt->biezacy() < 0
                               ? 0
                               : static_cast<int>(
                                     wartosciFaktu(m_k.baza, m_fakt->wartosc(QStringLiteral("IdFakt")).toInt()).size());
    m_liczba->setText(intNaTekst(m_liczbaWartosci));
}

bool TFormTabWartFaktWylicz::panelWprowadzanego() const { return m_panelWpr->isVisibleTo(this); }

void TFormTabWartFaktWylicz::ustawPanel()
{
    QString rodzaj;
    if (!widokWszystkich()) {
        rodzaj = m_fakt->wartosc(QStringLiteral("RodzFakt")).toString();
    } else if (m_wart->biezacy() >= 0) {
        if (const auto f = faktOKodzie(m_k.baza, m_wart->wartosc(QStringLiteral("KodFakt")).toInt()))
            rodzaj = f->RodzFakt;
    }
    const bool wprowadzany = rodzaj.isEmpty() || rodzaj == slowa::Wprowadzany;
    m_panelWpr->setVisible(wprowadzany);
    m_panelPosr->setVisible(!wprowadzany);
}

void TFormTabWartFaktWylicz::poAkcjiNawigatora(PrzyciskNaw p)
{
    const int liczWart = m_fakt->wartosc(QStringLiteral("LiczWart")).toInt();
    switch (p) {
    case PrzyciskNaw::Wstaw:
        m_data->clear();
        m_wart->ustawWartosc(QStringLiteral("DataRek"), GenDataRek());
        if (!widokWszystkich())
            m_wart->ustawWartosc(QStringLiteral("KodFakt"), m_fakt->wartosc(QStringLiteral("IdFakt")));
        ustawPanel();
        return;
    case PrzyciskNaw::Usun:
        policzWartosci();
        if (!widokWszystkich() && m_fakt->biezacy() >= 0)
            if (const auto k = kontrolaPoUsunieciuWartosci(m_liczbaWartosci, liczWart))
                pokazKomunikat(*k, this);
        break;
    case PrzyciskNaw::Zatwierdz:
        policzWartosci();
        if (!widokWszystkich() && m_fakt->biezacy() >= 0) {
            const auto wartosci = wartosciFaktu(m_k.baza, m_fakt->wartosc(QStringLiteral("IdFakt")).toInt());
            for (const QString &k : kontrolaPoZatwierdzeniuWartosci(wartosci, liczWart))
                pokazKomunikat(k, this);
        }
        break;
    default: break;
    }
    pokazDate(m_data, m_wart);
}

void TFormTabWartFaktWylicz::ZmiaKolFormTabWartFaktWylicz(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne,
                   {m_widok, m_lKod, m_kod, m_lKodFakt, m_kodFakt, m_lWartosc, m_wartosc, m_wprAkt, m_lWprCF, m_wprCF});
    zastosujKolory(k, Rola::Bierne,
                   {m_siatkaSyst, m_siatkaFakt, m_siatkaWart, m_lData, m_data, m_lLiczba, m_liczba, m_naglowekPosr,
                    m_posrAkt, m_posrPoprz, m_lPosrCFAkt, m_lPosrCFPoprz, m_posrCFAkt, m_posrCFPoprz});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_nawSyst, m_nawFakt, m_nawWart, m_lSzukanyFakt, m_szukanyFakt, m_szukajFaktu, m_lSzukanaWart,
                    m_szukanaWart, m_szukajWartosci, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, przyciskOk(),
                    przyciskPomoc()});
}

} // namespace tremida::gui
