#include "TFormEdytorReg.h"

#include "TFormTabReg.h"
#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "manual/Instrukcja.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"
#include "widgets/Kontrolki.h"

#include "widgets/Ekran.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

const QString CzlonPrzes = QStringLiteral("pola przesłankowego");
const QString CzlonKonkl = QStringLiteral("konkluzji");
const QString Spacja = QStringLiteral("spacja");
const QString ZmianaWiersza = QStringLiteral("zmiana wiersza");
const QStringList Porownania = {QStringLiteral(">"), QStringLiteral(">="), QStringLiteral("<"), QStringLiteral("<="),
                                QStringLiteral("=")};

QLabel *napis(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QListWidget *lista(const QString &nazwa, int szerokosc, QWidget *rodzic)
{
    auto *l = new QListWidget(rodzic);
    l->setObjectName(nazwa);
    l->setFixedHeight(84);
    if (szerokosc > 0)
        l->setFixedWidth(szerokosc);
    else
        l->setMinimumWidth(260);
    return l;
}

} // namespace

TFormEdytorReg::TFormEdytorReg(KontekstAplikacji &k, TFormTabReg *tabela)
    : QWidget(tabela, Qt::Window), m_k(k), m_tabela(tabela)
{
    setObjectName(QStringLiteral("TFormEdytorReg"));
    setWindowTitle(QStringLiteral("EDYTOR REGUŁY"));

    // --- the two texts and the target part
    m_lPrzes = napis(QStringLiteral("IF (tekst pola przesłankowego):"), this);
    m_edPrzes = new QPlainTextEdit(this);
    m_edPrzes->setObjectName(QStringLiteral("edycjaPrzes"));
    m_lKonkl = napis(QStringLiteral("THEN (tekst kon-\nkluzji):"), this);
    m_edKonkl = new QPlainTextEdit(this);
    m_edKonkl->setObjectName(QStringLiteral("edycjaKonkl"));
    m_edKonkl->setMaximumHeight(60);
    for (QPlainTextEdit *e : {m_edPrzes, m_edKonkl}) {
        // Where the user left the cursor is where "kursora" inserts.
        auto zapamietaj = [this, e] {
            if (!m_zmieniam) {
                const QTextCursor c = e->textCursor();
                zapamietajKursor(c.selectionStart(), c.selectionEnd() - c.selectionStart());
            }
        };
        connect(e, &QPlainTextEdit::cursorPositionChanged, this, zapamietaj);
        connect(e, &QPlainTextEdit::selectionChanged, this, zapamietaj);
        e->installEventFilter(this);
    }
    m_czlonGrupa = new GrupaRadiowa(QStringLiteral("Generowanie/edycja członu reguły:"), {CzlonPrzes, CzlonKonkl}, 1, this);
    m_czlonGrupa->setObjectName(QStringLiteral("czlon"));
    connect(m_czlonGrupa, &GrupaRadiowa::wybrano, this,
            [this](const QString &s) { ustawCzlon(s == CzlonKonkl ? Czlon::Konkl : Czlon::Przes); });

    // --- elements
    m_elementy = new QGroupBox(QStringLiteral("ELEMENTY SKŁADNI REGUŁY"), this);
    auto pasek = [this](const QString &nazwa, QLabel *&etykieta, const QString &tytul, QWidget *lista1, QWidget *lista2,
                        const QString &przedrostek, std::function<void(Miejsce)> wstawianie) {
        auto *w = new QWidget(m_elementy);
        w->setObjectName(nazwa);
        etykieta = napis(tytul, w);
        // One width for every row, so that the lists stand one under another.
        etykieta->setFixedWidth(240);
        etykieta->setWordWrap(true);
        auto *u = new QHBoxLayout(w);
        u->setContentsMargins(0, 0, 0, 0);
        u->addWidget(etykieta);
        auto *lewy = napis(QStringLiteral("["), w);
        auto *prawy = napis(QStringLiteral("]"), w);
        m_nawiasy << lewy << prawy;
        u->addWidget(lewy);
        if (lista1) {
            lista1->setParent(w);
            u->addWidget(lista1);
        }
        lista2->setParent(w);
        u->addWidget(lista2, 1);
        u->addWidget(prawy);
        auto *kursora = new QPushButton(QStringLiteral("kursora"), w);
        kursora->setObjectName(przedrostek + QStringLiteral("Kursora"));
        auto *konca = new QPushButton(QStringLiteral("końca"), w);
        konca->setObjectName(przedrostek + QStringLiteral("Konca"));
        connect(kursora, &QPushButton::clicked, this, [wstawianie] { wstawianie(Miejsce::Kursor); });
        connect(konca, &QPushButton::clicked, this, [wstawianie] { wstawianie(Miejsce::Koniec); });
        m_przyciskiElementow << kursora << konca;
        u->addWidget(kursora);
        u->addWidget(konca);
        return w;
    };
    m_faktyKody = lista(QStringLiteral("faktyKody"), 70, m_elementy);
    m_faktyNazwy = lista(QStringLiteral("faktyNazwy"), 0, m_elementy);
    m_wartKody = lista(QStringLiteral("wartosciKody"), 70, m_elementy);
    m_wartNazwy = lista(QStringLiteral("wartosciNazwy"), 0, m_elementy);
    m_staleKody = lista(QStringLiteral("staleKody"), 70, m_elementy);
    m_staleNazwy = lista(QStringLiteral("staleNazwy"), 0, m_elementy);
    m_literal = new QLineEdit(m_elementy);
    m_literal->setObjectName(QStringLiteral("literal"));
    m_literal->installEventFilter(this);
    connect(m_literal, &QLineEdit::textEdited, this, &TFormEdytorReg::wybierzLiteral);
    m_pasekFakty = pasek(QStringLiteral("pasekFaktow"), m_lFakty, QStringLiteral("Kod i nazwa faktu"), m_faktyKody,
                         m_faktyNazwy, QStringLiteral("fakt"), [this](Miejsce m) { wstawFakt(m); });
    m_pasekWart = pasek(QStringLiteral("pasekWartosci"), m_lWart,
                        QStringLiteral("Kod wartości i wartość faktu wyliczeniowego"), m_wartKody, m_wartNazwy,
                        QStringLiteral("wartosc"), [this](Miejsce m) { wstawWartosc(m); });
    m_pasekStale = pasek(QStringLiteral("pasekStalych"), m_lStale, QStringLiteral("Kod i nazwa stałej"), m_staleKody,
                         m_staleNazwy, QStringLiteral("stala"), [this](Miejsce m) { wstawStala(m); });
    m_pasekLiteral = pasek(QStringLiteral("pasekLiteralu"), m_lLiteral,
                           QStringLiteral("Wartość stała (jeśli rze-\nczywista to z przecin-\nkiem dziesiętnym)"), nullptr,
                           m_literal, QStringLiteral("literal"), [this](Miejsce m) { wstawLiteral(m); });
    for (auto [kody, teksty, wybor] :
         {std::tuple{m_faktyKody, m_faktyNazwy, &TFormEdytorReg::wybierzFakt},
          std::tuple{m_wartKody, m_wartNazwy, &TFormEdytorReg::wybierzWartosc},
          std::tuple{m_staleKody, m_staleNazwy, &TFormEdytorReg::wybierzStala}}) {
        for (QListWidget *l : {kody, teksty})
            connect(l, &QListWidget::currentRowChanged, this, [this, wybor](int w) {
                if (!m_zmieniam)
                    (this->*wybor)(w);
            });
    }
    {
        // The values of an enumerated fact take the place of the constants of the other types,
        // and every row keeps its place when hidden, so that the fact's row and the buttons
        // below do not move with the type of the fact chosen.
        auto *u = new QGridLayout(m_elementy);
        u->addWidget(napis(QStringLiteral("Element wprowadź do pola przesłankowego/konkluzji od:"), m_elementy), 0, 0,
                     Qt::AlignRight);
        u->addWidget(m_pasekFakty, 1, 0);
        u->addWidget(m_pasekWart, 2, 0);
        u->addWidget(m_pasekStale, 2, 0);
        u->addWidget(m_pasekLiteral, 3, 0);
        zachowajMiejsce({m_pasekWart, m_pasekStale, m_pasekLiteral});
    }

    // --- operators and parentheses
    m_operatoryGrupa = new QGroupBox(QStringLiteral("Operatory i nawiasy"), this);
    m_grupaOperatorow = new QButtonGroup(this);
    auto *uo = new QHBoxLayout(m_operatoryGrupa);
    for (const QString &t : {QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("("), QStringLiteral(")"),
                             QStringLiteral("NOT"), Spacja, QStringLiteral(">"), QStringLiteral(">="), QStringLiteral("<"),
                             QStringLiteral("<="), QStringLiteral("="), ZmianaWiersza}) {
        auto *p = new QPushButton(t, m_operatoryGrupa);
        p->setObjectName(QStringLiteral("operator ") + t);
        p->setCheckable(true);
        m_grupaOperatorow->addButton(p);
        m_operatory.insert(t, p);
        connect(p, &QPushButton::clicked, this, [this, t] { wybierzOperator(t); });
        uo->addWidget(p);
    }
    uo->addSpacing(12);
    m_opKursora = new QPushButton(QStringLiteral("kursora"), m_operatoryGrupa);
    m_opKursora->setObjectName(QStringLiteral("operatorKursora"));
    m_opKonca = new QPushButton(QStringLiteral("końca"), m_operatoryGrupa);
    m_opKonca->setObjectName(QStringLiteral("operatorKonca"));
    connect(m_opKursora, &QPushButton::clicked, this, [this] { wstawOczekujacy(Miejsce::Kursor); });
    connect(m_opKonca, &QPushButton::clicked, this, [this] { wstawOczekujacy(Miejsce::Koniec); });
    uo->addWidget(m_opKursora);
    uo->addWidget(m_opKonca);
    // Operators the fact's type does not allow leave their place empty.
    for (QPushButton *p : std::as_const(m_operatory))
        zachowajMiejsce({p});

    // --- bottom buttons
    m_kopiujCalosc = new QPushButton(QStringLiteral("Kopiuj całość tekstu reguły. Wróć do tabeli reguł. "), this);
    m_kopiujPrzes = new QPushButton(QStringLiteral("Kopiuj tylko pole przesłankowe reguły"), this);
    m_kopiujKonkl = new QPushButton(QStringLiteral("Kopiuj tylko konkluzję reguły"), this);
    m_zamknij = new QPushButton(QStringLiteral("Zamknij edytor. Wróć do tabeli reguł"), this);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    connect(m_kopiujCalosc, &QPushButton::clicked, this, &TFormEdytorReg::kopiujCalosc);
    connect(m_kopiujPrzes, &QPushButton::clicked, this, &TFormEdytorReg::kopiujPrzes);
    connect(m_kopiujKonkl, &QPushButton::clicked, this, &TFormEdytorReg::kopiujKonkl);
    connect(m_zamknij, &QPushButton::clicked, this, &QWidget::hide);
    m_k.polaczPomoc(m_pomoc, QString::fromLatin1(pomoc::EdytorReg));

    auto *teksty = new QGridLayout;
    teksty->addWidget(m_lPrzes, 0, 0, Qt::AlignTop);
    teksty->addWidget(m_edPrzes, 0, 1);
    teksty->addWidget(m_czlonGrupa, 0, 2, 2, 1, Qt::AlignTop);
    teksty->addWidget(m_lKonkl, 1, 0, Qt::AlignTop);
    teksty->addWidget(m_edKonkl, 1, 1);
    teksty->setColumnStretch(1, 1);
    auto *przyciski = new QGridLayout;
    przyciski->addWidget(m_kopiujCalosc, 0, 0);
    przyciski->addWidget(m_kopiujPrzes, 0, 1);
    przyciski->addWidget(m_kopiujKonkl, 0, 2);
    przyciski->addWidget(m_zamknij, 1, 0, 1, 2);
    przyciski->addWidget(m_pomoc, 1, 2);
    auto *uklad = ukladPrzewijany(this);
    uklad->addLayout(teksty, 1);
    uklad->addWidget(m_elementy);
    uklad->addWidget(m_operatoryGrupa);
    uklad->addLayout(przyciski);
    zachowajMiejsce({m_elementy, m_operatoryGrupa});
    resize(1050, 720);

    m_czlonGrupa->ustawWybor(CzlonPrzes);
    ZmiaKolFormEdytorReg(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this, [this] { ZmiaKolFormEdytorReg(m_k.konfig); });
}

