#include "gui/TemplateDialog.h"

#include "gui/DialogUnits.h"
#include "gui/LineField.h"
#include "gui/MultiLineField.h"
#include "platform/Latin1.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

QFont dialogFont(DialogFont font)
{
    if (font == DialogFont::FixedPitch) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(10);
        return fixed;
    }
    return QApplication::font();
}

std::optional<TransferRecord::Kind> boundKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
        return TransferRecord::Kind::Text;
    case ControlKind::RadioButton:
        return TransferRecord::Kind::Choice;
    default:
        return std::nullopt;
    }
}

void checkRecordFits(const DialogTemplate& dialog, const TransferRecord& record)
{
    int field = 0;
    for (const ControlTemplate& control : dialog.controls) {
        const std::optional<TransferRecord::Kind> kind = boundKind(control.kind);
        if (!kind)
            continue;
        if (field >= record.fieldCount() || record.kind(field) != *kind)
            throw std::logic_error(dialog.name + ": control " + std::to_string(control.id)
                                   + " does not match field " + std::to_string(field)
                                   + " of its transfer record");
        ++field;
    }
    if (field != record.fieldCount())
        throw std::logic_error(dialog.name + " binds " + std::to_string(field)
                               + " fields, its transfer record has "
                               + std::to_string(record.fieldCount()));
}

QFrame* shadedPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette shade = panel->palette();
    shade.setColor(QPalette::Window, shade.color(QPalette::Window).darker(106));
    panel->setPalette(shade);
    return panel;
}

QPushButton* dialogButton(const std::string& text, QStyle::StandardPixmap icon,
                          QWidget* parent)
{
    auto* button = new QPushButton(fromLatin1Bytes(text), parent);
    button->setIcon(parent->style()->standardIcon(icon, nullptr, button));
    return button;
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, TransferRecord& transfer,
                               QWidget* owner)
    : QDialog(owner), record(transfer)
{
    checkRecordFits(dialog, transfer);

    setWindowTitle(fromLatin1Bytes(dialog.title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(dialogFont(dialog.font));

    const DialogUnits units(font());
    offsetOnOwner = QPoint(units.x(dialog.frame.x), units.y(dialog.frame.y));
    setFixedSize(units.x(dialog.frame.width), units.y(dialog.frame.height));

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        const int field = static_cast<int>(bindings.size());
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(fromLatin1Bytes(c.text), this);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ControlKind::Edit:
            widget = new LineField(transfer.capacity(field), c.scrollsSideways, this);
            bindings.push_back({c.kind, widget});
            break;
        case ControlKind::MultiLineEdit:
            widget = new MultiLineField(transfer.capacity(field), c.wrapColumns, this);
            bindings.push_back({c.kind, widget});
            break;
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(fromLatin1Bytes(c.text), this);
            if (c.startsGroup || radioGroups.empty())
                radioGroups.push_back(new QButtonGroup(this));
            radioGroups.back()->addButton(radio);
            widget = radio;
            bindings.push_back({c.kind, widget});
            break;
        }
        case ControlKind::GroupFrame:
            widget = shadedPanel(this);
            break;
        case ControlKind::DipLine: {
            auto* rule = new QFrame(this);
            rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            widget = rule;
            break;
        }
        case ControlKind::OkButton: {
            QPushButton* button = dialogButton(c.text, QStyle::SP_DialogOkButton, this);
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &TemplateDialog::accept);
            widget = button;
            break;
        }
        case ControlKind::CancelButton: {
            QPushButton* button = dialogButton(c.text, QStyle::SP_DialogCancelButton, this);
            connect(button, &QPushButton::clicked, this, &TemplateDialog::reject);
            widget = button;
            break;
        }
        }

        widget->setGeometry(units.rect(c.rect));
        if (c.id != noControlId)
            widget->setObjectName(QStringLiteral("ctl%1").arg(c.id));

        // Frames come late in some templates but are drawn behind what they group.
        if (c.kind == ControlKind::GroupFrame)
            widget->lower();
        // Labels sit at the top left of their box, as the templates were laid out. A text
        // wider than its box (a sign after the charge) is centred, so only its side bearings
        // are cut off.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const bool tooWide = label->fontMetrics().horizontalAdvance(label->text())
                > label->width();
            label->setAlignment((tooWide ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        }

        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop)
                setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        placed.push_back(widget);
    }
}

int TemplateDialog::execute()
{
    return exec() == QDialog::Accepted ? dialogOk : dialogCancel;
}

QWidget* TemplateDialog::control(int id) const
{
    if (id == noControlId)
        return nullptr;
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

void TemplateDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        loadRecord();
        placeOnOwner();
        const auto first = std::find_if(placed.begin(), placed.end(), [](QWidget* w) {
            return (w->focusPolicy() & Qt::TabFocus) != 0;
        });
        if (first != placed.end()) {
            (*first)->setFocus();
            // The field that opens with the focus has its text selected, ready to be retyped.
            if (auto* field = qobject_cast<QLineEdit*>(*first))
                field->selectAll();
        }
    }
    QDialog::setVisible(visible);
}

void TemplateDialog::accept()
{
    storeRecord();
    QDialog::accept();
}

void TemplateDialog::loadRecord()
{
    // An exclusive group will not uncheck its checked button, and a record may check none.
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(false);
    for (int field = 0; field < static_cast<int>(bindings.size()); ++field) {
        QWidget* widget = bindings[field].widget;
        switch (bindings[field].kind) {
        case ControlKind::Edit:
            static_cast<LineField*>(widget)->setText(fromLatin1Bytes(record.text(field)));
            break;
        case ControlKind::MultiLineEdit:
            static_cast<MultiLineField*>(widget)->setValue(fromLatin1Bytes(record.text(field)));
            break;
        case ControlKind::RadioButton:
            static_cast<QRadioButton*>(widget)->setChecked(record.choice(field) != 0);
            break;
        default:
            break;
        }
    }
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(true);
}

void TemplateDialog::storeRecord()
{
    for (int field = 0; field < static_cast<int>(bindings.size()); ++field) {
        QWidget* widget = bindings[field].widget;
        switch (bindings[field].kind) {
        case ControlKind::Edit:
            record.setText(field, toLatin1Bytes(static_cast<LineField*>(widget)->text()));
            break;
        case ControlKind::MultiLineEdit:
            record.setText(field, toLatin1Bytes(static_cast<MultiLineField*>(widget)->value()));
            break;
        case ControlKind::RadioButton:
            record.setChoice(field, static_cast<QRadioButton*>(widget)->isChecked() ? 1 : 0);
            break;
        default:
            break;
        }
    }
}

namespace {

// Where an owner's own drawing starts: inside a scrolled view's frame, below a main window's
// menu bar.
QWidget* clientArea(QWidget* owner)
{
    if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(owner))
        return scrolled->viewport();
    if (auto* main = qobject_cast<QMainWindow*>(owner); main && main->centralWidget())
        return main->centralWidget();
    return owner;
}

} // namespace

void TemplateDialog::placeOnOwner()
{
    QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QPoint topLeft;
    if (owner) {
        topLeft = clientArea(owner)->mapToGlobal(offsetOnOwner);
    } else if (screen) {
        topLeft = screen->availableGeometry().center() - QPoint(width() / 2, height() / 2);
    }
    // An owner near the edge of the screen must not push the dialog off it.
    if (screen) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - height())));
    }
    // The template places the client area; the window frame goes around it.
    setGeometry(QRect(topLeft, size()));
}
