#include "OknoTabeli.h"


#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/Konwersje.h"
#include "store/TFormOstrzWyj.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tremida::gui {

OknoTabeli::OknoTabeli(KontekstAplikacji &k, const QString &tytul, const QString &stronaPomocy, QWidget *rodzic)
    : QWidget(rodzic, Qt::Window), m_k(k), m_strona(stronaPomocy)
{
    setWindowTitle(tytul);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("przyciskOk"));
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    m_pomoc->setObjectName(QStringLiteral("przyciskPomoc"));
    m_ostrzWyj = new TFormOstrzWyj(k.konfig, this);
    connect(m_ok, &QPushButton::clicked, this, &OknoTabeli::wyjdz);
    connect(m_pomoc, &QPushButton::clicked, this, &OknoTabeli::pomoc);
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

void OknoTabeli::pomoc()
{
    if (m_k.pokazStroneInstrukcji)
        m_k.pokazStroneInstrukcji(m_strona);
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

} // namespace tremida::gui
