#include "TFormTabStale.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/KontrFakt.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"
#include "widgets/WierszPol.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

TFormTabStale::TFormTabStale(KontekstAplikacji &k, QWidget *rodzic)
    : OknoTabeliWgSystemu(k, QStringLiteral("TFormTabStale"), QStringLiteral("TABELA STAŁYCH"), QStringLiteral("8.1"),
                          Tabela::Stale, rodzic)
{
    utworzPrzegladanie(QStringLiteral("Wizualizacja rekordów tabeli stałych:"), QStringLiteral("wszystkich stałych"),
                       QStringLiteral("tylko stałych wybranego systemu eksperckiego "), 110, 80);
    connect(m_stale, &ZbiorDanych::wartoscZmieniona, this, [this](const QString &kol) {
        if (kol == QLatin1String("RodzStala") || kol == QLatin1String("TypStala")) {
            if (kol == QLatin1String("RodzStala") && m_argumenty.isEmpty())
                wczytajArgumenty(m_stale->wartosc(QStringLiteral("KodSyst")));
            pokazArgument();
            ustawWidocznosc();
        }
    });
    auto *szczegoly = new QGroupBox(this);
    polaPodpisane(szczegoly, m_stale,
                  {{m_lKod, m_kod, QStringLiteral("Kod stałej:"), QStringLiteral("IdStala"), 100},
                   {m_lKodSystStala, m_kodSystStala, QStringLiteral("Kod systemu:"), QStringLiteral("KodSyst"), 100},
                   {m_lNazwa, m_nazwa, QStringLiteral("Nazwa stałej:"), QStringLiteral("NazStala")}});
    m_rodzaj = grupaPowiazana(QStringLiteral("Rodzaj stałej:"), {slowa::Prosta, slowa::Obliczana}, 1, szczegoly,
                              m_stale, QStringLiteral("RodzStala"));
    m_typ = grupaPowiazana(QStringLiteral("Typ stałej:"), {slowa::Rzeczywista, slowa::Calkowita, slowa::Logiczna}, 1,
                           szczegoly, m_stale, QStringLiteral("TypStala"));
    polaPodpisane(szczegoly, m_stale,
                  {{m_lJedn, m_jedn, QStringLiteral("Jednostka stałej:"), QStringLiteral("JedWartStala"), 200},
                   {m_lWartosc, m_wartosc, QStringLiteral("Wartość stałej prostej:"), QStringLiteral("WartStalaProsta")},
                   {m_lA, m_a, QStringLiteral("Wartość parametru A:"), QStringLiteral("WartParAStala"), 200},
                   {m_lB, m_b, QStringLiteral("Wartość parametru B:"), QStringLiteral("WartParBStala"), 200}});
    m_lArgKod = etykieta(QStringLiteral("Kod faktu - argumentu stałej obliczanej:"), szczegoly);
    m_argKod = new QComboBox(szczegoly);
    m_argKod->setObjectName(QStringLiteral("argumentKod"));
    m_lArgNazwa = etykieta(QStringLiteral("Nazwa faktu - argumentu stałej obliczanej:"), szczegoly);
    m_argNazwa = new QComboBox(szczegoly);
    m_argNazwa->setObjectName(QStringLiteral("argumentNazwa"));
    m_argNazwa->setMinimumContentsLength(30);
    m_typArg = new GrupaRadiowa(QStringLiteral("Typ faktu jako argumentu:"),
                                {slowa::Rzeczywisty, slowa::Calkowity, slowa::Logiczny}, 3, szczegoly);
    m_typArg->setObjectName(QStringLiteral("typArgumentu"));
    m_typArg->ustawTylkoDoOdczytu(true);
    polaPodpisane(szczegoly, m_stale,
                  {{m_lOpis, m_opis, QStringLiteral("Opis stałej:"), QStringLiteral("OpisStala")},
                   {m_lPyt, m_pyt, QStringLiteral("Instrukcja wprowadzania wartości stałej:"), QStringLiteral("PytStala")}});
    for (QPlainTextEdit *m : {m_opis, m_pyt})
        m->setMaximumHeight(60);
    m_lData = etykieta(QStringLiteral("Data wygenerowania rekordu:"), szczegoly);
    m_data = pole(szczegoly, QStringLiteral("data"), 100, true);

    connect(m_argKod, &QComboBox::activated, this, &TFormTabStale::wybierzArgument);
    connect(m_argNazwa, &QComboBox::activated, this, &TFormTabStale::wybierzArgument);
    {
        auto *u = new QGridLayout(szczegoly);
        wierszPol(u, 0, 0, {m_lKod, m_kod, m_lKodSystStala, m_kodSystStala, m_lData, m_data}, Qt::AlignRight);
        u->addWidget(m_lNazwa, 1, 0);
        u->addWidget(m_nazwa, 1, 1, 1, 5);
        auto *grupy = new QHBoxLayout;
        grupy->addWidget(m_rodzaj);
        grupy->addWidget(m_typ);
        grupy->addWidget(m_typArg);
        grupy->addStretch();
        u->addLayout(grupy, 2, 0, 1, 6);
        // The value of a simple constant takes the row of a computed constant's argument
        // (only one kind is shown at a time).
        u->addWidget(m_lWartosc, 4, 0);
        u->addWidget(m_wartosc, 4, 1, 1, 5);
        u->addWidget(m_lArgKod, 4, 0);
        u->addWidget(m_argKod, 4, 1);
        u->addWidget(m_lArgNazwa, 4, 2, 1, 2, Qt::AlignRight);
        u->addWidget(m_argNazwa, 4, 4, 1, 2);
        u->addWidget(m_lA, 5, 0);
        u->addWidget(m_a, 5, 1, 1, 2);
        u->addWidget(m_lB, 5, 3, Qt::AlignRight);
        u->addWidget(m_b, 5, 4, 1, 2);
        u->addWidget(m_lJedn, 6, 0);
        u->addWidget(m_jedn, 6, 1, 1, 2);
        u->addWidget(m_lOpis, 7, 0, Qt::AlignTop);
        u->addWidget(m_opis, 7, 1, 1, 5);
        u->addWidget(m_lPyt, 8, 0, Qt::AlignTop);
        u->addWidget(m_pyt, 8, 1, 1, 5);
        u->setColumnStretch(5, 1);
    }

    m_szukajWolnego = new QPushButton(QStringLiteral("Wyszukaj wolny kod"), this);
    m_lWolnyKod = etykieta(QStringLiteral("Wolny kod stałej:"), this);
    m_wolnyKod = pole(this, QStringLiteral("wolnyKod"), 100, true);
    m_lSzukany = etykieta(QStringLiteral("Podaj kod stałej do wyszukania rekordu:"), this);
    m_szukany = pole(this, QStringLiteral("szukanyKod"), 100);
    m_szukajRekordu = new QPushButton(QStringLiteral("Wyszukaj rekord"), this);
    m_szukajRekordu->setObjectName(QStringLiteral("wyszukajRekord"));
    connect(m_szukajWolnego, &QPushButton::clicked, this, [this] { szukajWolnegoKodu(Tabela::Stale, m_wolnyKod); });
    connect(m_szukajRekordu, &QPushButton::clicked, this, [this] {
        szukajKodu(m_stale, QStringLiteral("IdStala"), m_szukany->text(),
                   QStringLiteral("Nie podałeś kodu stałej do wyszukania."), QStringLiteral("Zła postać kodu stałej. Popraw."),
                   QStringLiteral("Rekordu o wskazanym kodzie stałej w tabeli nie znaleziono."));
    });
    auto *pomocnicze =
        ukladWyszukiwania(m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany, m_szukajRekordu);
    auto *dol = new QHBoxLayout;
    dol->addWidget(szczegoly, 1);
    dol->addLayout(pomocnicze);

    // The fields of a simple and of a computed constant keep their place whichever is shown.
    zachowajMiejsce({m_lWartosc, m_wartosc, m_lArgKod, m_argKod, m_lArgNazwa, m_argNazwa, m_typArg, m_lA, m_a, m_lB,
                     m_b, m_lJedn, m_jedn});
    auto *uklad = ulozPrzegladanie();
    uklad->addLayout(dol);
    resize(1150, 860);

    ustawWidocznosc();
    kolorujZawsze(&TFormTabStale::ZmiaKolFormTabStale);
}

