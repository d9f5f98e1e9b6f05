#include "TFormWizWartFaktWylicz.h"

#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include "widgets/Ekran.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {

QLineEdit *poleTylkoDoOdczytu(QWidget *rodzic, int szerokosc = 0)
{
    auto *p = new QLineEdit(rodzic);
    p->setReadOnly(true);
    if (szerokosc > 0)
        p->setFixedWidth(szerokosc);
    return p;
}

QString tekstCF(const std::optional<double> &cf) { return cf ? realNaTekst(*cf) : QString(); }

} // namespace

TFormWizWartFaktWylicz::TFormWizWartFaktWylicz(KontekstAplikacji &k, bool posredni, QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_k(k), m_posredni(posredni)
{
    m_lKodSyst = new QLabel(QStringLiteral("Kod systemu:"), this);
    m_lNazSyst = new QLabel(QStringLiteral("Nazwa systemu:"), this);
    m_lKodFakt = new QLabel(QStringLiteral("Kod faktu:"), this);
    m_lNazFakt = new QLabel(QStringLiteral("Nazwa faktu:"), this);
    m_kodSyst = poleTylkoDoOdczytu(this, 80);
    m_nazSyst = poleTylkoDoOdczytu(this);
    m_kodFakt = poleTylkoDoOdczytu(this, 80);
    m_nazFakt = poleTylkoDoOdczytu(this);
    auto *naglowek = new QGridLayout;
    naglowek->addWidget(m_lKodSyst, 0, 0);
    naglowek->addWidget(m_kodSyst, 0, 1);
    naglowek->addWidget(m_lNazSyst, 0, 2);
    naglowek->addWidget(m_nazSyst, 0, 3);
    naglowek->addWidget(m_lKodFakt, 1, 0);
    naglowek->addWidget(m_kodFakt, 1, 1);
    naglowek->addWidget(m_lNazFakt, 1, 2);
    naglowek->addWidget(m_nazFakt, 1, 3);
    naglowek->setColumnStretch(3, 1);

    auto *wiersze = new QGridLayout;
    wiersze->setVerticalSpacing(1);
    int kol = 0;
    m_naglowkiKolumn << new QLabel(QStringLiteral("Kod wartości faktu"), this)
                     << new QLabel(QStringLiteral("Wartość faktu"), this);
    wiersze->addWidget(m_naglowkiKolumn[0], 0, kol++);
    wiersze->addWidget(m_naglowkiKolumn[1], 0, kol++);
    if (posredni) {
        m_lAkt = new QLabel(QStringLiteral("Bieżąca iteracja proc.wnioskowania"), this);
        m_lPoprz = new QLabel(QStringLiteral("Poprzednia iteracja p.wnioskowania"), this);
        wiersze->addWidget(m_lAkt, 0, kol, 1, 2);
        wiersze->addWidget(m_lPoprz, 0, kol + 2, 1, 2);
    } else {
        m_lAkt = new QLabel(QStringLiteral("Czy przypisujesz faktowi tę wartość?"), this);
        wiersze->addWidget(m_lAkt, 0, kol, 1, 1);
        m_naglowkiKolumn << new QLabel(QStringLiteral("CF"), this);
        wiersze->addWidget(m_naglowkiKolumn.last(), 0, kol + 1);
    }
    const QStringList slowaWyboru = {slowa::Tak, slowa::Nie, slowa::BrakWartosci};
    for (int i = 0; i < MaksWierszy; ++i) {
        Wiersz w{};
        w.kod = poleTylkoDoOdczytu(this, 80);
        w.wartosc = poleTylkoDoOdczytu(this);
        w.wartosc->setMinimumWidth(200);
        w.akt = new GrupaRadiowa(QString(), slowaWyboru, 3, this);
        w.akt->ustawTylkoDoOdczytu(true);
        w.cfAkt = poleTylkoDoOdczytu(this, 80);
        int c = 0;
        wiersze->addWidget(w.kod, i + 1, c++);
        wiersze->addWidget(w.wartosc, i + 1, c++);
        wiersze->addWidget(w.akt, i + 1, c++);
        wiersze->addWidget(w.cfAkt, i + 1, c++);
        std::vector<QWidget *> panel = {w.kod, w.wartosc, w.akt, w.cfAkt};
        if (posredni) {
            w.poprz = new GrupaRadiowa(QString(), slowaWyboru, 3, this);
            w.poprz->ustawTylkoDoOdczytu(true);
            w.cfPoprz = poleTylkoDoOdczytu(this, 80);
            wiersze->addWidget(w.poprz, i + 1, c++);
            wiersze->addWidget(w.cfPoprz, i + 1, c++);
            panel.push_back(w.poprz);
            panel.push_back(w.cfPoprz);
        } else {
            w.poprz = nullptr;
            w.cfPoprz = nullptr;
        }
        m_wiersze.push_back(w);
        m_paneleWierszy.insert(m_paneleWierszy.end(), panel.begin(), panel.end());
    }
    wiersze->setColumnStretch(1, 1);

    m_zamknij = new QPushButton(QStringLiteral("Zamknięcie formularza wizualizacji wartości faktów wyliczeniowych "
                                               "i powrót do formularza tabeli faktów"),
                                this);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    connect(m_zamknij, &QPushButton::clicked, this, [this] {
        for (QWidget *w : m_paneleWierszy)
            w->show();
        hide();
        emit zamknieto();
    });
    m_k.polaczPomoc(m_pomoc, QStringLiteral("6.1"));
    auto *dol = new QHBoxLayout;
    dol->addWidget(m_zamknij);
    dol->addStretch();
    dol->addWidget(m_pomoc);

    auto *uklad = ukladPrzewijany(this);
    uklad->addLayout(naglowek);
    uklad->addSpacing(8);
    uklad->addLayout(wiersze);
    uklad->addStretch();
    uklad->addLayout(dol);
}

void TFormWizWartFaktWylicz::pokazWartosci(const TRekSyst &syst, const TRekFakt &fakt,
                                           const QList<TRekWartFaktWylicz> &wartosci)
{
    m_kodSyst->setText(intNaTekst(syst.IdSyst));
    m_nazSyst->setText(syst.NazSyst);
    m_nazSyst->setCursorPosition(0);
    m_kodFakt->setText(intNaTekst(fakt.IdFakt));
    m_nazFakt->setText(fakt.NazFakt);
    m_nazFakt->setCursorPosition(0);
    for (int i = 0; i < MaksWierszy; ++i) {
        const Wiersz &w = m_wiersze[static_cast<size_t>(i)];
        const bool jest = i < wartosci.size();
        for (QWidget *x : {static_cast<QWidget *>(w.kod), static_cast<QWidget *>(w.wartosc),
                           static_cast<QWidget *>(w.akt), static_cast<QWidget *>(w.cfAkt)})
            x->setVisible(jest);
        if (w.poprz) {
            w.poprz->setVisible(jest);
            w.cfPoprz->setVisible(jest);
        }
        if (!jest)
            continue;
        const TRekWartFaktWylicz &v = wartosci[i];
        w.kod->setText(intNaTekst(v.IdWartFaktWylicz));
        w.wartosc->setText(v.WartFaktWylicz);
        // A value longer than the field is shown from its beginning.
        w.wartosc->setCursorPosition(0);
        w.akt->ustawWybor(v.CzyFaktMaWartAkt);
        w.cfAkt->setText(tekstCF(v.CFWartFaktWyliczAkt));
        if (w.poprz) {
            w.poprz->ustawWybor(v.CzyFaktMaWartPoprz);
            w.cfPoprz->setText(tekstCF(v.CFWartFaktWyliczPoprz));
        }
    }
    // As tall as its rows need (25 pixels each), whatever it showed before.
    resize(rozmiarWgTresci(this));
}

int TFormWizWartFaktWylicz::liczbaWidocznychWierszy() const
{
    int n = 0;
    for (const Wiersz &w : m_wiersze)
        if (w.kod->isVisibleTo(this))
            ++n;
    return n;
}

void TFormWizWartFaktWylicz::zastosujKoloryWidoku(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Bierne, {m_lKodSyst, m_lNazSyst, m_lKodFakt, m_lNazFakt, m_kodSyst, m_nazSyst, m_kodFakt,
                                     m_nazFakt, m_lAkt, m_lPoprz});
    for (QLabel *l : m_naglowkiKolumn)
        zastosujKolory(k, Rola::Bierne, {l});
    for (const Wiersz &w : m_wiersze)
        zastosujKolory(k, Rola::Bierne, {w.kod, w.wartosc, w.akt, w.cfAkt, w.poprz, w.cfPoprz});
    zastosujKolory(k, Rola::Pomocnicze, {m_zamknij, m_pomoc});
}

