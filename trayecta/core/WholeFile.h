#pragma once
// Writing a whole file that is either complete or untouched: the bytes go to a
// temporary file in the same folder, which is renamed over the target only once
// every byte is on the disk. A failure leaves nothing behind and is described
// in Catalan for the failure report.
#include <optional>
#include <string>
#include <string_view>

namespace trayecta {

// None on success; otherwise the description of the failure, naming the file
// ("no s'ha pogut escriure «/a/b.csv»: una part del camí no és una carpeta.").
std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes);

} // namespace trayecta
