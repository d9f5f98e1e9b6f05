#include "TFormKonfig.h"

#include "Kolory.h"
#include "Komunikat.h"
#include "KontekstAplikacji.h"
#include "app/PlikKonfig.h"

#include "widgets/Ekran.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

enum Parametr {
    MaxPozReg, CzyOdpalUwzgl, CzyTylkoOdpal, TNormaIloczyn, SNormaSuma, SNormaKonkl, ProgCF, PrzyrostCF,
    CzyPelnaWeryf, KolCzcCzyn, KolCzcBier, KolCzcPomoc, KolTlaCzyn, KolTlaBier, KolTlaPomoc, MetaReg,
};

const char *const Podpisy[TFormKonfig::LiczbaParametrow] = {
    "Maksymalna liczba poziomów reguł",
    "Czy \"odpalona\" reguła bierze nadal udział w proce- sie wnioskowania?",
    "Czy prezentować tylko \"odpalone\" reguły, wizuali- zując trajektorię wnioskowania?",
    "T-norma logiczna dla obliczenia CF iloczynu logicz- nego przesłanek",
    "S-norma logiczna dla obliczenia CF sumy logicznej przesłanek",
    "S-norma logiczna dla obliczenia zagregowanego CF konkluzji z dwóch \"odpalonych\" reguł",
    "Progowa wartość CF wymagana dla \"odpalenia\" reguły (liczba rzeczywista z przedziału [0,1] z przecinkiem "
    "dziesiętnym) ",
    "Znaczący przyrost CF decydujący o nowej iteracji procesu wnioskowania (jw.)",
    "Czy przed startem procesu wnioskowania przepro- wadzać pełną weryfikację spójności bazy wiedzy?",
    "Kolor czcionki danych czynnych",
    "Kolor czcionki danych biernych",
    "Kolor czcionki danych pomocnicz.",
    "Kolor tła danych czynnych",
    "Kolor tła danych biernych",
    "Kolor tła danych pomocniczych",
    "Metareguła kolejności \"odpalania\" reguł.  ",
};

// The folder of the configuration file: that of the open database, else the context's.
QString folderKonfiguracji(const KontekstAplikacji &k)
{
    return k.baza.folder().isEmpty() ? k.folder : k.baza.folder();
}

bool czyPoleEdycji(int p) { return p == MaxPozReg || p == ProgCF || p == PrzyrostCF; }

// The items of a parameter's list.
QStringList pozycjeListy(int p)
{
    switch (p) {
    case CzyOdpalUwzgl:
    case CzyTylkoOdpal:
    case CzyPelnaWeryf: return konfig::PozycjeLogiczne;
    case TNormaIloczyn:
    case SNormaSuma:
    case SNormaKonkl: return konfig::Normy;
    case MetaReg: return konfig::MetaReguly;
    default: return konfig::nazwyKolorow();
    }
}

// The own values as an array of texts (edit fields) and list indexes, in parameter order.
struct Pola {
    std::array<QString, TFormKonfig::LiczbaParametrow> tekst;
    std::array<int, TFormKonfig::LiczbaParametrow> indeks{};
};

Pola rozloz(const TWartWlasneKonfig &w)
{
    Pola p;
    p.tekst[MaxPozReg] = w.MaxPozReg;
    p.tekst[ProgCF] = w.ProgCF;
    p.tekst[PrzyrostCF] = w.PrzyrostCF;
    p.indeks = {-1,           w.CzyOdpalUwzgl, w.CzyTylkoOdpal, w.TNormaIloczyn, w.SNormaSuma, w.SNormaKonkl,
                -1,           -1,              w.CzyPelnaWeryf, w.KolCzcCzyn,    w.KolCzcBier, w.KolCzcPomoc,
                w.KolTlaCzyn, w.KolTlaBier,    w.KolTlaPomoc,   w.MetaReg};
    return p;
}

TWartWlasneKonfig zloz(const Pola &p)
{
    TWartWlasneKonfig w;
    w.MaxPozReg = p.tekst[MaxPozReg];
    w.ProgCF = p.tekst[ProgCF];
    w.PrzyrostCF = p.tekst[PrzyrostCF];
    w.CzyOdpalUwzgl = p.indeks[CzyOdpalUwzgl];
    w.CzyTylkoOdpal = p.indeks[CzyTylkoOdpal];
    w.TNormaIloczyn = p.indeks[TNormaIloczyn];
    w.SNormaSuma = p.indeks[SNormaSuma];
    w.SNormaKonkl = p.indeks[SNormaKonkl];
    w.CzyPelnaWeryf = p.indeks[CzyPelnaWeryf];
    w.KolCzcCzyn = p.indeks[KolCzcCzyn];
    w.KolCzcBier = p.indeks[KolCzcBier];
    w.KolCzcPomoc = p.indeks[KolCzcPomoc];
    w.KolTlaCzyn = p.indeks[KolTlaCzyn];
    w.KolTlaBier = p.indeks[KolTlaBier];
    w.KolTlaPomoc = p.indeks[KolTlaPomoc];
    w.MetaReg = p.indeks[MetaReg];
    return w;
}

} // namespace

