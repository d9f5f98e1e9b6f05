#pragma once
// Expected messages of backward chaining and falsification, and the small knowledge bases
// shared by their engine and window tests.

#include <QString>
#include <QStringList>

namespace tremida::test {

// "Hipoteza główna została udowodniona na podstawie grupy n reguł ..." for rule `kod`
// shown as number `poz` of `n`.
inline QString udowodniona(int n, int poz, int kod)
{
    return QStringLiteral("Hipoteza główna została udowodniona na podstawie grupy %1 reguł nadających się do "
                          "odpalenia. Zostanie zwizualizowany formularz konkluzji reguły nr. %2/%1 z tej grupy, o "
                          "kodzie %3. Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym formularzu "
                          "sukcesywnie.")
        .arg(n)
        .arg(poz)
        .arg(kod);
}

// The announcement of falsifying candidate `j` proven by rule `kod`, number `poz` of `n`.
inline QString falsUdowodniona(int j, int n, int poz, int kod)
{
    return QStringLiteral("   Hipoteza falsyfikująca z pozycji nr. %1 listy konkluzji została udowodniona na podstawie "
                          "grupy %2 reguł nadających się do odpalenia.\n\r   Tym samym hipoteza główna została "
                          "sfalsyfikowana.\n\r   Zostanie zwizualizowany formularz konkluzji reguły nr. %3/%2 z tej "
                          "grupy, o kodzie %4.\n\r   Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym "
                          "formularzu sukcesywnie.")
        .arg(j)
        .arg(n)
        .arg(poz)
        .arg(kod);
}

// Two rules concluding [H]=[TRUE] from a true input fact, with rule CFs 0.6 and 0.8.
inline const QString DWIE_REGULY = QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 1, "NazSyst": "A"}],
  "fakty": [
    {"IdFakt": 1, "KodSyst": 1, "NazFakt": "X", "RodzFakt": "wprowadzany", "TypFakt": "logiczny", "WartFakt": "TRUE", "CFWartFakt": 1},
    {"IdFakt": 2, "KodSyst": 1, "NazFakt": "H", "RodzFakt": "koncowy", "TypFakt": "logiczny", "WartFakt": "???", "CFWartFakt": 0}],
  "reguly": [
    {"IdReg": 1, "KodSyst": 1, "NazReg": "R1", "PozReg": 1, "KierWniReg": "wstecz", "CFReg": 0.6, "PrzesReg": "[X]=[TRUE]", "KonklReg": "[H]=[TRUE]"},
    {"IdReg": 2, "KodSyst": 1, "NazReg": "R2", "PozReg": 1, "KierWniReg": "oba", "CFReg": 0.8, "PrzesReg": "[X]=[TRUE]", "KonklReg": "[H]=[TRUE]"}]})");

// Changes to wnios_wstecz.json after which [H]=[h] cannot be proven (x is false for A); the
// candidates are "[H]=[g]" (rules 3 and 4, both true, CF 1 and 0.7) and "[H] = [h]" (rule 5,
// premise [C]=[q] false).
inline const QStringList NIEUDOWODNIONA{
    QStringLiteral("UPDATE reguly SET PrzesReg='[A]=[x]' WHERE IdReg=1"),
    QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='nie' WHERE IdWartFaktWylicz=1"),
    QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak' WHERE IdWartFaktWylicz=2"),
    QStringLiteral("UPDATE fakty SET CzyWielWart='tak' WHERE IdFakt=4")};

} // namespace tremida::test
