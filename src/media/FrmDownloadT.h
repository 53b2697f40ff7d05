#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// The translation download page: the catalogue of translations the update server
// offers, and the button that installs the chosen one.
class FrmDownloadT : public QWidget
{
    Q_OBJECT

public:
    explicit FrmDownloadT(QWidget *parent = nullptr);

    // Opening the page from the translation menu: the first entry chosen, with the focus.
    void selectFirstTranslation();

private:
    QListWidget *List4 = nullptr;
    QPushButton *cmddownload = nullptr;
};
