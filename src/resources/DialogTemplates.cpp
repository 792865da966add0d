#include "resources/DialogTemplates.h"

#include <stdexcept>

namespace {

using K = ControlKind;

ControlTemplate label(std::string text, DialogRect r, int id = noControlId)
{
    return {K::Label, id, std::move(text), r};
}

ControlTemplate edit(int id, DialogRect r, bool scrollsSideways)
{
    return {K::Edit, id, {}, r, scrollsSideways};
}

ControlTemplate radio(int id, std::string text, DialogRect r, bool startsGroup)
{
    ControlTemplate c{K::RadioButton, id, std::move(text), r};
    c.startsGroup = startsGroup;
    return c;
}

ControlTemplate frame(DialogRect r, int id = noControlId)
{
    return {K::GroupFrame, id, {}, r};
}

ControlTemplate ok(DialogRect r)
{
    return {K::OkButton, 1, "OK", r};
}

ControlTemplate cancel(DialogRect r)
{
    return {K::CancelButton, 2, "Cancel", r};
}

// The ion dialogs share one layout, placed with its name field at (x, y): name, symbol and
// charge fields, and the sign label after the charge.
std::vector<ControlTemplate> ionControls(int x, int y, const char* sign)
{
    return {
        edit(control_id::ionName, {x, y, 88, 12}, true),
        edit(control_id::ionSymbol, {x, y + 27, 52, 12}, true),
        edit(control_id::ionCharge, {x + 93, y + 27, 18, 12}, true),
        ok({x, y + 47, 32, 20}),
        cancel({x + 79, y + 47, 32, 20}),
        label("Name:", {x, y - 12, 23, 8}),
        label("Symbol:", {x, y + 17, 36, 8}),
        label("Charge:", {x + 94, y + 17, 27, 8}),
        label(sign, {x + 113, y + 29, 4, 8}),
        frame({x - 4, y - 14, 126, 56}),
    };
}

std::vector<DialogTemplate> makeTemplates()
{
    return {
        {DialogId::FirstDialog, "FIRSTDIALOG", "Add Cation or Anion?",
         {86, 53, 142, 92}, DialogFont::Standard,
         {
             radio(control_id::addCation, "&Cation", {51, 28, 35, 10}, true),
             radio(control_id::addAnion, "&Anion", {51, 40, 32, 10}, false),
             frame({45, 27, 50, 25}),
             label("Choose One:", {49, 13, 43, 9}),
             ok({17, 66, 32, 20}),
             cancel({80, 66, 32, 20}),
         }},
        {DialogId::AddCat, "ADDCAT", "Add Cation",
         {84, 51, 159, 87}, DialogFont::Standard,
         ionControls(19, 16, "+")},
        {DialogId::AddAn, "ADDAN", "Add Anion",
         {94, 65, 148, 87}, DialogFont::Standard,
         ionControls(14, 17, "-")},
        {DialogId::ChangeCat, "CHANGECAT", "Change Cation",
         {94, 67, 126, 84}, DialogFont::Standard,
         ionControls(4, 14, "+")},
        {DialogId::ChangeAn, "CHANGEAN", "Change Anion",
         {89, 69, 127, 81}, DialogFont::Standard,
         ionControls(4, 13, "-")},
        {DialogId::NumberDlg, "NUMBERDLG", "Delete or change ion.",
         {81, 57, 142, 97}, DialogFont::Standard,
         {
             edit(control_id::number, {62, 31, 21, 12}, true),
             label("Enter the number you want to change", {11, 9, 123, 10}),
             label("or delete.", {51, 20, 32, 8}),
             frame({6, 5, 132, 45}),
             radio(control_id::numberCation, "&Cation", {36, 59, 32, 10}, true),
             radio(control_id::numberAnion, "&Anion", {77, 59, 32, 10}, false),
             frame({25, 55, 91, 20}),
             ok({6, 76, 32, 20}),
             cancel({101, 76, 32, 20}),
         }},
        {DialogId::Highest, "HIGHEST", "Highest Cation and Anion",
         {63, 53, 142, 92}, DialogFont::Standard,
         {
             label("Highest Cation #:", {36, 8, 61, 9}, 103),
             edit(control_id::highestCation, {60, 19, 16, 12}, false),
             label("Highest Anion #:", {36, 34, 69, 10}, 104),
             edit(control_id::highestAnion, {61, 46, 16, 12}, false),
             frame({31, 6, 82, 57}, 105),
             ok({15, 69, 32, 20}),
             cancel({96, 68, 32, 20}),
         }},
        {DialogId::NameDlg, "NAMEDLG", "Name for Printing Results",
         {85, 62, 142, 92}, DialogFont::Standard,
         {
             label("First Name:", {36, 5, 61, 9}, 103),
             edit(control_id::firstName, {36, 16, 74, 12}, true),
             label("Last Name", {36, 31, 69, 10}, 104),
             edit(control_id::lastName, {36, 46, 74, 12}, true),
             frame({31, 3, 82, 57}, 105),
             ok({15, 66, 32, 20}),
             cancel({96, 65, 32, 20}),
         }},
        {DialogId::EditHeading, "EDITHEADING", "Edit Quiz Heading",
         {57, 93, 250, 112}, DialogFont::FixedPitch,
         {
             {.kind = K::MultiLineEdit,
              .id = control_id::heading,
              .text = {},
              .rect = {3, 10, 244, 20},
              .scrollsSideways = false,
              .startsGroup = false,
              .wrapColumns = 60},
             ok({60, 82, 37, 25}),
             cancel({156, 83, 37, 25}),
             {K::DipLine, noControlId, {}, {16, 73, 230, 1}},
             label("Change the quiz heading above as needed.", {53, 48, 161, 9}),
         }},
    };
}

} // namespace

const std::vector<DialogTemplate>& allDialogTemplates()
{
    static const std::vector<DialogTemplate> templates = makeTemplates();
    return templates;
}

const DialogTemplate& dialogTemplate(DialogId id)
{
    const DialogTemplate& found = allDialogTemplates().at(static_cast<std::size_t>(id));
    if (found.id != id)
        throw std::logic_error("the dialog templates are out of the order of DialogId");
    return found;
}
