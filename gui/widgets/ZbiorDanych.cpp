#include "ZbiorDanych.h"

#include "app/Komunikat.h"
#include "store/DataRek.h"
#include "store/Konwersje.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tremida::gui {

namespace {
// A post the table refused: the record stays in its edit or insert state.
const QString NiezapisanyRekord = QStringLiteral("Rekord nie został zapisany. Popraw go i zatwierdź ponownie.");
// Records read together with the one asked for: its neighbours in the list, as a grid shows
// them one after another.
constexpr int Strona = 128;
// Records kept in memory at most; beyond that, those read are forgotten and read again when
// they are shown.
constexpr int MaksRekordow = 20000;

// A key as the records are found by: every integer as the same type, as the engine gives it.
QVariant klucz(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return QVariant(v.toLongLong());
    default: return v;
    }
}
} // namespace

size_t ZbiorDanych::HashKlucza::operator()(const QVariant &k) const
{
    return k.typeId() == QMetaType::LongLong ? qHash(k.toLongLong()) : qHash(k.toString());
}

ZbiorDanych::ZbiorDanych(Baza &baza, Tabela tabela, QObject *rodzic)
    : QAbstractTableModel(rodzic), m_baza(baza), m_tabela(tabela)
{
}

const OpisTabeli &ZbiorDanych::opis() const { return opisTabeli(m_tabela); }

int ZbiorDanych::indeks(const QString &kolumna) const { return opis().indeksKolumny(kolumna); }

void ZbiorDanych::ustawZapytanie(const QString &sql, const QVariantMap &parametry)
{
    m_sql = sql;
    m_parametry = parametry;
}

QVariantList ZbiorDanych::pustyRekord() const
{
    QVariantList pusty;
    for (size_t i = 0; i < opis().kolumny.size(); ++i)
        pusty << QVariant();
    return pusty;
}

bool ZbiorDanych::przygotuj(QSqlQuery &q, const QString &warunek) const
{
    // The dataset's query as a part of a larger one: its keys alone, in its order, or its
    // records of some keys.
    const OpisTabeli &o = opis();
    q.setForwardOnly(true);
    const QString sql = warunek.isEmpty() ? QStringLiteral("SELECT %1 FROM (%2)").arg(o.kluczGlowny, m_sql)
                                          : QStringLiteral("SELECT * FROM (%1) WHERE %2").arg(m_sql, warunek);
    if (!q.prepare(sql))
        return false;
    for (auto it = m_parametry.cbegin(); it != m_parametry.cend(); ++it)
        q.bindValue(it.key().startsWith(u':') ? it.key() : u':' + it.key(), it.value());
    return true;
}

bool ZbiorDanych::czytajRekordy(const QVariantList &klucze) const
{
    const OpisTabeli &o = opis();
    QStringList parametry;
    for (int i = 0; i < Strona; ++i)
        parametry << QStringLiteral(":ParKlucz%1").arg(i);
    QSqlQuery q = m_baza.zapytanie();
    if (!przygotuj(q, QStringLiteral("%1 IN (%2)").arg(o.kluczGlowny, parametry.join(u','))))
        return false;
    for (int i = 0; i < Strona; ++i)
        q.bindValue(parametry[i], i < klucze.size() ? klucze[i] : QVariant());
    if (!q.exec())
        return false;
    if (m_rekordy.size() + klucze.size() > MaksRekordow)
        m_rekordy.clear();
    // A record the table no longer has (another program deleted it) is shown empty.
    for (const QVariant &k : klucze)
        m_rekordy.insert_or_assign(k, pustyRekord());
    const int ik = indeks(o.kluczGlowny);
    while (q.next()) {
        if (m_pozycje.empty()) {
            const QSqlRecord r = q.record();
            for (const auto &k : o.kolumny)
                m_pozycje.push_back(r.indexOf(k.nazwa));
        }
        QVariantList w;
        w.reserve(static_cast<qsizetype>(o.kolumny.size()));
        for (int p : m_pozycje)
            w << (p >= 0 ? q.value(p) : QVariant());
        m_rekordy.insert_or_assign(klucz(w.value(ik)), w);
    }
    return true;
}

