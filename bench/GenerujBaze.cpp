// Writes a synthetic knowledge base (system 1) as JSON for `tremida-cli import`.
//
//   tremida-bench-gen chain-forward N   N forward rules F(i-1) -> F(i), listed so that each
//                                       iteration examines every remaining rule before the
//                                       one that can fire (the worst order)
//   tremida-bench-gen chain-backward N  N backward rules F(i-1) -> F(i): proving F(N) needs a
//                                       chain of N auxiliary hypotheses
//   tremida-bench-gen wide N            N facts and N rules of 5 premises mixing AND, OR and
//                                       NOT over logical and real facts

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTextStream>
#include <cstdio>

namespace {

QJsonObject fakt(int id, const QString &nazwa, const QString &rodzaj, const QString &typ, const QString &wartosc,
                 double cf)
{
    return QJsonObject{{"IdFakt", id},        {"KodSyst", 1},         {"NazFakt", nazwa},
                       {"RodzFakt", rodzaj},  {"TypFakt", typ},       {"WartFakt", wartosc},
                       {"CFWartFakt", cf},    {"PytFakt", "Wartość?"}};
}

QJsonObject regula(int id, int poziom, const QString &kierunek, double cf, const QString &przes,
                   const QString &konkl)
{
    return QJsonObject{{"IdReg", id},          {"KodSyst", 1},      {"NazReg", QStringLiteral("R%1").arg(id)},
                       {"PozReg", poziom},     {"KierWniReg", kierunek}, {"CFReg", cf},
                       {"PrzesReg", przes},    {"KonklReg", konkl}};
}

QString nazwaF(int i) { return QStringLiteral("F%1").arg(i); }

// F0 is an input fact with value TRUE; F1..FN are derived; rule for F(i) reads F(i-1).
void lancuch(int n, bool wPrzod, QJsonArray &fakty, QJsonArray &reguly)
{
    fakty.append(fakt(1, nazwaF(0), "wprowadzany", "logiczny", "TRUE", 1.0));
    for (int i = 1; i <= n; ++i)
        fakty.append(fakt(i + 1, nazwaF(i), i == n ? "koncowy" : "posredni", "logiczny", "???", 0.0));
    for (int i = 1; i <= n; ++i) {
        const QString przes = QStringLiteral("[%1]=[TRUE]").arg(nazwaF(i - 1));
        const QString konkl = QStringLiteral("[%1]=[TRUE]").arg(nazwaF(i));
        // Forward: the rule that can fire next has the highest code left, so it is examined last.
        const int id = wPrzod ? n + 1 - i : i;
        reguly.append(regula(id, 1, wPrzod ? "w przod" : "wstecz", 1.0, przes, konkl));
    }
}

// Half the facts are input facts (logical with TRUE/FALSE, real with values), half derived
// logical facts; each rule concludes a derived fact from input facts and derived facts of
// lower number, so that firings feed later rules.
void szeroka(int n, QJsonArray &fakty, QJsonArray &reguly)
{
    QRandomGenerator los(12345);
    const int wejscia = n / 2;
    for (int i = 1; i <= wejscia; ++i) {
        if (i % 2)
            fakty.append(fakt(i, QStringLiteral("L%1").arg(i), "wprowadzany", "logiczny",
                              los.bounded(3) ? "TRUE" : "FALSE", 0.5 + los.bounded(50) / 100.0));
        else
            fakty.append(fakt(i, QStringLiteral("R%1").arg(i), "wprowadzany", "rzeczywisty",
                              QString::number(los.bounded(100)), 0.5 + los.bounded(50) / 100.0));
    }
    const int pochodne = n - wejscia;
    for (int i = 1; i <= pochodne; ++i)
        fakty.append(fakt(wejscia + i, QStringLiteral("D%1").arg(i), i > pochodne * 9 / 10 ? "koncowy" : "posredni",
                          "logiczny", "???", 0.0));
    auto wejscie = [&]() {
        const int i = 1 + int(los.bounded(wejscia));
        if (i % 2)
            return QStringLiteral("[L%1]=[TRUE]").arg(i);
        return QStringLiteral("[R%1]%2[%3]").arg(i).arg(los.bounded(2) ? ">" : "<=").arg(los.bounded(100));
    };
    for (int j = 1; j <= n; ++j) {
        const int cel = 1 + (j - 1) % pochodne;
        const QString pochodna =
            cel > 1 ? QStringLiteral("[D%1]=[TRUE]").arg(1 + int(los.bounded(cel - 1))) : wejscie();
        const QString przes = QStringLiteral("%1 AND (%2 OR NOT %3) AND %4 OR %5")
                                  .arg(wejscie(), wejscie(), wejscie(), pochodna, wejscie());
        reguly.append(regula(j, 1, "w przod", 0.6 + los.bounded(40) / 100.0, przes,
                             QStringLiteral("[D%1]=[TRUE]").arg(cel)));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    const QString rodzaj = a.value(1);
    bool ok = false;
    const int n = a.value(2).toInt(&ok);
    if (!ok || n < 1 || (rodzaj != u"chain-forward" && rodzaj != u"chain-backward" && rodzaj != u"wide")) {
        std::fputs("użycie: tremida-bench-gen chain-forward|chain-backward|wide N\n", stderr);
        return 2;
    }
    QJsonArray fakty, reguly;
    if (rodzaj == u"wide")
        szeroka(n, fakty, reguly);
    else
        lancuch(n, rodzaj == u"chain-forward", fakty, reguly);
    const QJsonObject baza{{"systemyeksperckie", QJsonArray{QJsonObject{{"IdSyst", 1}, {"NazSyst", "Wydajność"}}}},
                           {"fakty", fakty},
                           {"reguly", reguly}};
    QTextStream(stdout) << QString::fromUtf8(QJsonDocument(baza).toJson(QJsonDocument::Indented));
    return 0;
}
