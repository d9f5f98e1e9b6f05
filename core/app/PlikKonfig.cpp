#include "PlikKonfig.h"

#include "store/Konwersje.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tremida {

namespace {

const QString Cudzyslowowa = u'"' + konfig::NazwaPliku + u'"';

// Phrases naming each line's parameter in the messages of loading at start.
const QString FrazyStart[16] = {
    QStringLiteral("maksymalna liczba poziomów reguł"),
    QStringLiteral("czy \"odpalona\" reguła jest nadal uwzględniana"),
    QStringLiteral("czy wizualizować tylko \"odpalone\" reguły"),
    QStringLiteral("t-norma iloczynu logicznego przesłanek"),
    QStringLiteral("s-norma sumy logicznej przesłanek"),
    QStringLiteral("s-norma dla zagregowanej konkluzji"),
    QStringLiteral("minimalny próg CF,\n\rponiżej którego nie uwzględnia się reguły we wnioskowaniu"),
    QStringLiteral("znaczący przyrost CF\n\rdecydujący o zainicjowaniu nowej iteracji"),
    QStringLiteral("czy przed startem procesu wnioskowania\n\rprzeprowadzać pełną weryfikację spójności bazy wiedzy?"),
    QStringLiteral("kolor czcionki danych czynnych aplikacji"),
    QStringLiteral("kolor czcionki danych biernych aplikacji"),
    QStringLiteral("kolor czcionki danych pomocniczych aplikacji"),
    QStringLiteral("kolor tła danych czynnych aplikacji"),
    QStringLiteral("kolor tła danych biernych aplikacji"),
    QStringLiteral("kolor tła danych pomocniczych aplikacji"),
    QStringLiteral("metareguła kolejności odpalania reguł"),
};

// The same for "Czytaj własne z pliku": lines 3 and 9 are worded differently.
QString frazaCzytania(int linia)
{
    if (linia == 3)
        return QStringLiteral("czy wizualizowac tylko \"odpalone\" reguły");
    if (linia == 9)
        return QStringLiteral("czy przed startem procesu wnioskowania\n\rprzeprowadzac pełną weryfikację "
                              "spójnosci bazy wiedzy?");
    return FrazyStart[linia - 1];
}

QString sciezkaPliku(const QString &folder) { return QDir(folder).filePath(konfig::NazwaPliku); }

QString komunikatBrakPliku(bool start)
{
    return QStringLiteral("Pliku o nazwie ") + Cudzyslowowa
           + (start ? QStringLiteral("\n\rnie znaleziono w napędzie i folderze bieżącym.\n\rPrzyjęte zostały "
                                     "standardowe parametry konfiguracyjne.")
                    : QStringLiteral("\n\rnie znaleziono w napędzie i folderze bieżącym.\n\rOpcja nie zostanie "
                                     "zrealizowana"));
}

QString komunikatKrotkiPlik(int liczbaLinii)
{
    return QStringLiteral("Plik o nazwie %1 zawiera %2 z 16 wierszy.\n\rParametry wierszy od %3 do 16 nie zostały "
                          "odczytane z pliku.")
        .arg(Cudzyslowowa)
        .arg(liczbaLinii)
        .arg(liczbaLinii + 1);
}

// Reads the file's lines (CR LF or LF), at most sixteen. A line longer than 64 KiB is one
// line still: it is kept cut short and marked with "…", so that every check refuses it and
// the lines after it keep their places. Returns false when the file cannot be read, or is
// not a regular file (a pipe or a device would block or never end).
bool czytajLinie(const QString &sciezka, QStringList *linie, QString *blad)
{
    if (!QFileInfo(sciezka).isFile()) {
        *blad = QStringLiteral("to nie jest zwykły plik");
        return false;
    }
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly)) {
        *blad = f.errorString();
        return false;
    }
    constexpr qint64 MaksDlugosc = 64 * 1024;
    linie->clear();
    while (linie->size() < 16 && !f.atEnd()) {
        QByteArray l = f.readLine(MaksDlugosc);
        bool zaDluga = false;
        while (!l.endsWith('\n') && !f.atEnd() && f.error() == QFileDevice::NoError) {
            zaDluga = true;
            if (f.readLine(MaksDlugosc).endsWith('\n'))
                break;
        }
        if (l.endsWith('\n'))
            l.chop(1);
        if (l.endsWith('\r'))
            l.chop(1);
        *linie << QString::fromUtf8(l) + (zaDluga ? QStringLiteral("…") : QString());
    }
    if (f.error() != QFileDevice::NoError) {
        *blad = f.errorString();
        return false;
    }
    return true;
}

