#include "TFormCzytFaktWnios.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "inference/DostepWnios.h"
#include "manual/Instrukcja.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"
#include "widgets/Kontrolki.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

QLineEdit *tylkoDoOdczytu()
{
    auto *e = new QLineEdit;
    e->setReadOnly(true);
    return e;
}

const QStringList Wybory = {QStringLiteral("tak"), QStringLiteral("nie"), QStringLiteral("???")};

// A caption that takes the colours of the role of the data it names.
QLabel *etykieta(const QString &tekst, QList<QLabel *> &rola)
{
    auto *l = new QLabel(tekst);
    rola.append(l);
    return l;
}

} // namespace

TFormCzytFaktWnios::TFormCzytFaktWnios(KontekstAplikacji &kontekst, QWidget *rodzic)
    : QDialog(rodzic), m_kontekst(kontekst)
{
    setObjectName(QStringLiteral("TFormCzytFaktWnios"));
    setWindowTitle(QStringLiteral("PRZYPISYWANIE, W TRAKCIE PROCESU WNIOSKOWANIA, WARTOŚCI FAKTOWI WPROWADZANEMU O "
                                  "DOTYCHCZAS NIEPRZYPISANEJ WARTOŚCI"));
    setModal(true);

    m_kodSyst = tylkoDoOdczytu();
    m_kodSyst->setMaximumWidth(90);
    m_nazSyst = tylkoDoOdczytu();
    auto *system = new QHBoxLayout;
    system->addWidget(etykieta(QStringLiteral("Kod systemu:"), m_etBierne));
    system->addWidget(m_kodSyst);
    system->addWidget(etykieta(QStringLiteral("Nazwa systemu:"), m_etBierne));
    system->addWidget(m_nazSyst, 1);

    auto *parametry = m_parametry = new QGroupBox(QStringLiteral("PARAMETRY FAKTU"));
    auto *p = new QGridLayout(parametry);
    m_kodFakt = tylkoDoOdczytu();
    m_nazFakt = tylkoDoOdczytu();
    m_rodzFakt = tylkoDoOdczytu();
    m_typFakt = tylkoDoOdczytu();
    m_wielWart = tylkoDoOdczytu();
    m_liczWart = tylkoDoOdczytu();
    m_etWielWart = etykieta(QStringLiteral("Czy fakt jest jest wielowartościowy?"), m_etBierne);
    m_etLiczWart = etykieta(QStringLiteral("Liczba wartości: (20 max.)"), m_etBierne);
    m_opisFakt = new QPlainTextEdit;
    m_opisFakt->setReadOnly(true);
    m_opisFakt->setMaximumHeight(48);
    m_pytFakt = new QPlainTextEdit;
    m_pytFakt->setReadOnly(true);
    m_pytFakt->setMaximumHeight(48);
    p->addWidget(etykieta(QStringLiteral("Kod faktu:"), m_etBierne), 0, 0);
    p->addWidget(m_kodFakt, 0, 1);
    p->addWidget(etykieta(QStringLiteral("Nazwa faktu:"), m_etBierne), 0, 2);
    p->addWidget(m_nazFakt, 0, 3, 1, 3);
    p->addWidget(etykieta(QStringLiteral("Rodzaj faktu:"), m_etBierne), 1, 0);
    p->addWidget(m_rodzFakt, 1, 1);
    p->addWidget(etykieta(QStringLiteral("Typ faktu:"), m_etBierne), 1, 2);
    p->addWidget(m_typFakt, 1, 3);
    p->addWidget(m_etWielWart, 2, 0);
    p->addWidget(m_wielWart, 2, 1);
    p->addWidget(m_etLiczWart, 2, 2);
    p->addWidget(m_liczWart, 2, 3);
    p->addWidget(etykieta(QStringLiteral("Opis faktu:"), m_etBierne), 3, 0);
    p->addWidget(m_opisFakt, 3, 1, 1, 5);
    p->addWidget(etykieta(QStringLiteral("Instrukcja jak wprowadzić wartość faktu:"), m_etBierne), 4, 0);
    p->addWidget(m_pytFakt, 4, 1, 1, 5);

    m_skalar = new QGroupBox(QStringLiteral("FAKT RZECZYWISTY, CAŁKOWITY LUB LOGICZNY"));
    auto *s = new QFormLayout(m_skalar);
    m_jednostka = tylkoDoOdczytu();
    m_wartosc = new QLineEdit;
    m_wartosc->setObjectName(QStringLiteral("WartFakt"));
    m_cf = new QLineEdit;
    m_cf->setObjectName(QStringLiteral("CFWartFakt"));
    s->addRow(etykieta(QStringLiteral("Jednostka:"), m_etBierne), m_jednostka);
    s->addRow(etykieta(QStringLiteral("Wartość faktu  (jeśli faktu rzeczywistego, to liczba rzeczywista z przecinkiem "
                                      "dziesiętnym) :"),
                       m_etCzynne),
              m_wartosc);
    s->addRow(etykieta(QStringLiteral("CF (liczba rzeczywista z przedziału [0,1] z przecinkiem dziesiętnym) :"),
                       m_etCzynne),
              m_cf);

    m_wylicz = new QGroupBox(QStringLiteral("FAKT WYLICZENIOWY"));
    auto *w = new QVBoxLayout(m_wylicz);
    w->setSpacing(0);
    auto *naglowek = new QWidget;
    auto *un = new QHBoxLayout(naglowek);
    un->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 2; ++k) {
        auto *kod = etykieta(QStringLiteral("Kod wartości faktu"), m_etBierne);
        kod->setFixedWidth(60);
        kod->setWordWrap(true);
        un->addWidget(kod);
        un->addWidget(etykieta(QStringLiteral("Wartość faktu"), m_etBierne), 2);
        un->addWidget(etykieta(QStringLiteral("Czy przypisujesz faktowi tę wartość?"), m_etCzynne), 2);
        auto *cf = etykieta(QStringLiteral("CF"), m_etCzynne);
        cf->setFixedWidth(60);
        un->addWidget(cf);
    }
    w->addWidget(naglowek);
    for (int l = 0; l < LiczbaWierszy / 2; ++l) {
        auto *linia = new QWidget;
        linia->setFixedHeight(WysokoscLinii);
        auto *ul = new QHBoxLayout(linia);
        ul->setContentsMargins(0, 0, 0, 0);
        ul->setSpacing(4);
        for (int k = 0; k < 2; ++k) {
            Wiersz &r = m_wiersze[l * 2 + k];
            r.linia = linia;
            r.skladniki = new QWidget;
            // A hidden row keeps its half of the line, so an odd last row stays in its column.
            QSizePolicy sp = r.skladniki->sizePolicy();
            sp.setRetainSizeWhenHidden(true);
            r.skladniki->setSizePolicy(sp);
            auto *ur = new QHBoxLayout(r.skladniki);
            ur->setContentsMargins(0, 0, 0, 0);
            ur->setSpacing(4);
            r.kod = tylkoDoOdczytu();
            r.kod->setFixedWidth(60);
            r.wartosc = tylkoDoOdczytu();
            r.cf = new QLineEdit;
            r.cf->setFixedWidth(60);
            r.wybor = new QWidget;
            r.grupa = new QButtonGroup(r.wybor);
            auto *ug = new QHBoxLayout(r.wybor);
            ug->setContentsMargins(0, 0, 0, 0);
            for (int j = 0; j < 3; ++j) {
                auto *rb = new QRadioButton(Wybory[j]);
                r.grupa->addButton(rb, j);
                ug->addWidget(rb);
            }
            ur->addWidget(r.kod);
            ur->addWidget(r.wartosc, 2);
            ur->addWidget(r.wybor, 2);
            ur->addWidget(r.cf);
            ul->addWidget(r.skladniki, 1);
        }
        m_linie.append(linia);
        w->addWidget(linia);
    }

    m_ok = new QPushButton(QStringLiteral("Zamknięcie formularza przypisywania wartości faktowi i powrót do procesu "
                                          "wnioskowania"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));
    m_pomoc->setAutoDefault(false);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(m_ok, 1);
    przyciski->addWidget(m_pomoc);

    auto *uklad = ukladPrzewijany(this);
    uklad->addLayout(system);
    uklad->addWidget(parametry);
    uklad->addWidget(m_skalar);
    uklad->addWidget(m_wylicz);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);

    // The full size, with every row shown, is the size the enumerated section shrinks from;
    // a scalar fact has a size of its own.
    m_skalar->hide();
    m_szerokosc = 1000;
    m_wysokoscPelna = rozmiarWgTresci(this).height();
    m_skalar->show();
    for (QWidget *w : {static_cast<QWidget *>(m_wylicz), static_cast<QWidget *>(m_etWielWart),
                       static_cast<QWidget *>(m_wielWart), static_cast<QWidget *>(m_etLiczWart),
                       static_cast<QWidget *>(m_liczWart)})
        w->hide();
    m_wysokoscSkalar = rozmiarWgTresci(this).height();

    connect(m_ok, &QPushButton::clicked, this, &TFormCzytFaktWnios::ok);
    connect(m_pomoc, &QPushButton::clicked, this, [this] {
        if (!m_kontekst.pokazStroneInstrukcji)
            return;
        m_kontekst.pokazStroneInstrukcji(QString::fromLatin1(m_k.tryb == TrybWnios::WPrzod ? pomoc::WniosWPrzod
                                                             : m_k.tryb == TrybWnios::Wstecz ? pomoc::WniosWstecz
                                                                                              : pomoc::FalsHip));
    });
    connect(&m_kontekst, &KontekstAplikacji::koloryZmienione, this, &TFormCzytFaktWnios::ZmiaKolFormCzytFaktWnios);
    ZmiaKolFormCzytFaktWnios();
}