TFormWizWartFaktWyliczWpr::TFormWizWartFaktWyliczWpr(KontekstAplikacji &k, QWidget *rodzic)
    : TFormWizWartFaktWylicz(k, false, rodzic)
{
    setObjectName(QStringLiteral("TFormWizWartFaktWyliczWpr"));
    setWindowTitle(QStringLiteral("WIZUALIZACJA WARTOŚCI FAKTU WYLICZENIOWEGO WPROWADZANEGO"));
    ZmiaKolFormWizWartFaktWyliczWpr(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this, [this] { ZmiaKolFormWizWartFaktWyliczWpr(m_k.konfig); });
}

TFormWizWartFaktWyliczPosrLubKonc::TFormWizWartFaktWyliczPosrLubKonc(KontekstAplikacji &k, QWidget *rodzic)
    : TFormWizWartFaktWylicz(k, true, rodzic)
{
    setObjectName(QStringLiteral("TFormWizWartFaktWyliczPosrLubKonc"));
    setWindowTitle(QStringLiteral("WIZUALIZACJA WARTOŚCI FAKTU WYLICZENIOWEGO POŚREDNIEGO LUB KOŃCOWEGO ORAZ STANU "
                                  "ICH PRZYPISANIA W PROCESIE WNIOSKOWANIA "));
    ZmiaKolFormWizWartFaktWyliczPosrLubKonc(k.konfig);
    connect(&k, &KontekstAplikacji::koloryZmienione, this,
            [this] { ZmiaKolFormWizWartFaktWyliczPosrLubKonc(m_k.konfig); });
}

} // namespace tremida::gui