const QVariantList *ZbiorDanych::wiersz(int wiersz) const
{
    if (wiersz < 0 || wiersz >= liczbaRekordow() || m_klucze[wiersz].isNull())
        return nullptr;
    const QVariant &k = m_klucze[wiersz];
    auto it = m_rekordy.find(k);
    if (it != m_rekordy.end())
        return &it->second;
    // The record's page of neighbours, those not yet in memory.
    const int poczatek = wiersz / Strona * Strona;
    QVariantList klucze;
    for (int i = poczatek; i < std::min(poczatek + Strona, liczbaRekordow()); ++i)
        if (!m_klucze[i].isNull() && !m_rekordy.count(m_klucze[i]))
            klucze << m_klucze[i];
    if (!czytajRekordy(klucze))
        return nullptr;
    it = m_rekordy.find(k);
    return it != m_rekordy.end() ? &it->second : nullptr;
}

bool ZbiorDanych::wczytaj(const QVariant &kluczDoZachowania, int wierszZapasowy)
{
    const OpisTabeli &o = opis();
    m_baza.synchronizuj();
    QSqlQuery q = m_baza.zapytanie();
    bool ok = przygotuj(q, QString()) && q.exec();
    QVariantList klucze;
    if (ok) {
        while (q.next())
            klucze << klucz(q.value(0));
        ok = !q.lastError().isValid();
    }
    if (!ok) {
        const QString blad = tekstBleduBazy(q.lastError(), m_tabela, RodzajBleduBazy::Odczyt, ogon::Opcja);
        beginResetModel();
        m_klucze.clear();
        m_rekordy.clear();
        m_biezacy = -1;
        endResetModel();
        ustawStan(StanZbioru::Zamkniety);
        emit przewiniety();
        pokazKomunikat(blad);
        return false;
    }
    beginResetModel();
    m_klucze = std::move(klucze);
    m_kluczeRosnace = true;
    for (qsizetype i = 1; m_kluczeRosnace && i < m_klucze.size(); ++i)
        m_kluczeRosnace = QVariant::compare(m_klucze[i - 1], m_klucze[i]) == QPartialOrdering::Less;
    m_rekordy.clear();
    m_pozycje.clear();
    m_bufor.clear();
    m_kluczEdytowanego = QVariant();
    int nowy = -1;
    if (!m_klucze.isEmpty()) {
        nowy = std::clamp(wierszZapasowy, 0, liczbaRekordow() - 1);
        if (kluczDoZachowania.isValid()) {
            const qsizetype i = m_klucze.indexOf(klucz(kluczDoZachowania));
            if (i >= 0)
                nowy = int(i);
        }
    }
    m_biezacy = nowy;
    endResetModel();
    (void)o;
    ustawStan(StanZbioru::Przegladanie);
    emit przewiniety();
    return true;
}

bool ZbiorDanych::otworz() { return wczytaj(QVariant(), 0); }

void ZbiorDanych::zamknij()
{
    beginResetModel();
    m_klucze.clear();
    m_rekordy.clear();
    m_bufor.clear();
    m_biezacy = -1;
    endResetModel();
    ustawStan(StanZbioru::Zamkniety);
    emit przewiniety();
}

bool ZbiorDanych::odswiez()
{
    if (czyEdycjaLubWstawianie() && !zatwierdz())
        return false;
    const QVariant klucz = m_biezacy >= 0 ? wartoscWiersza(m_biezacy, opis().kluczGlowny) : QVariant();
    return wczytaj(klucz, m_biezacy);
}

QVariant ZbiorDanych::wartoscWiersza(int wiersz, const QString &kolumna) const
{
    const int k = indeks(kolumna);
    if (wiersz < 0 || wiersz >= liczbaRekordow() || k < 0)
        return {};
    if (wiersz == m_biezacy && czyEdycjaLubWstawianie())
        return m_bufor.value(k);
    const QVariantList *w = this->wiersz(wiersz);
    return w ? w->value(k) : QVariant();
}

QVariant ZbiorDanych::wartosc(const QString &kolumna) const { return wartoscWiersza(m_biezacy, kolumna); }

QString ZbiorDanych::tekstWartosci(int kolumna, const QVariant &v) const
{
    if (v.isNull() || kolumna < 0)
        return {};
    switch (opis().kolumny[static_cast<size_t>(kolumna)].typ) {
    case TypKol::Integer: return intNaTekst(v.toInt());
    case TypKol::Float: return realNaTekst(v.toDouble());
    default: return v.toString();
    }
}