void TFormEdytorReg::otworz(const QString &przes, const QString &konkl, int kodSyst)
{
    m_kodSyst = kodSyst;
    m_zmieniam = true;
    m_edPrzes->setPlainText(przes);
    m_edKonkl->setPlainText(konkl);
    m_zmieniam = false;
    m_kursor = m_zaznaczenie = 0;
    ustawCzlon(Czlon::Przes);
    show();
    raise();
    activateWindow();
}

void TFormEdytorReg::ustawCzlon(Czlon c)
{
    m_czlon = c;
    m_czlonGrupa->ustawWybor(c == Czlon::Przes ? CzlonPrzes : CzlonKonkl);
    wczytajFakty();
    wybierzFakt(0);
}

QString TFormEdytorReg::tekstPrzes() const { return m_edPrzes->toPlainText(); }
QString TFormEdytorReg::tekstKonkl() const { return m_edKonkl->toPlainText(); }

QPlainTextEdit *TFormEdytorReg::cel() const { return m_czlon == Czlon::Przes ? m_edPrzes : m_edKonkl; }

void TFormEdytorReg::wczytajFakty()
{
    m_k.baza.synchronizuj();
    QString blad;
    if (!faktyDoWyboru(m_k.baza, m_kodSyst, m_czlon == Czlon::Konkl ? WyborFaktow::Konkluzje : WyborFaktow::Wszystkie,
                       m_fakty, &blad))
        pokazKomunikat(blad, this);
    wypelnij(m_faktyKody, m_faktyNazwy, m_fakty);
}

