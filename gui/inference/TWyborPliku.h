#pragma once
// The drive, folder, filter and file lists of the windows that read or write a text file
// (reading input-fact values, the error file of the consistency check).

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

namespace tremida::gui {

class TWyborPliku : public QWidget {
    Q_OBJECT
public:
    explicit TWyborPliku(QWidget *rodzic = nullptr);

    // Shows `folder` (its sub-folders and its files that pass the filter).
    void ustawFolder(const QString &folder);
    QString folder() const { return m_folder; }
    // Full path of the file `nazwa` of the folder shown.
    QString sciezka(const QString &nazwa) const;

    QComboBox *naped() const { return m_naped; }
    QLabel *etykietaFolderu() const { return m_etFolder; }
    QListWidget *foldery() const { return m_foldery; }
    QComboBox *filtr() const { return m_filtr; }
    QListWidget *pliki() const { return m_pliki; }

    // The filter list: "Pliki tekstowe z rozszerzeniem txt (*.txt)", "Wszystkie pliki (*.*)",
    // "All files (*.*)".
    static QStringList opisyFiltrow();

signals:
    void folderZmieniony(const QString &folder);
    void plikWybrany(const QString &sciezka);

private:
    void odswiezPliki();

    QString m_folder;
    QComboBox *m_naped;
    QLabel *m_etFolder;
    QListWidget *m_foldery;
    QComboBox *m_filtr;
    QListWidget *m_pliki;
};

} // namespace tremida::gui
