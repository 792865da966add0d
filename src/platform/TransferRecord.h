#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// The plain record through which a dialog exchanges its values with its owner. Its fields
// follow the order of the dialog's bound controls: a text field of width w (terminator
// included) binds an edit control that takes w - 1 characters, a choice binds a radio
// button (1 checked, 0 not). A dialog fills the record only when it is left with OK.
class TransferRecord {
public:
    enum class Kind { Text, Choice };

    struct FieldShape {
        Kind kind;
        int width; // text fields only: bytes including the terminating zero
    };
    static constexpr FieldShape textField(int width) { return {Kind::Text, width}; }
    static constexpr FieldShape choiceField() { return {Kind::Choice, 0}; }

    TransferRecord(std::initializer_list<FieldShape> fields);

    int fieldCount() const { return static_cast<int>(fields.size()); }
    Kind kind(int field) const { return fields.at(field).shape.kind; }
    // The most characters a text field holds: its width less the terminator.
    int capacity(int field) const { return fields.at(field).shape.width - 1; }

    const std::string& text(int field) const;
    // Stores at most capacity() bytes, up to the first zero byte, as a fixed field would.
    void setText(int field, const std::string& value);
    std::uint32_t choice(int field) const;
    void setChoice(int field, std::uint32_t value);

    // Every text empty and every choice 0, as a record cleared to zero bytes.
    void clear();

private:
    struct Field {
        FieldShape shape;
        std::string text;
        std::uint32_t choice = 0;
    };
    std::vector<Field> fields;
};

// The results of running a dialog.
inline constexpr int dialogOk = 1;
inline constexpr int dialogCancel = 2;
