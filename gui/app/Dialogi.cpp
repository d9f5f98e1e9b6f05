#include "Dialogi.h"

#include "Komunikat.h"
#include "store/Konwersje.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <memory>

namespace tremida::gui {

void Dialogi::komunikat(const QString &tekst, QWidget *rodzic)
{
    const std::unique_ptr<QDialog> okno(utworzOknoKomunikatu(tekst, rodzic));
    okno->exec();
}

bool Dialogi::potwierdzenie(const QString &pytanie, QWidget *rodzic)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("TREMIDA"), tekstDoWyswietlenia(pytanie),
                    QMessageBox::Yes | QMessageBox::No, rodzic ? rodzic : QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool Dialogi::dialogiDrukarki(QPrinter &drukarka, QWidget *rodzic)
{
    QPageSetupDialog ustawienia(&drukarka, rodzic);
    if (ustawienia.exec() != QDialog::Accepted)
        return false;
    QPrintDialog druk(&drukarka, rodzic);
    return druk.exec() == QDialog::Accepted;
}

} // namespace tremida::gui
