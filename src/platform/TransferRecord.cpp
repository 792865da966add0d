#include "platform/TransferRecord.h"

#include <stdexcept>

TransferRecord::TransferRecord(std::initializer_list<FieldShape> shapes)
{
    for (const FieldShape& shape : shapes) {
        if (shape.kind == Kind::Text && shape.width < 1)
            throw std::invalid_argument("a text field needs room for its terminator");
        fields.push_back(Field{shape, {}, 0});
    }
}

const std::string& TransferRecord::text(int field) const
{
    const Field& f = fields.at(field);
    if (f.shape.kind != Kind::Text)
        throw std::logic_error("not a text field");
    return f.text;
}

void TransferRecord::setText(int field, const std::string& value)
{
    Field& f = fields.at(field);
    if (f.shape.kind != Kind::Text)
        throw std::logic_error("not a text field");
    std::string stored = value.substr(0, value.find('\0'));
    if (stored.size() > static_cast<std::size_t>(capacity(field)))
        stored.resize(static_cast<std::size_t>(capacity(field)));
    f.text = std::move(stored);
}

std::uint32_t TransferRecord::choice(int field) const
{
    const Field& f = fields.at(field);
    if (f.shape.kind != Kind::Choice)
        throw std::logic_error("not a choice field");
    return f.choice;
}

void TransferRecord::setChoice(int field, std::uint32_t value)
{
    Field& f = fields.at(field);
    if (f.shape.kind != Kind::Choice)
        throw std::logic_error("not a choice field");
    f.choice = value;
}

void TransferRecord::clear()
{
    for (Field& f : fields) {
        f.text.clear();
        f.choice = 0;
    }
}
