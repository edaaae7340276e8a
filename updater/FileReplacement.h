#pragma once

#include <QString>

// Copies `source` over `target` by way of a temporary file beside the target
// that is renamed over it at the end, so a failed copy leaves the old target
// as it was. An existing target keeps its permissions.
bool replaceFile(const QString &source, const QString &target);
