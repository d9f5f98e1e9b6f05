#include "Instrukcja.h"

#include <QFile>

// The page texts are linked into the engine library; a static library needs its resources
// registered explicitly.
static void zarejestrujTeksty()
{
    Q_INIT_RESOURCE(instrukcja);
}

namespace tremida {

namespace {

struct OpisRozdzialu {
    const char *tytul;
    std::vector<const char *> podrozdzialy; // section titles without their numbers
};

const std::vector<OpisRozdzialu> &opisRozdzialow()
{
    static const char *const tabela[] = {"Struktura tabeli.",
                                         "Generowanie tabeli.",
                                         "Otwarcie istniejącej tabeli.",
                                         "Generowanie nowego rekordu tabeli.",
                                         "Edycja istniejącego rekordu tabeli.",
                                         "Druk tabeli.",
                                         "Odwoływanie się do tabeli z poziomu obcego programu."};
    const std::vector<const char *> zwykla(std::begin(tabela), std::end(tabela));
    static const std::vector<OpisRozdzialu> r = {
        {"1. Wprowadzenie do teorii systemów eksperckich.",
         {"Sztuczna Inteligencja i jej kierunki.", "System ekspercki. Definicja. Historia badań.",
          "Struktura systemu eksperckiego. Klasyfikacja systemów eksperckich.",
          "Regułowe systemy eksperckie. Składnia reguły. Fakty. ", "Rodzaje wnioskowania.",
          "Warunki poprawności baz wiedzy.", "Generowanie reguł. Drzewa decyzyjne.",
          "Algorytm zarządzania niepewnością.", "Literatura."}},
        {"2. Charakterystyka i struktura merytoryczna programu.",
         {"Charakterystyka programu.", "Struktura merytoryczna programu."}},
        // Chapter 3 has no section 3.5: the section after 3.4 is 3.6.
        {"3. Struktura informatyczna programu.",
         {"Środowisko i język programowania.", "System bazy danych.", "Schemat strukturalny bazy danych.",
          "Weryfikacja bazy danych.", "Autorstwo programu."}},
        {"4. Tabela systemów eksperckich (baz wiedzy).", zwykla},
        {"5. Tabela faktów. ", zwykla},
        {"6. Tabela wartości faktów wyliczeniowych.", zwykla},
        {"7. Tabela reguł.",
         {tabela[0], tabela[1], tabela[2], tabela[3], tabela[4], "Obsługa edytora reguł.",
          "Weryfikacja poprawności składni reguły. ", tabela[5], tabela[6]}},
        {"8. Tabela stałych.", zwykla},
        {"9. Tabela trajektorii wnioskowania.", zwykla},
        {"10. Tabela plików multimedialnych.", zwykla},
        {"11. Proces wnioskowania.",
         {"Rodzaje wnioskowania w systemie TREMIDA.", "Etapy procesu wnioskowania.", "Weryfikacja bazy wiedzy.",
          "Czytanie wartości faktów wprowadzanych z pliku tekstowego.", "Proces wnioskowania w przód.",
          "Proces wnioskowania wstecz.", "Proces falsyfikacji hipotezy głównej.",
          "Proces wnioskowania mieszanego.", "Interpretacja konkluzji w procesie wnioskowania.",
          "Dialog w procesie wnioskowania.", "Zapis wartości faktów wprowadzanych do pliku tekstowego."}},
        {"12. Zarządzanie niepewnością.",
         {"Metoda zarządzania niepewnością w systemie TREMIDA.", "Nadawanie stopni pewności reguł i faktów."}},
        {"13. Konfiguracja programu.",
         {"Parametry konfiguracyjne bazy wiedzy i procesu wnioskowania.",
          "Parametry konfiguracyjne tła i czcionek tekstów.", "Struktura pliku konfiguracyjnego.",
          "Generowanie i zapis do pliku, własnych użytkownika, wartości parametrów konfiguracyjnych.",
          "Czytanie wartości parametrów konfiguracyjnych z pliku."}},
    };
    return r;
}

// Section number of the i-th section (0-based) of a chapter: chapter 3 skips 3.5.
int numerPodrozdzialu(int rozdzial, int i)
{
    return (rozdzial == 3 && i >= 4) ? i + 2 : i + 1;
}

// Next-section buttons whose caption has no final point.
bool napisBezKropki(const QString &cel)
{
    return cel == QLatin1String("4.3");
}

QString normalizuj(QString numer)
{
    numer = numer.trimmed();
    if (numer.endsWith(u'.'))
        numer.chop(1);
    return numer;
}

} // namespace

const std::vector<StronaInstrukcji> &stronyInstrukcji()
{
    static const std::vector<StronaInstrukcji> strony = [] {
        std::vector<StronaInstrukcji> s;
        s.push_back({QStringLiteral("0"), 0, 0,
                     QStringLiteral("0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji."),
                     QStringLiteral("0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji.")});
        const auto &rozdzialy = opisRozdzialow();
        for (int r = 1; r <= int(rozdzialy.size()); ++r) {
            const auto &podrozdzialy = rozdzialy[r - 1].podrozdzialy;
            for (int i = 0; i < int(podrozdzialy.size()); ++i) {
                const int p = numerPodrozdzialu(r, i);
                const QString numer = QStringLiteral("%1.%2").arg(r).arg(p);
                const QString tytul = numer + QStringLiteral(". ") + QString::fromUtf8(podrozdzialy[i]);
                QString naStronie = tytul;
                if (r == 6 && p == 7)
                    naStronie = QStringLiteral("6.7. Odwołanie się do tabeli z poziomu obcego programu.");
                s.push_back({numer, r, p, tytul, naStronie});
            }
        }
        return s;
    }();
    return strony;
}

const std::vector<StronaInstrukcji> &stronyDodatkowe()
{
    static const std::vector<StronaInstrukcji> strony = [] {
        std::vector<StronaInstrukcji> s;
        auto dodaj = [&s](const char *numer, int rozdzial, int podrozdzial, const char *tytul) {
            const QString t = QString::fromLatin1(numer) + QStringLiteral(". ") + QString::fromUtf8(tytul);
            s.push_back({QString::fromLatin1(numer), rozdzial, podrozdzial, t, t});
        };
        dodaj("7.1.1", 7, 1, "Karta reguły.");
        dodaj("9.1.1", 9, 1, "Wyjaśnienia przebiegu wnioskowania: drzewo \"odpalonych\" reguł i \"dlaczego nie\".");
        dodaj("9.1.2", 9, 1, "Raport z konsultacji.");
        return s;
    }();
    return strony;
}

QStringList odnosnikiStrony(const QString &numer)
{
    const QString n = normalizuj(numer);
    const QString rodzic = n.count(u'.') == 2 ? n.section(u'.', 0, 1) : QString();
    QStringList w;
    if (!rodzic.isEmpty() && stronaInstrukcji(rodzic))
        w << rodzic;
    for (const auto &s : stronyDodatkowe()) {
        const QString jej = s.numer.section(u'.', 0, 1);
        if (s.numer != n && (jej == n || (!rodzic.isEmpty() && jej == rodzic)))
            w << s.numer;
    }
    return w;
}

const std::vector<RozdzialInstrukcji> &rozdzialyInstrukcji()
{
    static const std::vector<RozdzialInstrukcji> r = [] {
        std::vector<RozdzialInstrukcji> w;
        int n = 0;
        for (const auto &o : opisRozdzialow())
            w.push_back({++n, QString::fromUtf8(o.tytul)});
        return w;
    }();
    return r;
}

const StronaInstrukcji *stronaInstrukcji(const QString &numer)
{
    const QString n = normalizuj(numer);
    for (const auto &s : stronyInstrukcji())
        if (s.numer == n)
            return &s;
    for (const auto &s : stronyDodatkowe())
        if (s.numer == n)
            return &s;
    return nullptr;
}

QString tytulRozdzialu(int rozdzial)
{
    if (rozdzial == 0)
        return stronyInstrukcji().front().tytul;
    const auto &r = rozdzialyInstrukcji();
    if (rozdzial < 0 || rozdzial > int(r.size()))
        return {};
    return r[rozdzial - 1].tytul;
}

std::vector<PrzyciskNawigacji> nawigacjaStrony(const QString &numer)
{
    std::vector<PrzyciskNawigacji> w;
    const StronaInstrukcji *s = stronaInstrukcji(numer);
    const auto &strony = stronyInstrukcji();
    // Pages beside the book have no place in its order: their links lead back to it.
    if (!s || s < strony.data() || s >= strony.data() + strony.size())
        return w;
    const auto indeks = s - strony.data();
    const int ostatniRozdzial = int(rozdzialyInstrukcji().size());
    auto pierwszaStronaRozdzialu = [&](int r) -> const StronaInstrukcji & {
        for (const auto &x : strony)
            if (x.rozdzial == r)
                return x;
        return strony.front();
    };

    if (s->rozdzial > 0) {
        if (indeks + 1 < qsizetype(strony.size()) && strony[indeks + 1].rozdzial == s->rozdzial) {
            const QString cel = strony[indeks + 1].numer;
            w.push_back({KierunekStrony::NastPodrozdz,
                         QStringLiteral("Do podrozdz.") + cel + (napisBezKropki(cel) ? QString() : QStringLiteral(".")),
                         cel});
        }
        if (strony[indeks - 1].rozdzial == s->rozdzial) {
            const QString cel = strony[indeks - 1].numer;
            w.push_back({KierunekStrony::PoprzPodrozdz, QStringLiteral("Do podrozdz.") + cel + u'.', cel});
        }
    }
    if (s->rozdzial < ostatniRozdzial) {
        const int r = s->rozdzial + 1;
        w.push_back({KierunekStrony::NastRozdz, QStringLiteral("Do rozdz.%1.").arg(r), pierwszaStronaRozdzialu(r).numer});
    }
    if (s->rozdzial > 0) {
        const int r = s->rozdzial - 1;
        w.push_back({KierunekStrony::PoprzRozdz, QStringLiteral("Do rozdz.%1.").arg(r), pierwszaStronaRozdzialu(r).numer});
    }
    return w;
}

QStringList spisTresci()
{
    QStringList w;
    int rozdzial = 0;
    for (const auto &s : stronyInstrukcji()) {
        if (s.rozdzial != rozdzial) {
            rozdzial = s.rozdzial;
            w << tytulRozdzialu(rozdzial);
        }
        w << s.tytul;
    }
    return w;
}

QString tekstStrony(const QString &numer)
{
    const StronaInstrukcji *s = stronaInstrukcji(numer);
    if (!s)
        return {};
    static const bool zarejestrowane = (zarejestrujTeksty(), true);
    Q_UNUSED(zarejestrowane);
    QFile f(QStringLiteral(":/instrukcja/strony/%1.txt").arg(s->numer));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString t = QString::fromUtf8(f.readAll());
    t.remove(u'\r');
    while (t.endsWith(u'\n'))
        t.chop(1);
    if (s->rozdzial == 0 && !t.isEmpty())
        t += QStringLiteral("\n\nSpis treści instrukcji:\n\n") + spisTresci().mid(1).join(u'\n');
    return t;
}

QStringList znajdzWInstrukcji(const QString &fraza)
{
    QStringList w;
    if (fraza.trimmed().isEmpty())
        return w;
    for (const auto *strony : {&stronyInstrukcji(), &stronyDodatkowe()})
        for (const auto &s : *strony)
            if (s.tytul.contains(fraza, Qt::CaseInsensitive) ||
                tekstStrony(s.numer).contains(fraza, Qt::CaseInsensitive))
                w << s.numer;
    return w;
}

} // namespace tremida
