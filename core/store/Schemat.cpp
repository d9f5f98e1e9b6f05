#include "Schemat.h"

namespace tremida {

namespace {

OpisKolumny I(const char *n, bool wym = false) { return {QString::fromUtf8(n), TypKol::Integer, 0, wym}; }
OpisKolumny F(const char *n, bool wym = false) { return {QString::fromUtf8(n), TypKol::Float, 0, wym}; }
OpisKolumny T(const char *n, int szer, bool wym = false)
{
    return {QString::fromUtf8(n), TypKol::Text, szer, wym};
}
OpisKolumny M(const char *n, bool wym = false) { return {QString::fromUtf8(n), TypKol::Memo, 0, wym}; }

constexpr bool Wym = true;

QString potwierdzenie(const char *poczatek, const char *koniec = "")
{
    return QString::fromUtf8(poczatek)
           + QStringLiteral(" została założona na dysku.\n\rCelem otwarcia tabeli wejdź w opcję Otwarcie tabeli")
           + QString::fromUtf8(koniec);
}

std::vector<OpisTabeli> budujOpisy()
{
    std::vector<OpisTabeli> o;
    o.push_back({Tabela::Systemy,
                 QStringLiteral("systemyeksperckie"),
                 QStringLiteral("tabeli systemów eksperckich (baz wiedzy)"),
                 QStringLiteral("IdSyst"),
                 {I("IdSyst", Wym), T("NazSyst", 500, Wym), M("OpisSyst"), M("DataRek")},
                 {{QStringLiteral("indnazsyst"), QStringLiteral("NazSyst"), false, true}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku systemyeksperckie.db"),
                  QStringLiteral("tabeli systemów eksperckich (baz wiedzy). Kontynuacja opcji założenia tej samej"),
                  QStringLiteral("tabeli spowoduje nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie"),
                  QStringLiteral("tych rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela systemów eksperckich (baz wiedzy)"),
                 potwierdzenie("Tabela systemów eksperckich (baz wiedzy)")});
    o.push_back({Tabela::Fakty,
                 QStringLiteral("fakty"),
                 QStringLiteral("tabeli faktów"),
                 QStringLiteral("IdFakt"),
                 {I("IdFakt", Wym), I("KodSyst", Wym), T("NazFakt", 500, Wym), T("RodzFakt", 11, Wym),
                  T("TypFakt", 12, Wym), T("JedWartFakt", 500), T("CzyWielWart", 3), I("LiczWart"),
                  M("OpisFakt"), M("PytFakt"), T("WartFakt", 500), T("WartPoprzFakt", 500),
                  F("CFWartFakt"), F("CFWartPoprzFakt"), M("DataRek")},
                 {{QStringLiteral("indkodsyst"), QStringLiteral("KodSyst"), false, true},
                  {QStringLiteral("indnazfakt"), QStringLiteral("NazFakt"), true, false}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku fakty.db"),
                  QStringLiteral("tabeli faktów. Kontynuacja opcji założenia tej samej tabeli spowoduje"),
                  QStringLiteral("nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych "),
                  QStringLiteral("rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela faktów"),
                 potwierdzenie("Tabela faktów")});
    o.push_back({Tabela::WartFaktWylicz,
                 QStringLiteral("wartoscifaktowwyliczeniowych"),
                 QStringLiteral("tabeli wartości faktów wyliczeniowych"),
                 QStringLiteral("IdWartFaktWylicz"),
                 {I("IdWartFaktWylicz", Wym), I("KodFakt", Wym), T("WartFaktWylicz", 500, Wym),
                  T("CzyFaktMaWartAkt", 3), F("CFWartFaktWyliczAkt"), T("CzyFaktMaWartPoprz", 3),
                  F("CFWartFaktWyliczPoprz"), M("DataRek")},
                 {{QStringLiteral("indkodfakt"), QStringLiteral("KodFakt"), false, true}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku wartoscifaktowwyliczeniowych.db"),
                  QStringLiteral("tabeli wartości faktów wyliczeniowych. Kontynuacja opcji założenia tej samej tabeli spowoduje"),
                  QStringLiteral("nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych rekordów."),
                  QStringLiteral("Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela wartości faktów wyliczeniowych"),
                 potwierdzenie("Tabela wartości faktów wyliczeniowych")});
    o.push_back({Tabela::Reguly,
                 QStringLiteral("reguly"),
                 QStringLiteral("tabeli reguł"),
                 QStringLiteral("IdReg"),
                 {I("IdReg", Wym), I("KodSyst", Wym), T("NazReg", 500, Wym), I("PozReg", Wym),
                  T("KierWniReg", 7, Wym), F("CFReg", Wym), M("PrzesReg", Wym), M("KonklReg", Wym),
                  M("OpisKonklReg"), M("InstrReg"), M("OpisReg"), T("CzyOdpal", 3), F("CFKonklReg"),
                  T("CzyBieUdzWeWnios", 3), M("DataRek")},
                 {{QStringLiteral("indkodsyst"), QStringLiteral("KodSyst"), false, true},
                  {QStringLiteral("indnazreg"), QStringLiteral("NazReg"), false, true}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku reguly.db"),
                  QStringLiteral("tabeli reguł. Kontynuacja opcji założenia tej samej tabeli spowoduje"),
                  QStringLiteral("nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych "),
                  QStringLiteral("rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela reguł"),
                 potwierdzenie("Tabela reguł")});
    o.push_back({Tabela::Stale,
                 QStringLiteral("stale"),
                 QStringLiteral("tabeli stałych"),
                 QStringLiteral("IdStala"),
                 {I("IdStala", Wym), I("KodSyst", Wym), T("NazStala", 500, Wym), T("RodzStala", 9, Wym),
                  T("TypStala", 12, Wym), T("JedWartStala", 20), T("WartStalaProsta", 500, Wym),
                  I("KodArgStala", Wym), T("WartParAStala", 500, Wym), T("WartParBStala", 500, Wym),
                  M("OpisStala"), M("PytStala"), M("DataRek", Wym)},
                 {{QStringLiteral("indkodsyst"), QStringLiteral("KodSyst"), false, true},
                  {QStringLiteral("indnazstala"), QStringLiteral("NazStala"), true, false}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku stale.db"),
                  QStringLiteral("tabeli stałych. Kontynuacja opcji założenia tej samej tabeli spowoduje"),
                  QStringLiteral("nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie tych "),
                  QStringLiteral("rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela stałych", "."),
                 potwierdzenie("Tabela stałych")});
    o.push_back({Tabela::Trajektoria,
                 QStringLiteral("trajektoria"),
                 QStringLiteral("tabeli trajektorii wnioskowania"),
                 QStringLiteral("IdKrokTraj"),
                 {I("IdKrokTraj", Wym), I("KodSyst", Wym), I("KodRegTraj", Wym), I("PozRegTraj"),
                  I("IterRegTraj"), T("KierWniTraj", 7), T("CzyOdpalTraj", 3), F("CFKonklRegTraj"),
                  T("PrzyczNieOdpalTraj", SzerPrzyczNieOdpalTraj), T("DataRek", 10, Wym)},
                 {{QStringLiteral("indkodsyst"), QStringLiteral("KodSyst"), false, true},
                  {QStringLiteral("indkodreg"), QStringLiteral("KodRegTraj"), false, true}},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku trajektoria.db"),
                  QStringLiteral("tabeli trajektorii wnioskowania. Kontynuacja opcji założenia tej samej "),
                  QStringLiteral("tabeli spowoduje nadpisanie pliku, a jeśli tabela zawiera rekordy, to "),
                  QStringLiteral("wykasowanie tych rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela trajektorii wnioskowania", "."),
                 potwierdzenie("Tabela trajektorii wnioskowania")});
    o.push_back({Tabela::PlikiMult,
                 QStringLiteral("plikimultimedialne"),
                 QStringLiteral("tabeli plików multimedialnych"),
                 QStringLiteral("IdPlikMult"),
                 {I("IdPlikMult", Wym), T("NazwaPliku", 100, Wym), T("RodzajPliku", 37, Wym),
                  F("StosWysDoSzer", Wym), T("CoPlikIlustr", 6, Wym), I("KodElemIlustr", Wym),
                  M("Podpis"), M("DataRek")},
                 {},
                 {QStringLiteral("Na dysku i w folderze bieżącym stwierdzono istnienie pliku plikimultimedialne.db"),
                  QStringLiteral("tabeli plików multimedialnych. Kontynuacja opcji założenia tej samej tabeli"),
                  QStringLiteral("spowoduje nadpisanie pliku, a jeśli tabela zawiera rekordy, to wykasowanie"),
                  QStringLiteral("tych rekordów. Potwierdź chęć kontynuacji opcji.")},
                 potwierdzenie("Tabela plików multimedialnych"),
                 potwierdzenie("Tabela plików multimedialnych")});
    return o;
}

const std::vector<OpisTabeli> &opisy()
{
    static const std::vector<OpisTabeli> o = budujOpisy();
    return o;
}

QString cytuj(const QString &identyfikator)
{
    QString t = identyfikator;
    t.replace(u'"', QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

} // namespace

int OpisTabeli::indeksKolumny(const QString &k) const
{
    for (size_t i = 0; i < kolumny.size(); ++i)
        if (kolumny[i].nazwa == k)
            return static_cast<int>(i);
    return -1;
}

const OpisKolumny *OpisTabeli::kolumna(const QString &k) const
{
    const int i = indeksKolumny(k);
    return i < 0 ? nullptr : &kolumny[static_cast<size_t>(i)];
}

const OpisTabeli &opisTabeli(Tabela t) { return opisy()[static_cast<size_t>(t)]; }

OpisTabeli schematTabeli(Tabela t, bool nadpisanie)
{
    OpisTabeli o = opisTabeli(t);
    if (t == Tabela::Stale && nadpisanie) {
        for (auto &k : o.kolumny)
            if (k.nazwa == QStringLiteral("DataRek"))
                k.wymagana = false;
        for (auto &ix : o.indeksy)
            if (ix.nazwa == QStringLiteral("indnazstala")) {
                ix.unikalny = false;
                ix.bezWielkosciLiter = true;
            }
    }
    return o;
}

bool tabelaONazwie(const QString &nazwa, Tabela *wynik)
{
    for (const auto &o : opisy())
        if (o.nazwa == nazwa) {
            if (wynik)
                *wynik = o.tabela;
            return true;
        }
    return false;
}

QStringList sqlTworzeniaTabeli(const OpisTabeli &opis, const QString &schemat)
{
    // Columns are typed strictly, required columns are NOT NULL and may not be empty texts
    // (an empty required field is a missing value) and texts keep to
    // their widths. The key is a real primary key (no row-id alias), so an empty key is refused.
    QStringList linie;
    for (const auto &k : opis.kolumny) {
        QString l = QStringLiteral("  ") + k.nazwa + u' ';
        switch (k.typ) {
        case TypKol::Integer: l += QStringLiteral("INTEGER"); break;
        case TypKol::Float: l += QStringLiteral("REAL"); break;
        case TypKol::Text:
        case TypKol::Memo: l += QStringLiteral("TEXT"); break;
        }
        if (k.wymagana)
            l += QStringLiteral(" NOT NULL");
        if (k.typ == TypKol::Text)
            l += QStringLiteral(" CONSTRAINT %1 CHECK (length(%2) <= %3)")
                     .arg(cytuj(k.nazwa + QStringLiteral(": tekst dłuższy niż %1 znaków").arg(k.szerokosc)),
                          k.nazwa)
                     .arg(k.szerokosc);
        if (k.wymagana && (k.typ == TypKol::Text || k.typ == TypKol::Memo))
            l += QStringLiteral(" CONSTRAINT %1 CHECK (%2 <> '')")
                     .arg(cytuj(k.nazwa + QStringLiteral(": pole wymagane jest puste")), k.nazwa);
        linie << l;
    }
    linie << QStringLiteral("  PRIMARY KEY (%1)").arg(opis.kluczGlowny);
    QStringList sql;
    sql << QStringLiteral("CREATE TABLE %1.%2 (\n%3\n) STRICT, WITHOUT ROWID")
               .arg(schemat, opis.nazwa, linie.join(QStringLiteral(",\n")));
    for (const auto &ix : opis.indeksy)
        sql << QStringLiteral("CREATE %1INDEX %2.%3 ON %4 (%5%6)")
                   .arg(ix.unikalny ? QStringLiteral("UNIQUE ") : QString(), schemat, ix.nazwa, opis.nazwa,
                        ix.kolumna,
                        ix.bezWielkosciLiter ? QStringLiteral(" COLLATE NOCASE") : QString());
    return sql;
}

} // namespace tremida
