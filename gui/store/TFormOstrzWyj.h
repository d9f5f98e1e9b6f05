#pragma once
// "OSTRZEŻENIE PRZED WYJŚCIEM BEZ ZATWIERDZENIA ZMIAN": shown when a table window is left
// while its current record is being inserted or edited.

#include "widgets/OknoOstrzezenia.h"

namespace tremida::gui {

class TFormOstrzWyj : public OknoOstrzezenia {
    Q_OBJECT
public:
    // zapytaj() is true when the user chose "Wyjdź bez zatwierdzenia zmian".
    explicit TFormOstrzWyj(const TParKonfig &konfig, QWidget *rodzic = nullptr);

    void ZmiaKolFormOstrzWyj(const TParKonfig &konfig) { zmienKolory(konfig); }

    QPushButton *przyciskWyjdz() const { return m_lewy; }
    QPushButton *przyciskWroc() const { return m_prawy; }
};

} // namespace tremida::gui