QString ZbiorDanych::tekst(const QString &kolumna) const { return tekstWartosci(indeks(kolumna), wartosc(kolumna)); }

bool ZbiorDanych::ustawWartosc(const QString &kolumna, const QVariant &wartosc)
{
    const int k = indeks(kolumna);
    if (k < 0 || m_biezacy < 0)
        return false;
    if (!czyEdycjaLubWstawianie() && !edytuj())
        return false;
    QVariant v = wartosc;
    if (v.typeId() == QMetaType::QString && v.toString().isNull())
        v = QVariant();
    if (m_bufor[k] == v && m_bufor[k].isNull() == v.isNull())
        return true;
    m_bufor[k] = v;
    emit dataChanged(index(m_biezacy, k), index(m_biezacy, k));
    emit wartoscZmieniona(kolumna);
    return true;
}

bool ZbiorDanych::ustawTekst(const QString &kolumna, const QString &tekst)
{
    const int k = indeks(kolumna);
    if (k < 0)
        return false;
    const OpisKolumny &o = opis().kolumny[static_cast<size_t>(k)];
    if (tekst.isEmpty())
        return ustawWartosc(kolumna, QVariant());
    switch (o.typ) {
    case TypKol::Integer: {
        const auto v = tekstNaInt(tekst.trimmed());
        if (!v) {
            pokazKomunikat(QStringLiteral("'%1' nie jest poprawną liczbą całkowitą.").arg(tekst));
            return false;
        }
        return ustawWartosc(kolumna, *v);
    }
    case TypKol::Float: {
        const auto v = tekstNaReal(tekst.trimmed());
        if (!v) {
            pokazKomunikat(QStringLiteral("'%1' nie jest poprawną liczbą rzeczywistą.").arg(tekst));
            return false;
        }
        return ustawWartosc(kolumna, *v);
    }
    default: return ustawWartosc(kolumna, tekst);
    }
}

void ZbiorDanych::ustawBiezacy(int wiersz)
{
    if (wiersz == m_biezacy)
        return;
    m_biezacy = wiersz;
    emit przewiniety();
}

void ZbiorDanych::ustawStan(StanZbioru s)
{
    if (s == m_stan)
        return;
    m_stan = s;
    emit stanZmieniony();
}

bool ZbiorDanych::przejdzDo(int wiersz)
{
    if (!czyOtwarty() || m_klucze.isEmpty())
        return false;
    wiersz = std::clamp(wiersz, 0, liczbaRekordow() - 1);
    if (czyEdycjaLubWstawianie()) {
        if (wiersz == m_biezacy)
            return true;
        // The record being inserted disappears from the list once posted; find the target by key.
        const QVariant cel = wartoscWiersza(wiersz, opis().kluczGlowny);
        const bool wstawiany = m_stan == StanZbioru::Wstawianie;
        if (!zatwierdz())
            return false;
        if (wstawiany && !znajdz(opis().kluczGlowny, cel))
            return false;
        if (!wstawiany)
            ustawBiezacy(wiersz);
        return true;
    }
    ustawBiezacy(wiersz);
    return true;
}

bool ZbiorDanych::pierwszy() { return przejdzDo(0); }
bool ZbiorDanych::poprzedni() { return przejdzDo(m_biezacy - 1); }
bool ZbiorDanych::nastepny() { return przejdzDo(m_biezacy + 1); }
bool ZbiorDanych::ostatni() { return przejdzDo(liczbaRekordow() - 1); }

int ZbiorDanych::wierszZ(const QString &kolumna, const QVariant &wartosc) const
{
    // A key is found among the keys, without reading the records.
    if (kolumna.compare(opis().kluczGlowny, Qt::CaseInsensitive) == 0) {
        if (wartosc.isNull())
            return -1;
        for (int i = 0; i < liczbaRekordow(); ++i) {
            const QVariant &k = (i == m_biezacy && czyEdycjaLubWstawianie()) ? m_bufor.value(indeks(kolumna)) : m_klucze[i];
            if (!k.isNull() && k == wartosc)
                return i;
        }
        return -1;
    }
    for (int i = 0; i < liczbaRekordow(); ++i) {
        const QVariant v = wartoscWiersza(i, kolumna);
        if (!v.isNull() && v == wartosc)
            return i;
    }
    return -1;
}