TFormKonfig::TFormKonfig(KontekstAplikacji &k, QWidget *rodzic) : QDialog(rodzic), m_kontekst(k)
{
    setObjectName(QStringLiteral("TFormKonfig"));
    setWindowTitle(QStringLiteral("KONFIGURACJA APLIKACJI"));

    const Pola standard = rozloz(wlasneStandardowe());
    auto grupa = [this](const QString &tytul) {
        auto *g = new QGroupBox(tytul, this);
        auto *siatka = new QGridLayout(g);
        siatka->setColumnMinimumWidth(0, 330);
        siatka->setColumnMinimumWidth(1, 160);
        siatka->setColumnMinimumWidth(2, 360);
        siatka->setColumnStretch(0, 1);
        auto *nStd = new QLabel(QStringLiteral("Wartość standardowa"), g);
        auto *nWl = new QLabel(QStringLiteral("Wartość własna użytkownika"), g);
        m_naglowkiStandardowe << nStd;
        m_naglowkiWlasne << nWl;
        siatka->addWidget(nStd, 0, 1);
        siatka->addWidget(nWl, 0, 2);
        m_grupy << g;
        return g;
    };
    QGroupBox *wnioskowanie = grupa(QStringLiteral("PARAMETRY PROCESU WNIOSKOWANIA"));
    QGroupBox *kolory = grupa(QStringLiteral("KOLORY CZCIONEK I TŁA KOMPONENTÓW"));

    for (int p = 0; p < LiczbaParametrow; ++p) {
        QGroupBox *g = (p >= KolCzcCzyn && p <= KolTlaPomoc) ? kolory : wnioskowanie;
        auto *siatka = static_cast<QGridLayout *>(g->layout());
        const int wiersz = siatka->rowCount();
        // A caption hyphenated for a line break breaks there, so the hyphen never stands
        // mid-line; the others wrap where the width ends.
        QString podpis = QString::fromUtf8(Podpisy[p]);
        const bool przeniesienie = podpis.contains(QStringLiteral("- "));
        podpis.replace(QStringLiteral("- "), QStringLiteral("-\n"));
        auto *etykieta = new QLabel(podpis, g);
        etykieta->setWordWrap(!przeniesienie);
        // A wrapped caption gets the height of all its lines, so that no line is cut off.
        etykieta->setMinimumWidth(330);
        etykieta->setMinimumHeight(przeniesienie ? etykieta->sizeHint().height() : etykieta->heightForWidth(330));
        auto *std = new QLineEdit(g);
        std->setReadOnly(true);
        std->setFocusPolicy(Qt::NoFocus);
        std->setText(czyPoleEdycji(p) ? standard.tekst[static_cast<size_t>(p)]
                                      : pozycjeListy(p).value(standard.indeks[static_cast<size_t>(p)]));
        std->setCursorPosition(0);
        QWidget *wlasna;
        if (czyPoleEdycji(p)) {
            wlasna = new QLineEdit(g);
        } else {
            auto *lista = new QComboBox(g);
            lista->addItems(pozycjeListy(p));
            lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            lista->setMinimumContentsLength(12);
            wlasna = lista;
        }
        etykieta->setBuddy(wlasna);
        if (p == MetaReg) {
            // The meta-rule texts are long: both values get the width of two columns.
            siatka->addWidget(etykieta, wiersz, 0, 2, 1);
            siatka->addWidget(std, wiersz, 1, 1, 2);
            siatka->addWidget(wlasna, wiersz + 1, 1, 1, 2);
        } else {
            siatka->addWidget(etykieta, wiersz, 0);
            siatka->addWidget(std, wiersz, 1);
            siatka->addWidget(wlasna, wiersz, 2);
        }
        m_etykiety[static_cast<size_t>(p)] = etykieta;
        m_standardowe[static_cast<size_t>(p)] = std;
        m_wlasne[static_cast<size_t>(p)] = wlasna;
    }

    m_zastStd = new QPushButton(QStringLiteral("Zastosuj standardowe"), this);
    m_przepiszStd = new QPushButton(QStringLiteral("Przepisz standardowe do własnych"), this);
    m_zapisz = new QPushButton(QStringLiteral("Zapisz własne do pliku"), this);
    m_czytaj = new QPushButton(QStringLiteral("Czytaj własne z pliku"), this);
    m_zastWlasne = new QPushButton(QStringLiteral("Zastosuj własne"), this);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_ok->setDefault(true);
    connect(m_zastStd, &QPushButton::clicked, this, &TFormKonfig::zastosujStandardowe);
    connect(m_przepiszStd, &QPushButton::clicked, this, &TFormKonfig::przepiszStandardoweDoWlasnych);
    connect(m_zapisz, &QPushButton::clicked, this, &TFormKonfig::zapiszWlasneDoPliku);
    connect(m_czytaj, &QPushButton::clicked, this, &TFormKonfig::czytajWlasneZPliku);
    connect(m_zastWlasne, &QPushButton::clicked, this, &TFormKonfig::zastosujWlasne);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_kontekst.polaczPomoc(m_pomoc, QStringLiteral("13.1"));

    // One row of buttons, OK and "Pomoc" at its end, so that the dialog fits a laptop screen.
    auto *akcje = new QHBoxLayout;
    for (QPushButton *b : {m_zastStd, m_przepiszStd, m_zapisz, m_czytaj, m_zastWlasne})
        akcje->addWidget(b);
    akcje->addSpacing(16);
    akcje->addWidget(m_ok);
    akcje->addWidget(m_pomoc);
    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(wnioskowanie);
    uklad->addWidget(kolory);
    uklad->addLayout(akcje);

    ustawWlasne(wlasneZParametrow(k.konfig));
    ZmiaKolFormKonfig(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this, [this] { ZmiaKolFormKonfig(m_kontekst.konfig); });
}