void TFormCzytFaktWnios::ZmiaKolFormCzytFaktWnios()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_kodSyst, m_nazSyst, m_kodFakt, m_nazFakt, m_rodzFakt, m_typFakt, m_wielWart,
                                     m_liczWart, m_jednostka, m_opisFakt, m_pytFakt});
    zastosujKolory(k, Rola::Czynne, {m_wartosc, m_cf});
    for (const Wiersz &r : m_wiersze) {
        zastosujKolory(k, Rola::Bierne, {r.kod, r.wartosc});
        zastosujKolory(k, Rola::Czynne, {r.cf, r.wybor});
    }
    zastosujKolory(k, Rola::Pomocnicze, {m_ok, m_pomoc});
    for (QLabel *l : std::as_const(m_etBierne))
        zastosujKolory(k, Rola::Bierne, {l});
    for (QLabel *l : std::as_const(m_etCzynne))
        zastosujKolory(k, Rola::Czynne, {l});
    zastosujKolory(k, Rola::Bierne, {m_parametry});
    zastosujKolory(k, Rola::Czynne, {m_skalar, m_wylicz});
}

QLineEdit *TFormCzytFaktWnios::EditJakoKomp(int n) const
{
    if (n < 1 || n > 3 * LiczbaWierszy)
        return nullptr;
    const Wiersz &r = m_wiersze[(n - 1) / 3];
    switch ((n - 1) % 3) {
    case 0: return r.kod;
    case 1: return r.wartosc;
    default: return r.cf;
    }
}