QStringList TFormTabStale::naglowkiRekordow() const
{
    return {QStringLiteral("Kod stałej"), QStringLiteral("Kod systemu"), QStringLiteral("Nazwa stałej"),
            QStringLiteral("Rodzaj stałej"), QStringLiteral("Typ stałej"),
            QStringLiteral("Jednostka wartości stałej"), QStringLiteral("Wartość stałej prostej"),
            QStringLiteral("Kod argumentu stałej obliczanej"), QStringLiteral("Parametr A"),
            QStringLiteral("Parametr B"), QStringLiteral("Opis stałej"),
            QStringLiteral("Instrukcja wprowadzania wartości"), QStringLiteral("Data wygenerowania rekordu")};
}

void TFormTabStale::poPrzewinieciu()
{
    if (m_stale->wartosc(QStringLiteral("RodzStala")).toString() == slowa::Obliczana)
        wczytajArgumenty(m_stale->wartosc(QStringLiteral("KodSyst")));
    pokazArgument();
    ustawWidocznosc();
}

void TFormTabStale::przedOtwarciem() { m_naw->ustawPrzyciski(Nawigator::wszystkie()); }

void TFormTabStale::poZmianieWidoku(bool wszystkie)
{
    if (wszystkie) {
        std::vector<PrzyciskNaw> bezWstawiania = Nawigator::wszystkie();
        std::erase(bezWstawiania, PrzyciskNaw::Wstaw);
        m_naw->ustawPrzyciski(bezWstawiania);
    } else {
        m_naw->ustawPrzyciski(Nawigator::wszystkie());
    }
}