std::optional<bool> logiczna(const QString &t)
{
    if (t == QStringLiteral("TRUE"))
        return true;
    if (t == QStringLiteral("FALSE"))
        return false;
    return std::nullopt;
}

} // namespace

void wczytajKonfiguracjePrzyStarcie(TParKonfig &p, const QString &folder, const PokazKomunikat &komunikat)
{
    p = TParKonfig{};
    const QString sciezka = sciezkaPliku(folder);
    if (!QFileInfo::exists(sciezka)) {
        komunikat(komunikatBrakPliku(true));
        return;
    }
    QStringList linie;
    QString blad;
    if (!czytajLinie(sciezka, &linie, &blad)) {
        komunikat(QStringLiteral("Pliku o nazwie %1\n\rnie można odczytać (%2).\n\rPrzyjęte zostały standardowe "
                                 "parametry konfiguracyjne.")
                      .arg(Cudzyslowowa, blad));
        return;
    }
    auto zla = [&](int nr) {
        komunikat(QStringLiteral("Błędna wartość parametru: ") + FrazyStart[nr - 1]
                  + QStringLiteral(",\n\rw pliku ") + Cudzyslowowa
                  + QStringLiteral(".\n\rZostała przyjęta standardowa wartość parametru."));
    };
    for (int nr = 1; nr <= linie.size(); ++nr) {
        const QString &t = linie[nr - 1];
        // The value read goes into its parameter; a line that does not read keeps the default.
        auto przyjmij = [&](auto &pole, const auto &wartosc) {
            if (wartosc)
                pole = *wartosc;
            else
                zla(nr);
        };
        switch (nr) {
        case 1:
            przyjmij(p.MaxPozReg, tekstNaInt(t));
            break;
        case 2:
        case 3:
        case 9: {
            bool &pole = nr == 2 ? p.CzyOdpalUwzgl : nr == 3 ? p.CzyTylkoOdpal : p.CzyPelnaWeryf;
            przyjmij(pole, logiczna(t));
            break;
        }
        case 4:
        case 5:
        case 6: {
            QString &pole = nr == 4 ? p.TNormaIloczyn : nr == 5 ? p.SNormaSuma : p.SNormaKonkl;
            if (konfig::Normy.contains(t)) pole = t; else zla(nr);
            break;
        }
        case 7:
        case 8:
            przyjmij(nr == 7 ? p.ProgCF : p.PrzyrostCF, tekstNaReal(t));
            break;
        case 16:
            if (konfig::MetaReguly.contains(t)) p.MetaReg = t; else zla(nr);
            break;
        default: {
            // Colours are stored as read, without checking them against the colour list.
            int *kolory[6] = {&p.KolCzcCzyn, &p.KolCzcBier, &p.KolCzcPomoc,
                              &p.KolTlaCzyn, &p.KolTlaBier, &p.KolTlaPomoc};
            przyjmij(*kolory[nr - 10], tekstNaInt(t));
            break;
        }
        }
    }
    if (linie.size() < 16)
        komunikat(komunikatKrotkiPlik(static_cast<int>(linie.size()))
                  + QStringLiteral("\n\rZostały przyjęte standardowe wartości tych parametrów."));
}

QStringList linieWlasnych(const TWartWlasneKonfig &w)
{
    auto logiczna = [](int indeks) { return indeks == 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); };
    auto kolor = [](int indeks, bool tlo) { return QString::number(konfig::wartoscKoloru(indeks, tlo)); };
    return {w.MaxPozReg,
            logiczna(w.CzyOdpalUwzgl),
            logiczna(w.CzyTylkoOdpal),
            konfig::Normy.value(w.TNormaIloczyn),
            konfig::Normy.value(w.SNormaSuma),
            konfig::Normy.value(w.SNormaKonkl),
            w.ProgCF,
            w.PrzyrostCF,
            logiczna(w.CzyPelnaWeryf),
            kolor(w.KolCzcCzyn, false),
            kolor(w.KolCzcBier, false),
            kolor(w.KolCzcPomoc, false),
            kolor(w.KolTlaCzyn, true),
            kolor(w.KolTlaBier, true),
            kolor(w.KolTlaPomoc, true),
            konfig::MetaReguly.value(w.MetaReg)};
}