void TFormEdytorReg::wczytajWartosci(int idFakt)
{
    m_wartosci = wartosciDoWyboru(m_k.baza, idFakt);
    wypelnij(m_wartKody, m_wartNazwy, m_wartosci);
}

void TFormEdytorReg::wczytajStale(const QString &typStala)
{
    // Both lists are emptied together first, so a code never stands beside another name.
    m_stale = staleDoWyboru(m_k.baza, m_kodSyst, typStala);
    wypelnij(m_staleKody, m_staleNazwy, m_stale);
}

void TFormEdytorReg::wypelnij(QListWidget *kody, QListWidget *teksty, const QList<TPozycjaListy> &pozycje)
{
    const QSignalBlocker b1(kody), b2(teksty);
    kody->clear();
    teksty->clear();
    for (const TPozycjaListy &p : pozycje) {
        kody->addItem(intNaTekst(p.kod));
        teksty->addItem(p.tekst);
    }
    zaznacz(kody, teksty, pozycje.isEmpty() ? -1 : 0);
}

void TFormEdytorReg::zaznacz(QListWidget *kody, QListWidget *teksty, int pozycja)
{
    const QSignalBlocker b1(kody), b2(teksty);
    kody->setCurrentRow(pozycja);
    teksty->setCurrentRow(pozycja);
}