QWidget *TFormCzytFaktWnios::RadioGroupJakoKomp(int i) const
{
    return i >= 1 && i <= LiczbaWierszy ? m_wiersze[i - 1].wybor : nullptr;
}

void TFormCzytFaktWnios::ustawWybor(int i, const QString &wybor)
{
    if (i < 1 || i > LiczbaWierszy)
        return;
    zaznaczJeden(m_wiersze[i - 1].grupa, Wybory.indexOf(wybor));
}

QString TFormCzytFaktWnios::wybor(int i) const
{
    if (i < 1 || i > LiczbaWierszy)
        return QString();
    const int id = m_wiersze[i - 1].grupa->checkedId();
    return id >= 0 ? Wybory[id] : QString();
}

void TFormCzytFaktWnios::przygotuj(const TKontekstCzytFakt &k)
{
    m_k = k;
    m_wynik.clear();
    m_zamknietyOk = false;
    const TRekFakt &f = k.fakt;
    m_kodSyst->setText(QString::number(k.kodSyst));
    m_nazSyst->setText(k.nazSyst);
    m_kodFakt->setText(QString::number(f.IdFakt));
    m_nazFakt->setText(f.NazFakt);
    m_rodzFakt->setText(f.RodzFakt);
    m_typFakt->setText(f.TypFakt);
    m_wielWart->setText(f.CzyWielWart);
    m_liczWart->setText(f.LiczWart ? QString::number(*f.LiczWart) : QString());
    m_opisFakt->setPlainText(f.OpisFakt);
    m_pytFakt->setPlainText(f.PytFakt);

    const bool wylicz = f.TypFakt == slowa::Wyliczeniowy;
    m_skalar->setVisible(!wylicz);
    m_wylicz->setVisible(wylicz);
    m_etWielWart->setVisible(wylicz);
    m_wielWart->setVisible(wylicz);
    m_etLiczWart->setVisible(wylicz);
    m_liczWart->setVisible(wylicz);
    if (!wylicz) {
        m_n = 0;
        m_jednostka->setText(f.JedWartFakt);
        m_wartosc->setText(f.WartFakt);
        m_cf->setText(f.CFWartFakt ? realNaTekst(*f.CFWartFakt) : QString());
        for (QWidget *l : m_linie)
            l->hide();
        setMinimumHeight(0);
        resize(m_szerokosc, m_wysokoscSkalar);
        return;
    }
    // At most 20 rows are shown; a fact with more value rows shows its first 20.
    m_n = int(std::min<qsizetype>(k.wartosci.size(), LiczbaWierszy));
    for (int i = 0; i < LiczbaWierszy; ++i) {
        Wiersz &r = m_wiersze[i];
        const bool jest = i < m_n;
        r.skladniki->setVisible(jest);
        if (!jest) {
            r.kod->clear();
            r.wartosc->clear();
            r.cf->clear();
            ustawWybor(i + 1, QString());
            continue;
        }
        const TRekWartFaktWylicz &w = k.wartosci.at(i);
        r.kod->setText(QString::number(w.IdWartFaktWylicz));
        r.wartosc->setText(w.WartFaktWylicz);
        r.cf->setText(w.CFWartFaktWyliczAkt ? realNaTekst(*w.CFWartFaktWyliczAkt) : QString());
        ustawWybor(i + 1, w.CzyFaktMaWartAkt);
    }
    for (int l = 0; l < m_linie.size(); ++l)
        m_linie[l]->setVisible(2 * l < m_n);
    // Each line left empty makes the dialog 25 pixels shorter.
    const int puste = (LiczbaWierszy - m_n) / 2;
    setMinimumHeight(0);
    resize(m_szerokosc, m_wysokoscPelna - WysokoscLinii * puste);
}

