#pragma once

#include "platform/DialogTemplate.h"
#include "platform/DialogValues.h"
#include "platform/Ui.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

class QObject;

// The values each dialog exchanges with the program, and the controls of its template that
// each value is bound to. Text widths count the terminating zero, as the fixed fields they
// stand for did: a name of width 20 takes 19 characters.

// ADDCAT, ADDAN, CHANGECAT, CHANGEAN: an ion as typed.
struct IonEntry {
    std::string name;
    std::string symbol;
    std::string charge;
    friend bool operator==(const IonEntry&, const IonEntry&) = default;
};

// FIRSTDIALOG: which list to add to.
struct AddChoice {
    std::uint32_t cation = 0;
    std::uint32_t anion = 0;
    friend bool operator==(const AddChoice&, const AddChoice&) = default;
};

// NUMBERDLG: an entry's number and its list.
struct NumberEntry {
    std::string number;
    std::uint32_t cation = 0;
    std::uint32_t anion = 0;
    friend bool operator==(const NumberEntry&, const NumberEntry&) = default;
};

// HIGHEST: the highest cation and anion numbers as typed.
struct RangeEntry {
    std::string highestCation;
    std::string highestAnion;
    friend bool operator==(const RangeEntry&, const RangeEntry&) = default;
};

// NAMEDLG: the student's name for the results printout.
struct StudentName {
    std::string first;
    std::string last;
    friend bool operator==(const StudentName&, const StudentName&) = default;
};

// EDITHEADING: the quiz heading with its line breaks.
struct HeadingEntry {
    std::string heading;
    friend bool operator==(const HeadingEntry&, const HeadingEntry&) = default;
};

// Each record's binding to its dialog's controls.
template <typename Record>
struct DialogFields;

template <>
struct DialogFields<IonEntry> {
    static constexpr std::array fields{bindText(control_id::ionName, &IonEntry::name, 20),
                                       bindText(control_id::ionSymbol, &IonEntry::symbol, 15),
                                       bindText(control_id::ionCharge, &IonEntry::charge, 6)};
};

template <>
struct DialogFields<AddChoice> {
    static constexpr std::array fields{bindChoice(control_id::addCation, &AddChoice::cation),
                                       bindChoice(control_id::addAnion, &AddChoice::anion)};
};

template <>
struct DialogFields<NumberEntry> {
    static constexpr std::array fields{bindText(control_id::number, &NumberEntry::number, 6),
                                       bindChoice(control_id::numberCation, &NumberEntry::cation),
                                       bindChoice(control_id::numberAnion, &NumberEntry::anion)};
};

template <>
struct DialogFields<RangeEntry> {
    static constexpr std::array fields{
        bindText(control_id::highestCation, &RangeEntry::highestCation, 20),
        bindText(control_id::highestAnion, &RangeEntry::highestAnion, 20)};
};

template <>
struct DialogFields<StudentName> {
    static constexpr std::array fields{bindText(control_id::firstName, &StudentName::first, 20),
                                       bindText(control_id::lastName, &StudentName::last, 20)};
};

template <>
struct DialogFields<HeadingEntry> {
    static constexpr std::array fields{
        bindText(control_id::heading, &HeadingEntry::heading, 121)};
};

template <typename Record>
constexpr std::span<const FieldBinding<Record>> dialogFields()
{
    return DialogFields<Record>::fields;
}

// The width of a record's text field.
template <typename Record>
constexpr int fieldWidth(std::string Record::*member)
{
    for (const FieldBinding<Record>& field : DialogFields<Record>::fields)
        if (field.text == member)
            return field.width;
    throw std::logic_error("not a bound text field");
}

// The record each dialog runs with.
template <DialogId>
struct DialogRecordOf;
template <> struct DialogRecordOf<DialogId::FirstDialog> { using type = AddChoice; };
template <> struct DialogRecordOf<DialogId::AddCat> { using type = IonEntry; };
template <> struct DialogRecordOf<DialogId::AddAn> { using type = IonEntry; };
template <> struct DialogRecordOf<DialogId::NumberDlg> { using type = NumberEntry; };
template <> struct DialogRecordOf<DialogId::ChangeCat> { using type = IonEntry; };
template <> struct DialogRecordOf<DialogId::ChangeAn> { using type = IonEntry; };
template <> struct DialogRecordOf<DialogId::Highest> { using type = RangeEntry; };
template <> struct DialogRecordOf<DialogId::NameDlg> { using type = StudentName; };
template <> struct DialogRecordOf<DialogId::EditHeading> { using type = HeadingEntry; };

template <DialogId id>
using DialogRecord = typename DialogRecordOf<id>::type;

// Runs a dialog on its record, which is filled only on OK. A record of another dialog does
// not compile.
template <DialogId id>
int runDialog(Ui& ui, QObject* owner, DialogRecord<id>& record)
{
    BoundRecord<DialogRecord<id>> values(record, dialogFields<DialogRecord<id>>());
    return ui.runDialog(owner, dialogTemplate(id), values);
}

// A record's texts cut to what its dialog's fields take.
template <typename Record>
Record fittedToDialog(Record record)
{
    fitToFields(record, dialogFields<Record>());
    return record;
}
