#include "io/console.h"

#include <cmath>
#include <iostream>
#include <locale>

void errorLine(const std::string &text) { std::cerr << text << std::endl; }

void outputLine(const std::string &text) { std::cout << text << std::endl; }

void echoValue(const std::string &label, double value, const std::string &unit) {
    // The run checks the value before it writes it; the console only says what it was.
    if (std::isfinite(value)) std::cout << label << value << unit << std::endl;
    else std::cout << label << "kein endlicher Wert" << unit << std::endl;
}

void useClassicLocaleOnConsole() {
    std::cout.imbue(std::locale::classic());
    std::cerr.imbue(std::locale::classic());
}
