#pragma once

#include "platform/Ui.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The modeless "Printing" dialog: three centred lines and a Cancel that marks the job
// cancelled and disables itself. Its window menu cannot close it.
class PrintingDialog : public QDialog, public PrintingProgress {
    Q_OBJECT
public:
    PrintingDialog(const std::string& documentLine, const std::string& printerLine,
                   QWidget* over);

    void showPage(int page) override;
    bool cancelled() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* page;
    QPushButton* cancel;
    bool cancelPressed = false;
};
