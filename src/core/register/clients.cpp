#include "register/clients.h"

#include "store/hungarian.h"
#include "store/numbers.h"

namespace reg {

std::optional<size_t> conflictingClient(const std::vector<store::UgyfelRekord>& clients,
                                        qint64 number, const QString& name) {
    for (size_t i = 0; i < clients.size(); ++i) {
        if (clients[i].Ugyfelszam == number &&
            !store::sameName(store::trimmed(clients[i].Nev), name))
            return i;
    }
    return std::nullopt;
}

bool clientNumberTaken(const std::vector<store::UgyfelRekord>& clients, const QString& number,
                       const QString& name) {
    const std::optional<qint64> whole = store::wholeNumber(number);
    return whole && *whole != 0 && conflictingClient(clients, *whole, name).has_value();
}

}  // namespace reg
