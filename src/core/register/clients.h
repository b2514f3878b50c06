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

}  // namespace reg
