#pragma once

#include "platform/DialogTemplate.h"
#include "platform/TransferRecord.h"

#include <QDialog>

// A modal dialog built from a template: controls placed in dialog units converted from the
// dialog font, edit controls and radio buttons bound in template order to the transfer
// record. The record is filled from the controls only when the dialog is left with OK.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const DialogTemplate& dialog, TransferRecord& record, QWidget* owner);

    // Runs the dialog modally; dialogOk or dialogCancel.
    int execute();

    // The control with this id (edits, radio buttons, buttons, labels with ids), or null.
    QWidget* control(int id) const;
};