void TFormTabStale::wczytajArgumenty(const QVariant &kodSyst)
{
    m_argumenty.clear();
    m_k.baza.synchronizuj();
    // A view without a knowledge base offers no argument.
    if (!kodSyst.isNull())
        faktyDoWyboru(m_k.baza, kodSyst.toInt(), WyborFaktow::ArgumentyStalych, m_argumenty);
    m_wypelniamArgumenty = true;
    m_argKod->clear();
    m_argNazwa->clear();
    for (const TPozycjaListy &a : m_argumenty) {
        m_argKod->addItem(intNaTekst(a.kod));
        m_argNazwa->addItem(a.tekst);
    }
    m_wypelniamArgumenty = false;
}

void TFormTabStale::pokazArgument()
{
    const QVariant kod = m_stale->wartosc(QStringLiteral("KodArgStala"));
    int pozycja = -1;
    for (int i = 0; i < m_argumenty.size(); ++i)
        if (!kod.isNull() && m_argumenty[i].kod == kod.toInt())
            pozycja = i;
    m_wypelniamArgumenty = true;
    m_argKod->setCurrentIndex(pozycja);
    m_argNazwa->setCurrentIndex(pozycja);
    m_wypelniamArgumenty = false;
    m_typArg->ustawWybor(pozycja >= 0 ? m_argumenty[pozycja].typ : QString());
}

void TFormTabStale::wybierzArgument(int pozycja)
{
    if (m_wypelniamArgumenty || pozycja < 0 || pozycja >= m_argumenty.size())
        return;
    if (!m_stale->ustawWartosc(QStringLiteral("KodArgStala"), m_argumenty[pozycja].kod))
        return;
    pokazArgument();
}