void TFormEdytorReg::wybierzFakt(int pozycja)
{
    if (pozycja < 0 || pozycja >= m_fakty.size()) {
        ustawWidocznosc();
        return;
    }
    zaznacz(m_faktyKody, m_faktyNazwy, pozycja);
    const QString typ = m_fakty[pozycja].typ;
    if (typ == slowa::Wyliczeniowy) {
        wczytajWartosci(m_fakty[pozycja].kod);
    } else {
        const QString typStala = typ == slowa::Rzeczywisty ? slowa::Rzeczywista
                                 : typ == slowa::Calkowity ? slowa::Calkowita
                                 : typ == slowa::Logiczny  ? slowa::Logiczna
                                                           : QString();
        wczytajStale(typStala);
    }
    ustawWidocznosc();
}

void TFormEdytorReg::wybierzWartosc(int pozycja)
{
    if (pozycja >= 0 && pozycja < m_wartosci.size())
        zaznacz(m_wartKody, m_wartNazwy, pozycja);
}

void TFormEdytorReg::wybierzStala(int pozycja)
{
    if (pozycja >= 0 && pozycja < m_stale.size())
        zaznacz(m_staleKody, m_staleNazwy, pozycja);
}

void TFormEdytorReg::ustawWidocznosc()
{
    const bool saFakty = !m_fakty.isEmpty();
    m_elementy->setVisible(saFakty);
    m_operatoryGrupa->setVisible(saFakty);
    if (!saFakty)
        return;
    const int w = std::max(m_faktyNazwy->currentRow(), 0);
    const QString typ = m_fakty.value(w).typ;
    const bool wyliczeniowy = typ == slowa::Wyliczeniowy;
    const bool przes = m_czlon == Czlon::Przes;
    m_pasekWart->setVisible(wyliczeniowy && !m_wartosci.isEmpty());
    m_pasekStale->setVisible(!wyliczeniowy && !m_stale.isEmpty());
    m_pasekLiteral->setVisible(!wyliczeniowy);
    QStringList porownania = {QStringLiteral("=")};
    if (przes && typ == slowa::Rzeczywisty)
        porownania = {QStringLiteral(">"), QStringLiteral(">="), QStringLiteral("<"), QStringLiteral("<=")};
    else if (przes && typ == slowa::Calkowity)
        porownania = Porownania;
    for (const QString &op : Porownania)
        m_operatory.value(op)->setVisible(porownania.contains(op));
    m_operatory.value(ZmianaWiersza)->setVisible(przes);
}

