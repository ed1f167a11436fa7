#include "window/about_text.h"

QString aboutTitle() { return QStringLiteral("Info zu Norvel "); }

QString aboutText() {
    return QStringLiteral(
        "Norvel\t\t\t2026\n"
        "\n"
        "Berechnungskern:\tStalvora2\n"
        "Oberfläche:\t\tQt 5, QCustomPlot\n"
        "Normen:\t\tEN 1994-1-1, EN 1992-1-1, EN 1993-1-1\n"
        "\n"
        "Anwendung:\n"
        "Norvel ist ein Bemessungsprogramm für Verbundträger aus Stahl und Beton auf der "
        "Grundlage von Eurocode 4 (EN 1994-1-1). Es ermittelt elastische, plastische und "
        "teilplastische Spannungsverteilungen im Querschnitt, die Interaktion von Biegung und "
        "Querkraft sowie die elastischen und plastischen Grenzmomente. Bei den Nachweisen der "
        "Gebrauchstauglichkeit wird die Mitwirkung des Betons zwischen den Rissen (Tension "
        "Stiffening) berücksichtigt.");
}
