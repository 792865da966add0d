#pragma once

#include "platform/DialogTemplate.h"
#include "platform/DialogValues.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <vector>

class QButtonGroup;

// A modal dialog built from a template: controls placed in dialog units converted from the
// dialog font, edit controls and radio buttons bound by control id to the dialog's values.
// The values are filled from the controls only when the dialog is left with OK.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // Values that do not bind the template's edits and radio buttons, each as its kind and
    // no other control, are a programming error and throw std::logic_error. A field sounds
    // the beep, the system's own when none is given, for an edit it refuses.
    TemplateDialog(const DialogTemplate& dialog, DialogValues& values, QWidget* owner,
                   std::function<void()> beep = {});

    // Runs the dialog modally; dialogOk or dialogCancel.
    int execute();

    // The control with this id (edits, radio buttons, buttons, labels with ids), or null.
    QWidget* control(int id) const;
    // Every control in template order, labels, frames and rules included.
    const std::vector<QWidget*>& controls() const { return placed; }

    // Opening sets the controls from the values and puts the dialog at its place on the owner.
    void setVisible(bool visible) override;
    // OK: fills the values from the controls, then closes with dialogOk.
    void accept() override;

private:
    struct Binding {
        ControlKind kind;
        int controlId;
        QWidget* widget;
    };

    // One control of the template as a widget of this dialog; a control that holds a value is
    // bound to it. capacity: the characters a text field takes.
    QWidget* makeControl(const ControlTemplate& c, int capacity, const std::function<void()>& beep);
    // Each edit field is named for screen readers by the labels the template puts over it.
    void nameFieldsByLabels(const DialogTemplate& dialog);
    void loadValues();
    void storeValues();
    void placeOnOwner();

    DialogValues& values;
    QPoint offsetOnOwner;
    std::vector<QWidget*> placed;
    std::vector<Binding> bindings;
    std::vector<QButtonGroup*> radioGroups;
};