bool ZbiorDanych::znajdz(const QString &kolumna, const QVariant &wartosc)
{
    const int i = wierszZ(kolumna, wartosc);
    return i >= 0 && przejdzDo(i);
}

bool ZbiorDanych::edytuj()
{
    if (m_stan != StanZbioru::Przegladanie || m_biezacy < 0)
        return czyEdycjaLubWstawianie();
    const QVariantList *w = wiersz(m_biezacy);
    m_bufor = w ? *w : pustyRekord();
    m_kluczEdytowanego = m_bufor.value(indeks(opis().kluczGlowny));
    ustawStan(StanZbioru::Edycja);
    return true;
}

bool ZbiorDanych::wstaw()
{
    if (!czyOtwarty())
        return false;
    if (czyEdycjaLubWstawianie() && !zatwierdz())
        return false;
    const int wiersz = std::max(m_biezacy, 0);
    beginInsertRows({}, wiersz, wiersz);
    m_klucze.insert(wiersz, QVariant());
    endInsertRows();
    m_bufor = pustyRekord();
    m_kluczEdytowanego = QVariant();
    m_biezacy = wiersz;
    ustawStan(StanZbioru::Wstawianie);
    emit przewiniety();
    return true;
}

bool ZbiorDanych::zapiszBufor()
{
    const OpisTabeli &o = opis();
    QSqlQuery q = m_baza.zapytanie();
    std::vector<size_t> kolumny; // the columns the statement writes
    if (m_stan == StanZbioru::Wstawianie) {
        QStringList nazwy, parametry;
        for (size_t i = 0; i < o.kolumny.size(); ++i) {
            kolumny.push_back(i);
            nazwy << o.kolumny[i].nazwa;
            parametry << QStringLiteral(":Par") + o.kolumny[i].nazwa;
        }
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(o.nazwa, nazwy.join(QStringLiteral(", ")), parametry.join(QStringLiteral(", "))));
    } else {
        // Only the columns the user changed are written: what inference or another program
        // wrote into the others since the record was read stays as it is.
        const QVariantList *w = wiersz(m_biezacy);
        const QVariantList odczytany = w ? *w : pustyRekord();
        QStringList przypisania;
        for (size_t i = 0; i < o.kolumny.size(); ++i) {
            const QVariant &nowa = m_bufor.value(static_cast<qsizetype>(i));
            const QVariant &stara = odczytany.value(static_cast<qsizetype>(i));
            if (nowa.isNull() != stara.isNull() || nowa != stara) {
                kolumny.push_back(i);
                przypisania << o.kolumny[i].nazwa + QStringLiteral("=:Par") + o.kolumny[i].nazwa;
            }
        }
        if (przypisania.isEmpty())
            return true;
        q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3=:ParKluczEdytowanego")
                      .arg(o.nazwa, przypisania.join(QStringLiteral(", ")), o.kluczGlowny));
        q.bindValue(QStringLiteral(":ParKluczEdytowanego"), m_kluczEdytowanego);
    }
    for (size_t i : kolumny)
        q.bindValue(QStringLiteral(":Par") + o.kolumny[i].nazwa, m_bufor.value(static_cast<qsizetype>(i)));
    if (!q.exec()) {
        pokazKomunikat(tekstBleduBazy(q.lastError(), m_tabela, RodzajBleduBazy::Zapis, NiezapisanyRekord));
        return false;
    }
    if (m_stan == StanZbioru::Edycja && q.numRowsAffected() == 0) {
        pokazKomunikat(QStringLiteral("Rekord został w międzyczasie usunięty z tabeli %1. Zmiany nie zostały "
                                      "zapisane.")
                           .arg(o.plik()));
        return false;
    }
    return true;
}

