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
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <map>
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

bool isField(const ControlTemplate& control)
{
    return control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit;
}

std::optional<DialogValues::Kind> boundKind(const ControlTemplate& control)
{
    if (isField(control))
        return DialogValues::Kind::Text;
    if (control.kind == ControlKind::RadioButton)
        return DialogValues::Kind::Choice;
    return std::nullopt;
}

// The values' field of each bound control, checked both ways: every edit and radio button
// has a field of its kind, and every field has its control.
std::map<int, DialogValues::Field> fieldsByControl(const DialogTemplate& dialog,
                                                   const DialogValues& values)
{
    std::map<int, DialogValues::Field> unused;
    for (const DialogValues::Field& field : values.fields())
        if (!unused.emplace(field.controlId, field).second)
            throw std::logic_error(dialog.name + ": control " + std::to_string(field.controlId)
                                   + " is bound twice");
    std::map<int, DialogValues::Field> bound;
    for (const ControlTemplate& control : dialog.controls) {
        const std::optional<DialogValues::Kind> kind = boundKind(control);
        if (!kind)
            continue;
        const auto field = unused.find(control.id);
        if (field == unused.end() || field->second.kind != *kind)
            throw std::logic_error(dialog.name + ": control " + std::to_string(control.id)
                                   + " has no field of its kind");
        bound.insert(*field);
        unused.erase(field);
    }
    if (!unused.empty())
        throw std::logic_error(dialog.name + " has no control "
                               + std::to_string(unused.begin()->first) + " for its field");
    return bound;
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

bool sideBySide(const DialogRect& a, const DialogRect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width;
}

// Whether another field stands between a label and the field below it, so that the label
// names that one instead.
bool fieldBetween(const std::vector<ControlTemplate>& controls, const DialogRect& upper,
                  const DialogRect& lower, const ControlTemplate& field)
{
    return std::any_of(controls.begin(), controls.end(), [&](const ControlTemplate& other) {
        return &other != &field && isField(other) && sideBySide(other.rect, upper) &&
               other.rect.y >= upper.y + upper.height &&
               other.rect.y + other.rect.height <= lower.y;
    });
}

// The labels that name an edit field, top to bottom: every label over the field with no
// other field in between (a prompt may take two lines); a field with none over it is named by
// the nearest label under it.
std::vector<std::size_t> fieldLabels(const DialogTemplate& dialog, const ControlTemplate& field)
{
    const std::vector<ControlTemplate>& controls = dialog.controls;
    std::vector<std::size_t> over;
    std::optional<std::size_t> under;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& label = controls[i];
        if (label.kind != ControlKind::Label || !sideBySide(label.rect, field.rect))
            continue;
        if (label.rect.y + label.rect.height <= field.rect.y) {
            if (!fieldBetween(controls, label.rect, field.rect, field))
                over.push_back(i);
        } else if (label.rect.y >= field.rect.y + field.rect.height &&
                   !fieldBetween(controls, field.rect, label.rect, field) &&
                   (!under || label.rect.y < controls[*under].rect.y)) {
            under = i;
        }
    }
    std::stable_sort(over.begin(), over.end(), [&controls](std::size_t a, std::size_t b) {
        return controls[a].rect.y < controls[b].rect.y;
    });
    if (over.empty() && under)
        over.push_back(*under);
    return over;
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, DialogValues& bound,
                               QWidget* owner, std::function<void()> beep)
    : QDialog(owner), values(bound)
{
    if (!beep)
        beep = [] { QApplication::beep(); };
    const std::map<int, DialogValues::Field> fields = fieldsByControl(dialog, bound);
    // The most characters a text field's control takes: its width less the terminator.
    const auto capacity = [&fields](int id) { return fields.at(id).width - 1; };

    setWindowTitle(fromLatin1Bytes(dialog.title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(dialogFont(dialog.font));

    const DialogUnits units(font());
    offsetOnOwner = QPoint(units.x(dialog.frame.x), units.y(dialog.frame.y));
    setFixedSize(units.x(dialog.frame.width), units.y(dialog.frame.height));

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        QWidget* widget = makeControl(c, isField(c) ? capacity(c.id) : 0, beep);
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
    nameFieldsByLabels(dialog);
}

QWidget* TemplateDialog::makeControl(const ControlTemplate& c, int capacity,
                                     const std::function<void()>& beep)
{
    const auto bound = [&](QWidget* widget) {
        bindings.push_back({c.kind, c.id, widget});
        return widget;
    };
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(fromLatin1Bytes(c.text), this);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit:
        // Under six average characters (24 units) wide: the charge, number and highest
        // number fields.
        return bound(new LineField(capacity, c.scrollsSideways, c.rect.width < 24, this));
    case ControlKind::MultiLineEdit:
        return bound(new MultiLineField(capacity, c.wrapColumns, beep, this));
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(fromLatin1Bytes(c.text), this);
        if (c.startsGroup || radioGroups.empty())
            radioGroups.push_back(new QButtonGroup(this));
        radioGroups.back()->addButton(radio);
        return bound(radio);
    }
    case ControlKind::GroupFrame:
        return shadedPanel(this);
    case ControlKind::DipLine: {
        auto* rule = new QFrame(this);
        rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        return rule;
    }
    case ControlKind::OkButton: {
        QPushButton* button = dialogButton(c.text, QStyle::SP_DialogOkButton, this);
        button->setDefault(true);
        connect(button, &QPushButton::clicked, this, &TemplateDialog::accept);
        return button;
    }
    case ControlKind::CancelButton: {
        QPushButton* button = dialogButton(c.text, QStyle::SP_DialogCancelButton, this);
        connect(button, &QPushButton::clicked, this, &TemplateDialog::reject);
        return button;
    }
    }
    throw std::logic_error("a control of no known kind");
}

