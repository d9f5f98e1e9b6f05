#include "Ilustracje.h"

#include "TFormWizFilm.h"
#include "TFormWizGraf.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "store/Slowa.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace tremida::gui {

namespace {

QString sciezkaPliku(const KontekstAplikacji &k, const QString &nazwa)
{
    return QFileInfo(nazwa).isAbsolute() ? nazwa : QDir(k.baza.folder()).filePath(nazwa);
}

// The viewer kept by the context in `okno`, created on first use and re-coloured with the
// context.
template <typename Okno>
Okno &przegladarka(KontekstAplikacji &k, QPointer<Okno> &okno, void (Okno::*zmiaKol)(const TParKonfig &))
{
    if (!okno) {
        okno = new Okno(k);
        QObject::connect(&k, &KontekstAplikacji::koloryZmienione, okno,
                         [&k, f = okno.data(), zmiaKol] { (f->*zmiaKol)(k.konfig); });
    }
    return *okno;
}

// The path of the file `nazwaPliku` in the folder of the tables, or no value after the message
// "Stwierdzono brak na dysku pliku <rodzaj><name> do <cel>.\n\rOpcja nie zostanie
// zrealizowana." when the name is empty or no such file stands there.
std::optional<QString> plikNaDysku(KontekstAplikacji &k, const QString &nazwaPliku, const QString &rodzaj,
                                   const QString &cel)
{
    const QString sciezka = sciezkaPliku(k, nazwaPliku);
    if (nazwaPliku.isEmpty() || !QFileInfo(sciezka).isFile()) {
        pokazKomunikat(QStringLiteral("Stwierdzono brak na dysku pliku ") + rodzaj + nazwaPliku + QStringLiteral(" do ")
                       + cel + QStringLiteral(".\n\rOpcja nie zostanie zrealizowana."));
        return std::nullopt;
    }
    return sciezka;
}

} // namespace

TFormWizGraf &formWizGraf(KontekstAplikacji &k)
{
    return przegladarka(k, k.wizGraf, &TFormWizGraf::ZmiaKolFormWizGraf);
}

TFormWizFilm &formWizFilm(KontekstAplikacji &k)
{
    return przegladarka(k, k.wizFilm, &TFormWizFilm::ZmiaKolFormWizFilm);
}

bool PokazObraz(KontekstAplikacji &k, const QString &nazwaPliku, double stosunek, const QString &podpis)
{
    const auto sciezka = plikNaDysku(k, nazwaPliku, QString(), QStringLiteral("wizualizacji"));
    return sciezka && formWizGraf(k).pokaz(*sciezka, nazwaPliku, stosunek, podpis);
}

bool PokazFilm(KontekstAplikacji &k, const QString &nazwaPliku, double stosunek, const QString &podpis)
{
    const auto sciezka = plikNaDysku(k, nazwaPliku, QStringLiteral("filmu "), QStringLiteral("odtworzenia"));
    return sciezka && formWizFilm(k).pokaz(*sciezka, nazwaPliku, stosunek, podpis);
}

bool pokazPlikIlustracji(KontekstAplikacji &k, const QString &nazwaPliku, std::optional<double> stosunek,
                         const QString &podpis, const QString &rodzajPliku)
{
    const bool film = rodzajPliku == slowa::Film;
    if (nazwaPliku.isEmpty()) {
        pokazKomunikat(film ? QStringLiteral("Nazwa pliku filmu nie została określona. Opcja nie zostanie zrealizowana.")
                            : QStringLiteral("Nazwa pliku graficznego/zdjęcia nie została określona. Opcja nie "
                                             "zostanie zrealizowana."));
        return false;
    }
    if (!stosunek) {
        pokazKomunikat(film ? QStringLiteral("Wymiary (stosunek wysokości do szerokości) ekranu filmu nie zostały "
                                             "określone. Opcja nie zostanie zrealizowana.")
                            : QStringLiteral("Wymiary (stosunek wysokości do szerokości) pliku graficznego/zdjęcia nie "
                                             "zostały określone. Opcja nie zostanie zrealizowana."));
        return false;
    }
    return film ? PokazFilm(k, nazwaPliku, *stosunek, podpis) : PokazObraz(k, nazwaPliku, *stosunek, podpis);
}

bool pokazPlikElementu(KontekstAplikacji &k, int kodElem, const QString &coIlustr, const QString &rodzajPliku,
                       int pozycja)
{
    const QList<TRekPlikMult> pliki = plikiIlustrujace(k.baza, kodElem, coIlustr, rodzajPliku);
    if (pozycja < 1 || pozycja > pliki.size())
        return false;
    const TRekPlikMult &p = pliki.at(pozycja - 1);
    return pokazPlikIlustracji(k, p.NazwaPliku, p.StosWysDoSzer, p.Podpis, rodzajPliku);
}

TPrzyciskiIlustracji::TPrzyciskiIlustracji(KontekstAplikacji &k, const QString &rodzajPliku, QPushButton *nastepny,
                                           QPushButton *poprzedni, QLineEdit *liczba, QObject *rodzic)
    : QObject(rodzic), m_kontekst(k), m_rodzaj(rodzajPliku), m_nastepny(nastepny), m_poprzedni(poprzedni),
      m_liczba(liczba), m_krok(rodzajPliku == slowa::Film)
{
    connect(m_nastepny, &QPushButton::clicked, this, [this] { pokaz(m_krok.naprzod()); });
    connect(m_poprzedni, &QPushButton::clicked, this, [this] { pokaz(m_krok.wstecz()); });
    wyczysc();
}

void TPrzyciskiIlustracji::ustawElement(int kodElem, const QString &coIlustr)
{
    m_kodElem = kodElem;
    m_coIlustr = coIlustr;
    m_krok.ustawLiczbe(static_cast<int>(plikiIlustrujace(m_kontekst.baza, kodElem, coIlustr, m_rodzaj).size()));
    odswiez();
}

void TPrzyciskiIlustracji::wyczysc()
{
    m_kodElem = 0;
    m_coIlustr.clear();
    m_krok.ustawLiczbe(0);
    odswiez();
}

void TPrzyciskiIlustracji::pokaz(int pozycja)
{
    // The position keeps its new value even when a check fails; the buttons change only
    // after the file was shown.
    if (pokazPlikElementu(m_kontekst, m_kodElem, m_coIlustr, m_rodzaj, pozycja)) {
        m_krok.poPokazaniu();
        odswiez();
    }
}

void TPrzyciskiIlustracji::odswiez()
{
    m_nastepny->setText(m_krok.podpisNastepnego());
    m_nastepny->setVisible(m_krok.nastepnyWidoczny());
    m_poprzedni->setText(m_krok.podpisPoprzedniego());
    m_poprzedni->setVisible(m_krok.poprzedniWidoczny());
    if (m_liczba)
        m_liczba->setText(QString::number(m_krok.liczba()));
}

} // namespace tremida::gui
