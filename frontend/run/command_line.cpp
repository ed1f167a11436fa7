#include "run/command_line.h"

#include <cstring>
#include <iostream>

#include "protocol/console_lines.h"
#include "report/report_document.h"

namespace commandline {

Request requestOf(int argc, char *argv[]) {
    if (argc < 2) return Request::Window;
    const char *option = argv[1];
    if (std::strcmp(option, "--batch") == 0) return Request::Batch;
    if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) return Request::Help;
    if (std::strcmp(option, "--version") == 0) return Request::Version;
    if (std::strncmp(option, "--", 2) == 0) return Request::Unknown;
    return Request::Window;
}

std::string usageText() {
    return "Aufruf:\n"
           "  Norvel                                 Programmfenster\n"
           "  Norvel --batch DATEI                   DATEI ohne Fenster berechnen, Protokoll als Text ausgeben\n"
           "  Norvel --batch DATEI --pdf AUSGABE.pdf Protokoll als PDF-Datei schreiben\n"
           "  Norvel --help                          diese Hilfe\n"
           "  Norvel --version                       Programmversion\n"
           "\n"
           "Rückgabewert von --batch: " +
           std::to_string(protocol::exitCompleted) + " alle Nachweise erfüllt, " +
           std::to_string(protocol::exitCheckNotMet) + " ein Nachweis nicht erfüllt oder nicht ermittelt,\n" +
           std::to_string(protocol::exitError) + " Fehler in der Eingabe oder im Rechenprogramm.\n";
}

std::string versionText() { return report::programName().toStdString() + "\n"; }

int answer(Request request, int argc, char *argv[]) {
    switch (request) {
    case Request::Help: std::cout << usageText(); return 0;
    case Request::Version: std::cout << versionText(); return 0;
    case Request::Unknown:
        std::cerr << "Unbekannte Option: " << (argc > 1 ? argv[1] : "") << "\n\n" << usageText();
        return protocol::exitError;
    case Request::Window:
    case Request::Batch: break;
    }
    return protocol::exitError;
}

}  // namespace commandline