void TFormTabStale::ustawWidocznosc()
{
    const bool obliczana = m_stale->wartosc(QStringLiteral("RodzStala")).toString() == slowa::Obliczana;
    const bool logiczna = m_stale->wartosc(QStringLiteral("TypStala")).toString() == slowa::Logiczna;
    m_lWartosc->setVisible(!obliczana);
    m_wartosc->setVisible(!obliczana);
    for (QWidget *w : {static_cast<QWidget *>(m_lArgKod), static_cast<QWidget *>(m_argKod),
                       static_cast<QWidget *>(m_lArgNazwa), static_cast<QWidget *>(m_argNazwa),
                       static_cast<QWidget *>(m_typArg)})
        w->setVisible(obliczana);
    for (QWidget *w : std::initializer_list<QWidget *>{m_lA, m_a, m_lB, m_b})
        w->setVisible(obliczana && !logiczna);
    m_lJedn->setVisible(!logiczna);
    m_jedn->setVisible(!logiczna);
}

void TFormTabStale::poAkcjiNawigatora(PrzyciskNaw p)
{
    if (p == PrzyciskNaw::Wstaw) {
        m_data->clear();
        auto ustaw = [this](const char *kol, const QVariant &v) { m_stale->ustawWartosc(QLatin1String(kol), v); };
        ustaw("DataRek", GenDataRek());
        ustaw("RodzStala", slowa::Prosta);
        ustaw("TypStala", slowa::Calkowita);
        ustaw("WartStalaProsta", QStringLiteral("0"));
        ustaw("WartParAStala", QStringLiteral("1"));
        ustaw("WartParBStala", QStringLiteral("0"));
        ustaw("KodSyst", m_wgSyst->idSyst());
        wczytajArgumenty(m_wgSyst->idSyst());
        if (m_argumenty.isEmpty()) {
            ustaw("KodArgStala", 1);
            pokazKomunikat(QStringLiteral("Możliwe jest wygenerowanie tylko stałej prostej. Tabela faktów aktywnej bazy "
                                          "wiedzy nie zawiera faktów kwalifikujących się jako argument stałych "
                                          "obliczanych."),
                           this);
        } else {
            ustaw("KodArgStala", m_argumenty.first().kod);
        }
        pokazArgument();
        ustawWidocznosc();
        return;
    }
    if (p == PrzyciskNaw::Zatwierdz && !widokWszystkich()) {
        if (const auto r = rekordOKluczu(m_k.baza, Tabela::Stale, m_stale->kluczZapisanego())) {
            const TRekStala stala = TRekStala::z(*r);
            if (const auto k = kontrolaStalej(stala, faktOKodzie(m_k.baza, stala.KodArgStala)))
                pokazKomunikat(*k, this);
        }
    }
    pokazDate(m_data, m_stale);
}

void TFormTabStale::ZmiaKolFormTabStale(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne,
                   {m_wgSyst->grupa(), m_lKod, m_kod, m_lKodSystStala, m_kodSystStala, m_lNazwa, m_nazwa, m_rodzaj, m_typ, m_lJedn,
                    m_jedn, m_lWartosc, m_wartosc, m_lA, m_a, m_lB, m_b, m_lArgKod, m_argKod, m_lArgNazwa, m_argNazwa,
                    m_lOpis, m_opis, m_lPyt, m_pyt});
    zastosujKolory(k, Rola::Bierne,
                   {m_wgSyst->etykietaKodu(), m_wgSyst->kod(), m_wgSyst->etykietaNazwy(), m_wgSyst->nazwa(), m_wgSyst->siatka(), m_siatka, m_typArg, m_lData, m_data});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_wgSyst->nawigator(), m_naw, m_szukajWolnego, m_lWolnyKod, m_wolnyKod, m_lSzukany, m_szukany,
                    m_szukajRekordu, przyciskOk(), przyciskPomoc()});
}

} // namespace tremida::gui
