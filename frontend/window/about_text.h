#pragma once
// Title and text of the About box.
#include <QString>

QString aboutTitle();
QString aboutText();