QLineEdit *TFormKonfig::poleWlasne(int parametr) const
{
    return czyPoleEdycji(parametr) ? static_cast<QLineEdit *>(m_wlasne[static_cast<size_t>(parametr)]) : nullptr;
}

QComboBox *TFormKonfig::listaWlasna(int parametr) const
{
    return czyPoleEdycji(parametr) ? nullptr : static_cast<QComboBox *>(m_wlasne[static_cast<size_t>(parametr)]);
}

TWartWlasneKonfig TFormKonfig::wlasne() const
{
    Pola p;
    for (int i = 0; i < LiczbaParametrow; ++i) {
        if (QLineEdit *pole = poleWlasne(i))
            p.tekst[static_cast<size_t>(i)] = pole->text();
        else
            p.indeks[static_cast<size_t>(i)] = listaWlasna(i)->currentIndex();
    }
    return zloz(p);
}

void TFormKonfig::ustawWlasne(const TWartWlasneKonfig &w)
{
    const Pola p = rozloz(w);
    for (int i = 0; i < LiczbaParametrow; ++i) {
        if (QLineEdit *pole = poleWlasne(i))
            pole->setText(p.tekst[static_cast<size_t>(i)]);
        else
            listaWlasna(i)->setCurrentIndex(p.indeks[static_cast<size_t>(i)]);
    }
}

void TFormKonfig::zastosujStandardowe()
{
    m_kontekst.konfig = TParKonfig{};
    m_kontekst.zastosujKoloryWszedzie();
    pokazKomunikat(konfig::KomZastosowanoStandardowe, this);
}

void TFormKonfig::przepiszStandardoweDoWlasnych() { ustawWlasne(wlasneStandardowe()); }

void TFormKonfig::zapiszWlasneDoPliku()
{
    tremida::zapiszWlasneDoPliku(wlasne(), folderKonfiguracji(m_kontekst),
                                 [this](const QString &t) { pokazKomunikat(t, this); });
}

void TFormKonfig::czytajWlasneZPliku()
{
    TWartWlasneKonfig w = wlasne();
    if (tremida::czytajWlasneZPliku(w, folderKonfiguracji(m_kontekst),
                                    [this](const QString &t) { pokazKomunikat(t, this); }))
        ustawWlasne(w);
}

void TFormKonfig::zastosujWlasne()
{
    const TWartWlasneKonfig w = wlasne();
    if (const auto blad = sprawdzWlasne(w, false)) {
        pokazKomunikat(*blad, this);
        return;
    }
    m_kontekst.konfig = parametryZWlasnych(w);
    m_kontekst.zastosujKoloryWszedzie();
    pokazKomunikat(konfig::KomZastosowanoWlasne, this);
}

void TFormKonfig::ZmiaKolFormKonfig(const TParKonfig &konfig)
{
    for (int i = 0; i < LiczbaParametrow; ++i) {
        zastosujKolory(konfig, Rola::Czynne, {m_etykiety[static_cast<size_t>(i)], m_wlasne[static_cast<size_t>(i)]});
        zastosujKolory(konfig, Rola::Bierne, {m_standardowe[static_cast<size_t>(i)]});
    }
    for (QLabel *n : m_naglowkiStandardowe)
        zastosujKolory(konfig, Rola::Bierne, {n});
    for (QLabel *n : m_naglowkiWlasne)
        zastosujKolory(konfig, Rola::Czynne, {n});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_zastStd, m_przepiszStd, m_zapisz, m_czytaj, m_zastWlasne, m_ok, m_pomoc});
}

} // namespace tremida::gui