void TFormEdytorReg::zapamietajKursor(int pozycja, int dlugoscZaznaczenia)
{
    m_kursor = std::max(pozycja, 0);
    m_zaznaczenie = std::max(dlugoscZaznaczenia, 0);
}

void TFormEdytorReg::wstaw(const QString &element, Miejsce m)
{
    QPlainTextEdit *e = cel();
    QString tekst = e->toPlainText();
    if (m == Miejsce::Koniec) {
        tekst += element;
    } else {
        // A remembered cursor from a longer text stops at the end of this one.
        const int od = std::min(m_kursor, static_cast<int>(tekst.size()));
        const int do_ = std::min(od + m_zaznaczenie, static_cast<int>(tekst.size()));
        tekst = tekst.left(od) + element + tekst.mid(do_);
    }
    m_zmieniam = true;
    e->setPlainText(tekst);
    m_zmieniam = false;
}

void TFormEdytorReg::wstawZListy(const QList<TPozycjaListy> &pozycje, const QListWidget *lista, Miejsce m)
{
    const int w = lista->currentRow();
    if (w >= 0 && w < pozycje.size())
        wstaw(QLatin1Char('[') + pozycje[w].tekst + QLatin1Char(']'), m);
}

void TFormEdytorReg::wstawFakt(Miejsce m) { wstawZListy(m_fakty, m_faktyNazwy, m); }
void TFormEdytorReg::wstawWartosc(Miejsce m) { wstawZListy(m_wartosci, m_wartNazwy, m); }
void TFormEdytorReg::wstawStala(Miejsce m) { wstawZListy(m_stale, m_staleNazwy, m); }
void TFormEdytorReg::wstawLiteral(Miejsce m) { wstaw(QLatin1Char('[') + m_literal->text() + QLatin1Char(']'), m); }

void TFormEdytorReg::wybierzOperator(const QString &tekstPrzycisku)
{
    if (QPushButton *p = m_operatory.value(tekstPrzycisku))
        p->setChecked(true);
    if (tekstPrzycisku == ZmianaWiersza) {
        m_oczekujacy = Rodzaj::ZmianaWiersza;
        m_oczekujacyTekst.clear();
    } else {
        m_oczekujacy = Rodzaj::Tekst;
        m_oczekujacyTekst = tekstPrzycisku == Spacja ? QStringLiteral(" ") : tekstPrzycisku;
    }
}

