#include "platform/TemplateDialog.h"

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, TransferRecord&, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QString::fromLatin1(dialog.title.c_str()));
}

int TemplateDialog::execute()
{
    return exec() == QDialog::Accepted ? dialogOk : dialogCancel;
}

QWidget* TemplateDialog::control(int) const
{
    return nullptr;
}