bool ZbiorDanych::zatwierdz()
{
    if (!czyEdycjaLubWstawianie())
        return m_stan == StanZbioru::Przegladanie;
    bool ok = true;
    emit przedZatwierdzeniem(&ok);
    if (!ok || !zapiszBufor())
        return false;
    const QVariant zapisany = m_bufor.value(indeks(opis().kluczGlowny));
    m_kluczZapisanego = zapisany;
    const int wiersz = m_biezacy;
    const QVariant stary = m_stan == StanZbioru::Wstawianie ? QVariant() : klucz(m_kluczEdytowanego);
    m_stan = StanZbioru::Przegladanie;
    m_bufor.clear();
    m_kluczEdytowanego = QVariant();
    // The saved record is read back: it keeps its place when it still belongs to the query;
    // the other records are not read again.
    const int nowy = poZapisie(wiersz, stary, klucz(zapisany));
    m_biezacy = nowy >= 0 ? nowy : (m_klucze.isEmpty() ? -1 : std::clamp(wiersz, 0, liczbaRekordow() - 1));
    emit przewiniety();
    emit stanZmieniony();
    return true;
}

void ZbiorDanych::anuluj()
{
    if (m_stan == StanZbioru::Wstawianie) {
        const int wiersz = m_biezacy;
        beginRemoveRows({}, wiersz, wiersz);
        m_klucze.removeAt(wiersz);
        endRemoveRows();
        m_bufor.clear();
        m_biezacy = m_klucze.isEmpty() ? -1 : std::min(wiersz, liczbaRekordow() - 1);
        ustawStan(StanZbioru::Przegladanie);
        emit przewiniety();
    } else if (m_stan == StanZbioru::Edycja) {
        m_bufor.clear();
        ustawStan(StanZbioru::Przegladanie);
        emit dataChanged(index(m_biezacy, 0), index(m_biezacy, columnCount() - 1));
        emit przewiniety();
    }
}

bool ZbiorDanych::usun()
{
    if (m_stan == StanZbioru::Wstawianie) {
        anuluj();
        return true;
    }
    if (m_biezacy < 0 || !czyOtwarty())
        return false;
    const OpisTabeli &o = opis();
    const QVariant usuwany = m_klucze[m_biezacy];
    QSqlQuery q = m_baza.zapytanie();
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2=:ParKlucz").arg(o.nazwa, o.kluczGlowny));
    q.bindValue(QStringLiteral(":ParKlucz"), usuwany);
    if (!q.exec()) {
        pokazKomunikat(tekstBleduBazy(q.lastError(), m_tabela, RodzajBleduBazy::Zapis,
                                      QStringLiteral("Rekord nie został usunięty.")));
        return false;
    }
    const bool bylaEdycja = m_stan == StanZbioru::Edycja;
    m_stan = StanZbioru::Przegladanie;
    m_bufor.clear();
    const int wiersz = m_biezacy;
    poZapisie(wiersz, usuwany, QVariant());
    m_biezacy = m_klucze.isEmpty() ? -1 : std::clamp(wiersz, 0, liczbaRekordow() - 1);
    emit przewiniety();
    if (bylaEdycja)
        emit stanZmieniony();
    return true;
}

int ZbiorDanych::poZapisie(int wiersz, const QVariant &stary, const QVariant &nowy)
{
    const int ik = indeks(opis().kluczGlowny);
    m_rekordy.erase(stary);
    m_rekordy.erase(nowy);
    const bool naMiejscu = wiersz >= 0 && wiersz < liczbaRekordow() && m_klucze[wiersz] == stary &&
                           m_klucze[wiersz].isNull() == stary.isNull();
    // The saved record as the query gives it now, if it does.
    bool jest = !nowy.isNull() && czytajRekordy({nowy});
    if (jest) {
        const auto it = m_rekordy.find(nowy);
        jest = it != m_rekordy.end() && !it->second.value(ik).isNull();
    }
    if (!jest)
        m_rekordy.erase(nowy);
    if (jest && naMiejscu && !stary.isNull() && stary == nowy) {
        emit dataChanged(index(wiersz, 0), index(wiersz, columnCount() - 1));
        return wiersz;
    }
    // The record leaves its old place (the row being inserted has none in the table) ...
    if (naMiejscu) {
        beginRemoveRows({}, wiersz, wiersz);
        m_klucze.removeAt(wiersz);
        endRemoveRows();
    }
    if (!jest)
        return -1;
    // ... and takes its place by its key among ascending keys, otherwise where it was.
    int miejsce = std::clamp(wiersz, 0, liczbaRekordow());
    if (m_kluczeRosnace) {
        const auto it = std::lower_bound(m_klucze.cbegin(), m_klucze.cend(), nowy, [](const QVariant &a, const QVariant &b) {
            return QVariant::compare(a, b) == QPartialOrdering::Less;
        });
        miejsce = int(it - m_klucze.cbegin());
    }
    beginInsertRows({}, miejsce, miejsce);
    m_klucze.insert(miejsce, nowy);
    endInsertRows();
    return miejsce;
}

