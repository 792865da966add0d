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

// The ion dialogs: name, symbol and charge fields, and the sign label after the charge.
std::vector<ControlTemplate> ionControls(DialogRect name, DialogRect symbol, DialogRect charge,
                                         DialogRect okButton, DialogRect cancelButton,
                                         DialogRect nameLabel, DialogRect symbolLabel,
                                         DialogRect chargeLabel, const char* sign,
                                         DialogRect signLabel, DialogRect group)
{
    return {
        edit(control_id::ionName, name, true),     edit(control_id::ionSymbol, symbol, true),
        edit(control_id::ionCharge, charge, true),  ok(okButton),
        cancel(cancelButton),         label("Name:", nameLabel),
        label("Symbol:", symbolLabel), label("Charge:", chargeLabel),
        label(sign, signLabel),       frame(group),
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
         ionControls({19, 16, 88, 12}, {19, 43, 52, 12}, {112, 43, 18, 12}, {19, 63, 32, 20},
                     {98, 63, 32, 20}, {19, 4, 23, 8}, {19, 33, 36, 8}, {113, 33, 27, 8}, "+",
                     {132, 45, 4, 8}, {15, 2, 126, 56})},
        {DialogId::AddAn, "ADDAN", "Add Anion",
         {94, 65, 148, 87}, DialogFont::Standard,
         ionControls({14, 17, 88, 12}, {14, 44, 52, 12}, {107, 44, 18, 12}, {14, 64, 32, 20},
                     {93, 64, 32, 20}, {14, 5, 23, 8}, {14, 34, 36, 8}, {108, 34, 27, 8}, "-",
                     {127, 46, 4, 8}, {10, 3, 126, 56})},
        {DialogId::ChangeCat, "CHANGECAT", "Change Cation",
         {94, 67, 126, 84}, DialogFont::Standard,
         ionControls({4, 14, 88, 12}, {4, 41, 52, 12}, {97, 41, 18, 12}, {4, 61, 32, 20},
                     {83, 61, 32, 20}, {4, 2, 23, 8}, {4, 31, 36, 8}, {98, 31, 27, 8}, "+",
                     {117, 43, 4, 8}, {0, 0, 126, 56})},
        {DialogId::ChangeAn, "CHANGEAN", "Change Anion",
         {89, 69, 127, 81}, DialogFont::Standard,
         ionControls({4, 13, 88, 12}, {4, 40, 52, 12}, {97, 40, 18, 12}, {4, 60, 32, 20},
                     {83, 60, 32, 20}, {4, 1, 23, 8}, {4, 30, 36, 8}, {98, 30, 27, 8}, "-",
                     {117, 42, 4, 8}, {0, -1, 126, 56})},
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
