#include "OknoTabeli.h"


#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/Konwersje.h"
#include "store/TFormOstrzWyj.h"
#include "widgets/Kontrolki.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tremida::gui {

OknoTabeli::OknoTabeli(KontekstAplikacji &k, const QString &nazwa, const QString &tytul, const QString &stronaPomocy,
                       QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_k(k)
{
    setObjectName(nazwa);
    setWindowTitle(tytul);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("przyciskOk"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_pomoc->setObjectName(QStringLiteral("przyciskPomoc"));
    m_ostrzWyj = new TFormOstrzWyj(k.konfig, this);
    connect(m_ok, &QPushButton::clicked, this, &OknoTabeli::wyjdz);
    k.polaczPomoc(m_pomoc, stronaPomocy);
    connect(&k, &KontekstAplikacji::koloryZmienione, m_ostrzWyj,
            [this] { m_ostrzWyj->ZmiaKolFormOstrzWyj(m_k.konfig); });
}


bool OknoTabeli::wyjdz()
{
    for (ZbiorDanych *z : m_strzezone)
        if (z->czyEdycjaLubWstawianie()) {
            if (!m_ostrzWyj->zapytaj())
                return false;
            break;
        }
    zamknijZbiory();
    hide();
    return true;
}

void OknoTabeli::closeEvent(QCloseEvent *e)
{
    if (isVisible() && !wyjdz())
        e->ignore();
    else
        e->accept();
}

void OknoTabeli::pokazDate(QLineEdit *pole, const ZbiorDanych *zbior)
{
    pole->setText(zbior->biezacy() >= 0 ? DekodDataRek(zbior->wartosc(QStringLiteral("DataRek")).toString())
                                        : QString());
}

void OknoTabeli::szukajWolnegoKodu(Tabela t, QLineEdit *pole)
{
    m_k.baza.synchronizuj();
    if (const auto kod = m_k.wolnyKod.znajdz(m_k.baza, t))
        pole->setText(intNaTekst(*kod));
    else
        pokazKomunikat(QStringLiteral("Nie można odczytać pliku %1 %2.").arg(opisTabeli(t).plik(), opisTabeli(t).fraza),
                       this);
}

bool OknoTabeli::szukajKodu(ZbiorDanych *zbior, const QString &kolumna, const QString &tekst, const QString &brak,
                            const QString &zlaPostac, const QString &nieZnaleziono)
{
    if (tekst.isEmpty()) {
        pokazKomunikat(brak);
        return false;
    }
    const auto kod = tekstNaInt(tekst);
    if (!kod) {
        pokazKomunikat(zlaPostac);
        return false;
    }
    const int wiersz = zbior->wierszZ(kolumna, *kod);
    if (wiersz < 0) {
        pokazKomunikat(nieZnaleziono);
        return false;
    }
    return zbior->przejdzDo(wiersz);
}

void OknoTabeli::odmowOpcji(const QString &przyczyna)
{
    pokazKomunikat(przyczyna + QStringLiteral("\n\rOpcja nie zostanie zrealizowana."), this);
}

std::optional<int> OknoTabeli::kodDlaOpcji(const QLineEdit *pole, const QString &przyczyna)
{
    const auto kod = tekstNaInt(pole->text());
    if (!kod)
        odmowOpcji(przyczyna);
    return kod;
}

void OknoTabeli::wierszeWyszukiwania(QGridLayout *u, QPushButton *wolny, QLabel *lWolnyKod, QLineEdit *wolnyKod,
                                     QLabel *lSzukany, QLineEdit *szukany, QPushButton *szukaj)
{
    u->addWidget(wolny, 0, 0);
    u->addWidget(lWolnyKod, 0, 1, Qt::AlignRight);
    u->addWidget(wolnyKod, 0, 2);
    u->addWidget(lSzukany, 1, 0, 1, 2);
    u->addWidget(szukany, 1, 2);
    u->addWidget(szukaj, 2, 0, 1, 3);
}

QGridLayout *OknoTabeli::ukladWyszukiwania(QPushButton *wolny, QLabel *lWolnyKod, QLineEdit *wolnyKod, QLabel *lSzukany,
                                          QLineEdit *szukany, QPushButton *szukaj)
{
    auto *u = new QGridLayout;
    wierszeWyszukiwania(u, wolny, lWolnyKod, wolnyKod, lSzukany, szukany, szukaj);
    u->setRowStretch(3, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(przyciskPomoc());
    przyciski->addWidget(przyciskOk());
    u->addLayout(przyciski, 4, 0, 1, 3);
    return u;
}

ZbiorDanych *OknoTabeli::zbiorSystemow(Baza &baza, QObject *rodzic)
{
    auto *z = new ZbiorDanych(baza, Tabela::Systemy, rodzic);
    z->ustawZapytanie(QStringLiteral("SELECT * FROM systemyeksperckie ORDER BY IdSyst"));
    return z;
}

QLabel *OknoTabeli::etykieta(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit *OknoTabeli::pole(QWidget *rodzic, const QString &nazwa, int szerokosc, bool tylkoDoOdczytu)
{
    auto *p = new QLineEdit(rodzic);
    p->setObjectName(nazwa);
    if (szerokosc > 0) {
        p->setMaximumWidth(szerokosc);
        p->setMinimumWidth(std::min(szerokosc, 80));
    }
    p->setReadOnly(tylkoDoOdczytu);
    return p;
}

QLineEdit *OknoTabeli::polePowiazane(QWidget *rodzic, ZbiorDanych *zbior, const QString &kolumna, int szerokosc)
{
    QLineEdit *p = pole(rodzic, kolumna, szerokosc);
    powiaz(p, zbior, kolumna);
    return p;
}

QPlainTextEdit *OknoTabeli::memoPowiazane(QWidget *rodzic, ZbiorDanych *zbior, const QString &kolumna)
{
    auto *m = new QPlainTextEdit(rodzic);
    m->setObjectName(kolumna);
    powiaz(m, zbior, kolumna);
    return m;
}

void OknoTabeli::polaPodpisane(QWidget *rodzic, ZbiorDanych *zbior, std::initializer_list<PolePodpisane<QLineEdit>> pola)
{
    for (const PolePodpisane<QLineEdit> &p : pola) {
        p.podpis = etykieta(p.tekst, rodzic);
        p.pole = polePowiazane(rodzic, zbior, p.kolumna, p.szerokosc);
    }
}

void OknoTabeli::polaPodpisane(QWidget *rodzic, ZbiorDanych *zbior,
                               std::initializer_list<PolePodpisane<QPlainTextEdit>> pola)
{
    for (const PolePodpisane<QPlainTextEdit> &p : pola) {
        p.podpis = etykieta(p.tekst, rodzic);
        p.pole = memoPowiazane(rodzic, zbior, p.kolumna);
    }
}

GrupaRadiowa *OknoTabeli::grupaPowiazana(const QString &tytul, const QStringList &pozycje, int kolumny, QWidget *rodzic,
                                         ZbiorDanych *zbior, const QString &kolumna)
{
    auto *g = new GrupaRadiowa(tytul, pozycje, kolumny, rodzic);
    g->setObjectName(kolumna);
    powiaz(g, zbior, kolumna);
    return g;
}

GrupaRadiowa *OknoTabeli::grupaWidoku(const QString &tytul, const QStringList &widoki, const QString &wybrany,
                                      QWidget *okno)
{
    auto *g = new GrupaRadiowa(tytul, widoki, static_cast<int>(widoki.size()), okno);
    g->setObjectName(QStringLiteral("widok"));
    g->ustawWybor(wybrany);
    return g;
}

void OknoTabeli::blokujPodczasZmiany(ZbiorDanych *zbior, const QList<QWidget *> &widgety, QObject *odbiorca)
{
    connect(zbior, &ZbiorDanych::stanZmieniony, odbiorca, [zbior, widgety] {
        const bool zmiana = zbior->czyEdycjaLubWstawianie();
        for (QWidget *w : widgety)
            w->setEnabled(!zmiana);
    });
}

} // namespace tremida::gui