void TemplateDialog::nameFieldsByLabels(const DialogTemplate& dialog)
{
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (!isField(dialog.controls[i]))
            continue;
        QStringList words;
        QLabel* nearest = nullptr;
        for (std::size_t label : fieldLabels(dialog, dialog.controls[i])) {
            nearest = static_cast<QLabel*>(placed[label]);
            words << nearest->text();
        }
        if (!nearest)
            continue;
        placed[i]->setAccessibleName(words.join(QLatin1Char(' ')));
        // Screen readers also find the field from its label. A buddy would turn an & of the
        // label's text into a mnemonic, and the labels show theirs as written.
        if (!nearest->text().contains(QLatin1Char('&')))
            nearest->setBuddy(placed[i]);
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
        loadValues();
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
    storeValues();
    QDialog::accept();
}

void TemplateDialog::loadValues()
{
    // An exclusive group will not uncheck its checked button, and the values may check none.
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(false);
    for (const Binding& bound : bindings) {
        switch (bound.kind) {
        case ControlKind::Edit:
            static_cast<LineField*>(bound.widget)
                ->setText(fromLatin1Bytes(values.text(bound.controlId)));
            break;
        case ControlKind::MultiLineEdit:
            static_cast<MultiLineField*>(bound.widget)
                ->setValue(fromLatin1Bytes(values.text(bound.controlId)));
            break;
        case ControlKind::RadioButton:
            static_cast<QRadioButton*>(bound.widget)
                ->setChecked(values.choice(bound.controlId) != 0);
            break;
        default:
            break;
        }
    }
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(true);
}

void TemplateDialog::storeValues()
{
    for (const Binding& bound : bindings) {
        switch (bound.kind) {
        case ControlKind::Edit:
            values.setText(bound.controlId,
                           toLatin1Bytes(static_cast<LineField*>(bound.widget)->text()));
            break;
        case ControlKind::MultiLineEdit:
            values.setText(bound.controlId,
                           toLatin1Bytes(static_cast<MultiLineField*>(bound.widget)->value()));
            break;
        case ControlKind::RadioButton:
            values.setChoice(bound.controlId,
                             static_cast<QRadioButton*>(bound.widget)->isChecked() ? 1 : 0);
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
