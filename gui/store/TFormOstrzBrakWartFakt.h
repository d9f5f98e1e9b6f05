#pragma once
// "OSTRZEŻENIE" shown when an input fact of type real, integer or logical is posted without
// a value: the value may stay unknown now and be given later.

#include "widgets/OknoOstrzezenia.h"

namespace tremida::gui {

class TFormOstrzBrakWartFakt : public OknoOstrzezenia {
    Q_OBJECT
public:
    // zapytaj() is true when the user chose "Wartość faktu jest mi nieznana".
    explicit TFormOstrzBrakWartFakt(const TParKonfig &konfig, QWidget *rodzic = nullptr);

    void ZmiaKolFormOstrzBrakWartFakt(const TParKonfig &konfig) { zmienKolory(konfig); }

    QPushButton *przyciskWprowadz() const { return m_lewy; }
    QPushButton *przyciskNieznana() const { return m_prawy; }
};

} // namespace tremida::gui