void ZbiorDanych::ustawNaglowki(const QStringList &naglowki)
{
    m_naglowki = naglowki;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ZbiorDanych::rowCount(const QModelIndex &rodzic) const { return rodzic.isValid() ? 0 : liczbaRekordow(); }

int ZbiorDanych::columnCount(const QModelIndex &rodzic) const
{
    return rodzic.isValid() ? 0 : static_cast<int>(opis().kolumny.size());
}

QVariant ZbiorDanych::data(const QModelIndex &i, int rola) const
{
    if (!i.isValid() || (rola != Qt::DisplayRole && rola != Qt::ToolTipRole))
        return {};
    const QString nazwa = opis().kolumny[static_cast<size_t>(i.column())].nazwa;
    QString t = tekstWartosci(i.column(), wartoscWiersza(i.row(), nazwa));
    // The hidden-date stamp is shown as the date it hides, as in the date field (the
    // trajectory's column holds a plain date already).
    if (nazwa == QLatin1String("DataRek") && m_tabela != Tabela::Trajektoria)
        t = DekodDataRek(t);
    if (rola == Qt::DisplayRole) {
        // Memo texts show their first line in the grid.
        const qsizetype nl = t.indexOf(u'\n');
        if (nl >= 0)
            t = t.left(nl) + QStringLiteral(" …");
    }
    return t;
}

QVariant ZbiorDanych::headerData(int sekcja, Qt::Orientation orientacja, int rola) const
{
    if (rola != Qt::DisplayRole)
        return {};
    if (orientacja == Qt::Vertical)
        return (sekcja == m_biezacy && czyEdycjaLubWstawianie()) ? QStringLiteral("*") : QString();
    if (sekcja >= 0 && sekcja < m_naglowki.size())
        return m_naglowki[sekcja];
    if (sekcja >= 0 && sekcja < columnCount())
        return opis().kolumny[static_cast<size_t>(sekcja)].nazwa;
    return {};
}

QString tekstBleduBazy(const QSqlError &e, Tabela t, RodzajBleduBazy rodzaj, const QString &ogon)
{
    const QString tekstSilnika = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    static const QRegularExpression unikalny(QStringLiteral("UNIQUE constraint failed: (?:\\w+\\.)?(\\w+)"));
    static const QRegularExpression pusty(QStringLiteral("NOT NULL constraint failed: (?:\\w+\\.)?(\\w+)"));
    static const QRegularExpression wymagane(QStringLiteral("(\\w+): pole wymagane jest puste"));
    static const QRegularExpression typ(QStringLiteral("cannot store (\\w+) value in (\\w+) column (?:\\w+\\.)?(\\w+)"));
    if (const auto m = unikalny.match(tekstSilnika); m.hasMatch())
        return QStringLiteral("Naruszenie klucza: w tabeli istnieje już rekord o tej samej wartości pola %1.\n\r"
                              "Popraw rekord i zatwierdź go ponownie.")
            .arg(m.captured(1));
    if (const auto m = pusty.match(tekstSilnika); m.hasMatch())
        return QStringLiteral("Pole %1 musi mieć wartość.\n\rUzupełnij rekord i zatwierdź go ponownie.").arg(m.captured(1));
    if (const auto m = wymagane.match(tekstSilnika); m.hasMatch())
        return QStringLiteral("Pole %1 musi mieć wartość.\n\rUzupełnij rekord i zatwierdź go ponownie.").arg(m.captured(1));
    if (const auto m = typ.match(tekstSilnika); m.hasMatch())
        return QStringLiteral("Pole %1 ma wartość niewłaściwego typu.\n\rPopraw rekord i zatwierdź go ponownie.")
            .arg(m.captured(3));
    return komunikatBleduBazy(bladBazy(rodzaj, t, e), ogon);
}

} // namespace tremida::gui
