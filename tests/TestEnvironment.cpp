// The environment every native test runs in. The headless system takes the user's Documents
// folder from LUMETRIX_DOCUMENTS: the tests give it none, so that no test reads the Documents of
// whoever runs it; a test that needs one names a folder of its own.
#include <cstdlib>

namespace {

[[maybe_unused]] const int kNoDocuments = ::setenv("LUMETRIX_DOCUMENTS", "", 1);

} // namespace
