#include "TFormOstrzBrakWartFakt.h"

namespace tremida::gui {

TFormOstrzBrakWartFakt::TFormOstrzBrakWartFakt(const TParKonfig &konfig, QWidget *rodzic)
    : OknoOstrzezenia(
          QStringLiteral("TFormOstrzBrakWartFakt"), QStringLiteral("OSTRZEŻENIE"),
          QStringLiteral("Nie wprowadziłeś wartości faktu wprowadzanego.\n"
                         "Jeśli wartość faktu jest Ci teraz nieznana, możesz ją pozostawić nieokreśloną (\"???\").\n"
                         "Wartość będzie można podać później: wczytać ją z pliku tekstowego wartości faktów\n"
                         "wprowadzanych albo wprowadzić na żądanie programu w trakcie procesu wnioskowania."),
          QStringLiteral("Chcę wprowadzić wartość faktu"), QStringLiteral("Wartość faktu jest mi nieznana"), Dalej::Prawy,
          konfig, rodzic)
{
}

} // namespace tremida::gui
