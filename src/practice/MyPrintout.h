#pragma once

#include "print/Printout.h"

#include <cstdint>
#include <string>

// A student's score on paper: one line with the name, and one empty line lower the count.
class MyPrintout : public Printout {
public:
    MyPrintout(std::string title, std::string lastName, std::string firstName,
               std::uint32_t correct, std::uint32_t tried);

    void printPage(int page, TextSurface& surface) override;

private:
    std::string lastName;
    std::string firstName;
    std::uint32_t correct;
    std::uint32_t tried;
};
