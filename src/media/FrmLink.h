#pragma once

#include <QDialog>

class QLineEdit;

// Shows a picture's web address so the reader can select and copy it.
class FrmLink : public QDialog
{
    Q_OBJECT

public:
    explicit FrmLink(const QString &address, QWidget *parent = nullptr);

private:
    QLineEdit *Text1 = nullptr;
};