bool zapiszWlasneDoPliku(const TWartWlasneKonfig &w, const QString &folder, const PokazKomunikat &komunikat)
{
    if (auto blad = sprawdzWlasne(w, true)) {
        komunikat(*blad);
        return false;
    }
    QByteArray tresc;
    for (const QString &l : linieWlasnych(w))
        tresc += l.toUtf8() + "\r\n";
    const QFileInfo cel(sciezkaPliku(folder));
    if (cel.exists() && !cel.isFile()) {
        komunikat(QStringLiteral("Błąd zapisu pliku o nazwie %1:\n\rto nie jest zwykły plik.\n\rOpcja nie zostanie "
                                 "zrealizowana.")
                      .arg(Cudzyslowowa));
        return false;
    }
    QSaveFile f(sciezkaPliku(folder));
    if (!f.open(QIODevice::WriteOnly) || f.write(tresc) != tresc.size() || !f.commit()) {
        komunikat(QStringLiteral("Błąd zapisu pliku o nazwie %1:\n\r%2.\n\rOpcja nie zostanie zrealizowana.")
                      .arg(Cudzyslowowa, f.errorString()));
        return false;
    }
    komunikat(QStringLiteral("Własne użytkownika wartości parametrów konfiguracyjnych zapisano\n\rdo pliku o nazwie: ")
              + Cudzyslowowa + u'.');
    return true;
}

bool czytajWlasneZPliku(TWartWlasneKonfig &w, const QString &folder, const PokazKomunikat &komunikat)
{
    const QString sciezka = sciezkaPliku(folder);
    if (!QFileInfo::exists(sciezka)) {
        komunikat(komunikatBrakPliku(false));
        return false;
    }
    QStringList linie;
    QString blad;
    if (!czytajLinie(sciezka, &linie, &blad)) {
        komunikat(QStringLiteral("Pliku o nazwie %1\n\rnie można odczytać (%2).\n\rOpcja nie zostanie zrealizowana.")
                      .arg(Cudzyslowowa, blad));
        return false;
    }
    auto zla = [&](int nr) {
        komunikat(QStringLiteral("Błędna wartość parametru: ") + frazaCzytania(nr) + QStringLiteral(",\n\rw pliku ")
                  + Cudzyslowowa + u'.');
    };
    for (int nr = 1; nr <= linie.size(); ++nr) {
        const QString &t = linie[nr - 1];
        switch (nr) {
        case 1: w.MaxPozReg = t; break;
        case 7: w.ProgCF = t; break;
        case 8: w.PrzyrostCF = t; break;
        case 2:
        case 3:
        case 9: {
            int &pole = nr == 2 ? w.CzyOdpalUwzgl : nr == 3 ? w.CzyTylkoOdpal : w.CzyPelnaWeryf;
            if (auto v = logiczna(t)) pole = *v ? 0 : 1; else zla(nr);
            break;
        }
        case 4:
        case 5:
        case 6: {
            int &pole = nr == 4 ? w.TNormaIloczyn : nr == 5 ? w.SNormaSuma : w.SNormaKonkl;
            const int i = static_cast<int>(konfig::Normy.indexOf(t));
            if (i >= 0) pole = i; else zla(nr);
            break;
        }
        case 16: {
            const int i = static_cast<int>(konfig::MetaReguly.indexOf(t));
            if (i >= 0) w.MetaReg = i; else zla(nr);
            break;
        }
        default: {
            int *pola[6] = {&w.KolCzcCzyn, &w.KolCzcBier, &w.KolCzcPomoc,
                            &w.KolTlaCzyn, &w.KolTlaBier, &w.KolTlaPomoc};
            const bool tlo = nr >= 13;
            const auto v = tekstNaInt(t);
            const int i = v ? konfig::indeksKoloru(*v, tlo) : -1;
            if (i >= 0) *pola[nr - 10] = i; else zla(nr);
            break;
        }
        }
    }
    if (linie.size() < 16)
        komunikat(komunikatKrotkiPlik(static_cast<int>(linie.size())));
    komunikat(QStringLiteral("Własne użytkownika wartości parametrów konfiguracyjnych odczytano\n\rz pliku o nazwie: ")
              + Cudzyslowowa
              + QStringLiteral(".\n\rAby parametry uaktywnić, przyciśnij przycisk \"Zastosuj własne\"."));
    return true;
}

} // namespace tremida
