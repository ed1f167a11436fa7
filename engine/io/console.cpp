#include "io/console.h"

#include <iostream>
#include <locale>

void errorLine(const std::string &text) { std::cerr << text << std::endl; }

void outputLine(const std::string &text) { std::cout << text << std::endl; }

void echoValue(const std::string &label, double value, const std::string &unit) {
    std::cout << label << value << unit << std::endl;
}

void useClassicLocaleOnConsole() {
    std::cout.imbue(std::locale::classic());
    std::cerr.imbue(std::locale::classic());
}
