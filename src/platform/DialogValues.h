#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The values a dialog shows and fills, each reached by the id of the control it is bound to.
// A text field of width w (terminator included) binds an edit control that takes w - 1
// characters; a choice binds a radio button (1 checked, 0 not). The dialog engine knows only
// this; the program's own records reach it through a BoundRecord.
class DialogValues {
public:
    enum class Kind { Text, Choice };

    struct Field {
        int controlId;
        Kind kind;
        int width; // text fields only: bytes including the terminating zero
    };

    virtual ~DialogValues() = default;

    virtual std::vector<Field> fields() const = 0;
    // A control that is not bound as that kind is a programming error and throws
    // std::logic_error.
    virtual std::string text(int controlId) const = 0;
    // Stores at most width - 1 bytes, up to the first zero byte, as a fixed field would.
    virtual void setText(int controlId, const std::string& value) = 0;
    virtual std::uint32_t choice(int controlId) const = 0;
    virtual void setChoice(int controlId, std::uint32_t value) = 0;
};

// The results of running a dialog.
inline constexpr int dialogOk = 1;
inline constexpr int dialogCancel = 2;

// What a text field of this width keeps of a value: up to the first zero byte, at most
// width - 1 bytes.
std::string fitText(const std::string& value, int width);

[[noreturn]] void throwUnboundControl(int controlId, DialogValues::Kind kind);

// One member of a record bound to one control of its dialog.
template <typename Record>
struct FieldBinding {
    int controlId;
    std::string Record::*text = nullptr;
    std::uint32_t Record::*choice = nullptr;
    int width = 0;

    constexpr DialogValues::Kind kind() const
    {
        return text ? DialogValues::Kind::Text : DialogValues::Kind::Choice;
    }
};

template <typename Record>
constexpr FieldBinding<Record> bindText(int controlId, std::string Record::*member, int width)
{
    if (width < 1)
        throw std::invalid_argument("a text field needs room for its terminator");
    return {controlId, member, nullptr, width};
}

template <typename Record>
constexpr FieldBinding<Record> bindChoice(int controlId, std::uint32_t Record::*member)
{
    return {controlId, nullptr, member, 0};
}

// A record's texts cut to what their fields hold, as a dialog would show them.
template <typename Record>
void fitToFields(Record& record, std::span<const FieldBinding<Record>> binding)
{
    for (const FieldBinding<Record>& field : binding)
        if (field.text)
            record.*field.text = fitText(record.*field.text, field.width);
}

// A record of the program seen by control id through its binding table.
template <typename Record>
class BoundRecord final : public DialogValues {
public:
    BoundRecord(Record& record, std::span<const FieldBinding<Record>> binding)
        : record(record), binding(binding)
    {
    }

    std::vector<Field> fields() const override
    {
        std::vector<Field> result;
        for (const FieldBinding<Record>& field : binding)
            result.push_back({field.controlId, field.kind(), field.width});
        return result;
    }

    std::string text(int controlId) const override
    {
        return record.*find(controlId, Kind::Text).text;
    }
    void setText(int controlId, const std::string& value) override
    {
        const FieldBinding<Record>& field = find(controlId, Kind::Text);
        record.*field.text = fitText(value, field.width);
    }
    std::uint32_t choice(int controlId) const override
    {
        return record.*find(controlId, Kind::Choice).choice;
    }
    void setChoice(int controlId, std::uint32_t value) override
    {
        record.*find(controlId, Kind::Choice).choice = value;
    }

private:
    const FieldBinding<Record>& find(int controlId, Kind kind) const
    {
        for (const FieldBinding<Record>& field : binding)
            if (field.controlId == controlId && field.kind() == kind)
                return field;
        throwUnboundControl(controlId, kind);
    }

    Record& record;
    std::span<const FieldBinding<Record>> binding;
};