void TFormCzytFaktWnios::otworz(TKontekstCzytFakt &k)
{
    przygotuj(k);
    exec();
    k.zamknietyOk = m_zamknietyOk;
}

QList<TWierszWylicz> TFormCzytFaktWnios::wiersze() const
{
    QList<TWierszWylicz> lista;
    for (int i = 0; i < m_n; ++i)
        lista.append({m_wiersze[i].kod->text().toInt(), wybor(i + 1), m_wiersze[i].cf->text()});
    return lista;
}

void TFormCzytFaktWnios::ok()
{
    const PokazKomunikat pokaz = [this](const QString &t) { pokazKomunikat(t, this); };
    WynikPrzypisania w;
    if (m_k.fakt.TypFakt == slowa::Wyliczeniowy)
        w = PrzypiszWartFaktWylicz(m_kontekst.baza, m_kontekst.konfig, m_k.fakt, wiersze(), pokaz);
    else
        w = PrzypiszWartFaktSkalar(m_kontekst.baza, m_kontekst.konfig, m_k.fakt, m_wartosc->text(), m_cf->text(), pokaz,
                                   &m_wynik);
    if (w == WynikPrzypisania::Odrzucone)
        return;
    // A value that could not be saved closes the dialog; the run stops with the failure.
    m_zamknietyOk = w != WynikPrzypisania::BladZapisu;
    accept();
}

void TFormCzytFaktWnios::reject()
{
    // Leaving without OK: no value is taken from the edits, the run goes on without it.
    const PokazKomunikat pokaz = [this](const QString &t) { pokazKomunikat(t, this); };
    // A mark that could not be saved is recorded in the database; the run stops with it.
    (void)PorzucWartFakt(m_kontekst.baza, m_k.fakt, pokaz);
    m_zamknietyOk = false;
    QDialog::reject();
}

} // namespace tremida::gui
