#include "Komunikat.h"

#include "store/Konwersje.h"

#include <QApplication>
#include <QMessageBox>

namespace tremida::gui {

namespace {
PrzechwytKomunikatu &przechwyt()
{
    static PrzechwytKomunikatu p;
    return p;
}
} // namespace

void ustawPrzechwytKomunikatow(PrzechwytKomunikatu p) { przechwyt() = std::move(p); }

void pokazKomunikat(const QString &tekst, QWidget *rodzic)
{
    if (przechwyt()) {
        przechwyt()(tekst);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TREMIDA"), tekstDoWyswietlenia(tekst), QMessageBox::Ok,
                    rodzic ? rodzic : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tremida::gui
