#include "practice/MyPrintout.h"

MyPrintout::MyPrintout(std::string title, std::string lastName, std::string firstName,
                       std::uint32_t correct, std::uint32_t tried)
    : Printout(std::move(title))
    , lastName(std::move(lastName))
    , firstName(std::move(firstName))
    , correct(correct)
    , tried(tried)
{
}

void MyPrintout::printPage(int, TextSurface& surface)
{
    const std::string heading =
        "Symbols and Charges Practice Results for: " + firstName + " " + lastName;
    surface.drawText(10, 10, heading);
    const int h = surface.textHeight();
    surface.drawText(10, 10 + 2 * h,
                     "Number tried " + std::to_string(correct) + " out of " + std::to_string(tried));
}
