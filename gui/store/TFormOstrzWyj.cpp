#include "TFormOstrzWyj.h"

namespace tremida::gui {

TFormOstrzWyj::TFormOstrzWyj(const TParKonfig &konfig, QWidget *rodzic)
    : OknoOstrzezenia(QStringLiteral("TFormOstrzWyj"), QStringLiteral("OSTRZEŻENIE PRZED WYJŚCIEM BEZ ZATWIERDZENIA ZMIAN"),
                      QStringLiteral("Bieżący rekord jest w trakcie wprowadzania lub edycji, a jego dane nie "
                                     "zostały zatwierdzone.\nWyjście z formularza bez zatwierdzenia zmian "
                                     "spowoduje utratę wprowadzonych danych."),
                      QStringLiteral("Wyjdź bez zatwierdzenia zmian"),
                      QStringLiteral("Wróc do formularza dla zatwierdzenia zmian"), Dalej::Lewy, konfig, rodzic)
{
}

} // namespace tremida::gui