void TFormEdytorReg::wybierzLiteral()
{
    m_oczekujacy = Rodzaj::Literal;
    m_oczekujacyTekst.clear();
    m_grupaOperatorow->setExclusive(false);
    for (QAbstractButton *b : m_grupaOperatorow->buttons())
        b->setChecked(false);
    m_grupaOperatorow->setExclusive(true);
}

void TFormEdytorReg::wstawOczekujacy(Miejsce m)
{
    switch (m_oczekujacy) {
    case Rodzaj::Brak: wstaw(QString(), m); break;
    case Rodzaj::Tekst: wstaw(m_oczekujacyTekst, m); break;
    case Rodzaj::Literal: wstawLiteral(m); break;
    case Rodzaj::ZmianaWiersza:
        // A conclusion is one line.
        if (m_czlon == Czlon::Przes)
            wstaw(QStringLiteral("\n"), m);
        break;
    }
}

bool TFormEdytorReg::eventFilter(QObject *obiekt, QEvent *zdarzenie)
{
    if (obiekt == m_literal && (zdarzenie->type() == QEvent::MouseButtonPress || zdarzenie->type() == QEvent::FocusIn))
        wybierzLiteral();
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void TFormEdytorReg::kopiujCalosc()
{
    const QString p = tekstPrzes(), k = tekstKonkl();
    if (!m_tabela->wpiszTekstyReguly(&p, &k))
        return;
    pokazKomunikat(QStringLiteral("Tekst reguły skopiowano do komponentów formularza tabeli reguł.\n\rAby zapisać tekst "
                                  "do rekordu tabeli musisz jeszcze zatwierdzić rekord na tym formularzu."),
                   this);
    hide();
}

void TFormEdytorReg::kopiujPrzes()
{
    const QString p = tekstPrzes();
    if (!m_tabela->wpiszTekstyReguly(&p, nullptr))
        return;
    pokazKomunikat(QStringLiteral("Tekst pola przesłankowego reguły skopiowano do komponentów formularza tabeli "
                                  "reguł.\n\rAby zapisać tekst do rekordu tabeli musisz jeszcze zatwierdzić rekord na "
                                  "tym formularzu."),
                   this);
}

void TFormEdytorReg::kopiujKonkl()
{
    const QString k = tekstKonkl();
    if (!m_tabela->wpiszTekstyReguly(nullptr, &k))
        return;
    pokazKomunikat(QStringLiteral("Tekst konkluzji reguły skopiowano do komponentów formularza tabeli reguł.\n\rAby "
                                  "zapisać tekst do rekordu tabeli musisz jeszcze zatwierdzić rekord na tym "
                                  "formularzu."),
                   this);
}

void TFormEdytorReg::ZmiaKolFormEdytorReg(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Czynne, {m_lPrzes, m_edPrzes, m_lKonkl, m_edKonkl, m_czlonGrupa});
    zastosujKolory(k, Rola::Bierne,
                   {m_elementy, m_lFakty, m_faktyKody, m_faktyNazwy, m_lWart, m_wartKody, m_wartNazwy, m_lStale,
                    m_staleKody, m_staleNazwy});
    zastosujKolory(k, Rola::Pomocnicze,
                   {m_lLiteral, m_literal, m_operatoryGrupa, m_opKursora, m_opKonca, m_kopiujCalosc, m_kopiujPrzes,
                    m_kopiujKonkl, m_zamknij, m_pomoc});
    for (QLabel *l : std::as_const(m_nawiasy))
        zastosujKolory(k, Rola::Bierne, {l});
    for (QPushButton *p : std::as_const(m_przyciskiElementow))
        zastosujKolory(k, Rola::Pomocnicze, {p});
    for (QPushButton *p : std::as_const(m_operatory))
        zastosujKolory(k, Rola::Pomocnicze, {p});
}

} // namespace tremida::gui
