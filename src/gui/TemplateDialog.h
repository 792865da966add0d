#pragma once

#include "platform/DialogTemplate.h"
#include "platform/TransferRecord.h"

#include <QDialog>
#include <QPoint>

#include <vector>

class QButtonGroup;

// A modal dialog built from a template: controls placed in dialog units converted from the
// dialog font, edit controls and radio buttons bound in template order to the transfer
// record. The record is filled from the controls only when the dialog is left with OK.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // A record that does not match the template's bound controls, in kind or in number, is a
    // programming error and throws std::logic_error.
    TemplateDialog(const DialogTemplate& dialog, TransferRecord& record, QWidget* owner);

    // Runs the dialog modally; dialogOk or dialogCancel.
    int execute();

    // The control with this id (edits, radio buttons, buttons, labels with ids), or null.
    QWidget* control(int id) const;
    // Every control in template order, labels, frames and rules included.
    const std::vector<QWidget*>& controls() const { return placed; }

    // Opening sets the controls from the record and puts the dialog at its place on the owner.
    void setVisible(bool visible) override;
    // OK: fills the record from the controls, then closes with dialogOk.
    void accept() override;

private:
    struct Binding {
        ControlKind kind;
        QWidget* widget;
    };

    void loadRecord();
    void storeRecord();
    void placeOnOwner();

    TransferRecord& record;
    QPoint offsetOnOwner;
    std::vector<QWidget*> placed;
    std::vector<Binding> bindings;
    std::vector<QButtonGroup*> radioGroups;
};
