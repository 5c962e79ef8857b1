#pragma once
#include "programs/cli/cli_command.h"

namespace rdz {

// `passes --summary --catalog`: the passes of every set of the element file,
// not only the table's, as CSV with the catalog numbers.
int RunCatalogPasses(const CliCall& call);

}  // namespace rdz
