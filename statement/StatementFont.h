#pragma once

#include <QFont>
#include <QString>

// The statement font: the setting's family with default size and weight. An
// empty or unknown family falls back to an installed family with Japanese
// glyphs, so that the page carries real text rather than empty boxes.
QFont statementFont(const QString &family);
