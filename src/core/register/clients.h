#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "store/records.h"

namespace reg {

// The first client (0-based index, in file order) whose number is `number` but whose name,
// trimmed and upper-cased, differs from `name`: the typed client number belongs to someone
// else. Nothing when there is no such client.
std::optional<size_t> conflictingClient(const std::vector<store::UgyfelRekord>& clients,
                                        qint64 number, const QString& name);

// Whether a typed client number belongs to another client: some client has the number under
// another name (trimmed, upper-cased). The number counts only when the text is a whole number
// other than 0: an empty box, 0 and a text that is no whole number belong to nobody. Recording
// and the client number box use this one rule.
bool clientNumberTaken(const std::vector<store::UgyfelRekord>& clients, const QString& number,
                       const QString& name);

}  // namespace reg
